#include "mesh_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "label_room.h"
#include "mesh_view.h"
#include "messages/mesh.h"
#include "pi.h"
#include "plot_style.h"
#include "qt_text.h"

namespace gp {

namespace {

struct CircleKind {
    double GearScene::*radius;
    const char* name;
    Qt::PenStyle style;
};

constexpr CircleKind kCircles[] = {
    {&GearScene::ra, "齿顶圆", Qt::SolidLine},      {&GearScene::r, "分度圆", Qt::DashDotLine},
    {&GearScene::rw, "节圆", Qt::DashLine},         {&GearScene::rb, "基圆", Qt::DotLine},
    {&GearScene::rf, "齿根圆", Qt::DashDotDotLine},
};

const QColor& gear_colour(int g) { return g == 0 ? kPinionColour : kWheelColour; }

// The frame of a gear (its own millimetres) to pixels, after the contacts travelled.
QTransform gear_to_pixels(const GearScene& gear, double travel, const QTransform& to_pixels) {
    QTransform frame;
    frame.translate(gear.centre.x(), gear.centre.y());
    frame.rotateRadians(gear.angle0 + gear.rate * travel);
    return frame * to_pixels;
}

// The parts of a circle that lie within `area` (pixels), as polylines fine enough
// that no chord strays from the circle by more than a third of a pixel.
std::vector<QPolygonF> visible_arcs(QPointF centre, double radius, const QTransform& to_pixels,
                                    const QRectF& area) {
    std::vector<QPolygonF> arcs;
    const double scale = std::hypot(to_pixels.m11(), to_pixels.m12());
    const double r_px = radius * scale;
    if (!(r_px > 0.5) || !std::isfinite(r_px)) return arcs;
    const QPointF c = to_pixels.map(centre);
    const QRectF box = area.adjusted(-4, -4, 4, 4);
    // Far outside the area, or enclosing it entirely: nothing shows.
    const double nearest_x = std::clamp(c.x(), box.left(), box.right());
    const double nearest_y = std::clamp(c.y(), box.top(), box.bottom());
    const double farthest =
        std::hypot(std::max(std::abs(c.x() - box.left()), std::abs(c.x() - box.right())),
                   std::max(std::abs(c.y() - box.top()), std::abs(c.y() - box.bottom())));
    if (std::hypot(c.x() - nearest_x, c.y() - nearest_y) > r_px || farthest < r_px) return arcs;
    const double step = std::max(2 * std::sqrt(2 * 0.33 / r_px), 2 * kExactPi / 200000);
    const int n = static_cast<int>(std::ceil(2 * kExactPi / step));
    QPolygonF run;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * kExactPi * i / n;
        const QPointF p(c.x() + r_px * std::cos(t), c.y() + r_px * std::sin(t));
        if (box.contains(p)) {
            run << p;
        } else if (!run.isEmpty()) {
            run << p;  // one point beyond, so the arc reaches the edge
            arcs.push_back(run);
            run.clear();
        }
    }
    if (run.size() > 1) arcs.push_back(run);
    return arcs;
}

void draw_polylines(QPainter& painter, const std::vector<QPolygonF>& lines) {
    for (const QPolygonF& l : lines) painter.drawPolyline(l);
}

// A length or ratio as the picture writes it: `decimals` places, or four
// significant digits where those places would show little or nothing.
QString fixed(double v, int decimals) {
    const QString text = std::abs(v) >= 0.1 || v == 0 ? QString::number(v, 'f', decimals)
                                                      : QString::number(v, 'g', 4);
    return QString(text).replace(QLatin1Char('-'), QChar(0x2212));
}

// Where a circle of gear g (an index) is labelled: where it crosses a horizontal line
// a little inside the view's top edge (g = 0) or bottom edge (g = 1), on the side that
// faces the other gear, the circles staggered so that close ones keep their labels
// apart.
std::optional<QPointF> label_point(const GearScene& gear, int g, double radius, int k,
                                   const QRectF& visible) {
    const double fraction = 0.05 + 0.07 * (k % 12);
    // `visible` is in millimetres, y up: its top() is the lowest y.
    const double y = g == 0 ? visible.bottom() - fraction * visible.height()
                            : visible.top() + fraction * visible.height();
    const double dy = y - gear.centre.y();
    if (std::abs(dy) >= radius) return std::nullopt;
    const double dx = std::sqrt(radius * radius - dy * dy);
    const QPointF p(g == 0 ? gear.centre.x() + dx : gear.centre.x() - dx, y);
    if (!visible.contains(p)) return std::nullopt;
    return p;
}

}  // namespace

namespace {

// The red circle where the mate's tip starts to work, below the root form circle.
constexpr Qt::PenStyle kFaultCircleStyle = Qt::DashDotLine;
const QColor kContactColour(255, 170, 0);

struct LegendRow {
    QString text;
    QColor colour;
    Qt::PenStyle style;  // Qt::NoPen: text alone
    double width;
    bool dot = false;  // a contact's dot instead of a line
};

std::vector<LegendRow> legend_rows(const MeshScene& scene) {
    std::vector<LegendRow> items;
    items.push_back({QStringLiteral("主动齿轮（齿轮1）"), kPinionColour, Qt::SolidLine, 2});
    items.push_back({QStringLiteral("从动齿轮（齿轮2）"), kWheelColour, Qt::SolidLine, 2});
    for (const CircleKind& k : kCircles) items.push_back({qt(k.name), Qt::darkGray, k.style, 1});
    items.push_back(
        {QStringLiteral("啮合线 T1T2，实际啮合线 AE"), kActionColour, Qt::SolidLine, 2});
    items.push_back({QStringLiteral("接触点"), kContactColour, Qt::SolidLine, 1, true});
    items.push_back(
        {QStringLiteral("AE = %1 mm，εα = %2").arg(fixed(scene.ae, 3), fixed(scene.eps_alpha, 3)),
         Qt::transparent, Qt::NoPen, 0});
    if (!scene.faults.isEmpty())
        items.push_back(
            {QStringLiteral("红色：根切、齿顶变尖、齿顶干涉"), kFaultColour, Qt::SolidLine, 2.5});
    if (scene.gears[0].r_fault > 0 || scene.gears[1].r_fault > 0)
        items.push_back({QStringLiteral("啮合起始圆（低于齿根过渡曲线起始圆）"), kFaultColour,
                         kFaultCircleStyle, 1.2});
    for (const QString& note : scene.notes) items.push_back({note, Qt::transparent, Qt::NoPen, 0});
    return items;
}

}  // namespace

QRectF paint_mesh_legend(QPainter& painter, const MeshScene& scene, const QRectF& area,
                         double text_px) {
    painter.save();
    painter.setFont(plot_font(text_px));
    const QFontMetricsF fm(painter.font());
    const double line = fm.height();
    const std::vector<LegendRow> items = legend_rows(scene);
    double text_w = 0;
    for (const LegendRow& r : items) text_w = std::max(text_w, fm.horizontalAdvance(r.text));
    const double swatch = line * 2;
    // Bottom right, over the wheel's body, clear of the line of action and of the
    // circles' labels.
    const double box_w = swatch + text_w + line * 1.2;
    const double box_h = line * (static_cast<double>(items.size()) + 0.5);
    const QRectF box(area.right() - line * 0.5 - box_w, area.bottom() - line * 0.5 - box_h, box_w,
                     box_h);
    painter.setPen(QPen(Qt::lightGray, 0));
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    double y = box.top() + line * 0.25;
    for (const LegendRow& r : items) {
        const double mid = y + line / 2;
        if (r.dot) {
            painter.setPen(QPen(Qt::black, r.width * text_px / 12));
            painter.setBrush(r.colour);
            painter.drawEllipse(QPointF(box.left() + line * 0.4 + swatch * 0.4, mid),
                                text_px * 0.35, text_px * 0.35);
            painter.setBrush(Qt::NoBrush);
        } else if (r.style != Qt::NoPen) {
            QPen pen(r.colour, r.width * text_px / 12);
            pen.setStyle(r.style);
            painter.setPen(pen);
            painter.drawLine(QPointF(box.left() + line * 0.4, mid),
                             QPointF(box.left() + line * 0.4 + swatch * 0.8, mid));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + line * 0.6 + swatch, y, text_w + line, line),
                         Qt::AlignLeft | Qt::AlignVCenter, r.text);
        y += line;
    }
    painter.restore();
    return box;
}

double mesh_legend_height(const MeshScene& scene, double text_px) {
    // The rows of paint_mesh_legend and the margins.
    return QFontMetricsF(plot_font(text_px)).height() *
           (static_cast<double>(legend_rows(scene).size()) + 1);
}

double mesh_legend_width(const MeshScene& scene, double text_px) {
    const QFontMetricsF fm(plot_font(text_px));
    double text_w = 0;
    for (const LegendRow& r : legend_rows(scene))
        text_w = std::max(text_w, fm.horizontalAdvance(r.text));
    return text_w + fm.height() * 4.2;
}

double travel_at(const MeshScene& scene, double position) {
    return std::clamp(position, 0.0, 1.0) * scene.travel;
}

std::vector<double> contacts_at(const MeshScene& scene, double position) {
    std::vector<double> out;
    if (!(scene.pbt > 0) || !(scene.ae > 0)) return out;
    const double travel = travel_at(scene, position);
    const double first = travel - std::floor(travel / scene.pbt) * scene.pbt;
    for (double s = first; s <= scene.ae + 1e-9 && out.size() < 64; s += scene.pbt) out.push_back(s);
    return out;
}

void paint_message(QPainter& painter, const QRectF& area, const QString& text, double text_px) {
    painter.save();
    painter.setFont(plot_font(text_px * 1.3));
    painter.setPen(kFaultColour);
    painter.drawText(area.adjusted(text_px, text_px, -text_px, -text_px),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void paint_mesh(QPainter& painter, const MeshScene& scene, const QTransform& to_pixels,
                const QRectF& area, double position, double text_px, bool legend,
                LabelBoxes* labels) {
    if (!scene.refusal.isEmpty()) {
        paint_message(painter, area, scene.refusal, text_px);
        return;
    }
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(plot_font(text_px));
    const double unit = text_px / 12;  // one screen pixel at the window's type size
    const double travel = travel_at(scene, position);
    const QRectF visible = to_pixels.inverted().mapRect(area);

    // The gears: a light fill, a firm outline, the faults in red.
    for (int g = 0; g < 2; ++g) {
        const GearScene& gear = scene.gears[static_cast<std::size_t>(g)];
        const QTransform t = gear_to_pixels(gear, travel, to_pixels);
        QColor fill = gear_colour(g);
        fill.setAlpha(38);
        painter.setPen(QPen(gear_colour(g), 1.4 * unit));
        painter.setBrush(fill);
        painter.drawPolygon(t.map(gear.outline));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kFaultColour, 3 * unit, Qt::SolidLine, Qt::RoundCap));
        for (const QPolygonF& f : gear.faults) painter.drawPolyline(t.map(f));
        painter.drawPoint(t.map(QPointF(0, 0)));
    }

    // The circles, thin, in the gear's colour, each in its own line style; their
    // labels wait until the line of action's have their places.
    struct CircleLabel {
        int gear;
        double radius;
        int slot;
        QString text;
    };
    std::vector<CircleLabel> circle_labels;
    for (int g = 0; g < 2; ++g) {
        const GearScene& gear = scene.gears[static_cast<std::size_t>(g)];
        int k = 0;
        for (const CircleKind& kind : kCircles) {
            const double radius = gear.*kind.radius;
            QPen pen(gear_colour(g), 0.8 * unit);
            pen.setStyle(kind.style);
            painter.setPen(pen);
            draw_polylines(painter, visible_arcs(gear.centre, radius, to_pixels, area));
            circle_labels.push_back({g, radius, k, qt(kind.name) + QString::number(g + 1)});
            ++k;
        }
        if (gear.r_fault > 0) {
            QPen pen(kFaultColour, 1.2 * unit, kFaultCircleStyle);
            painter.setPen(pen);
            draw_polylines(painter, visible_arcs(gear.centre, gear.r_fault, to_pixels, area));
        }
    }

    // The line of action: whole from T1 to T2, the path of contact A to E bold.
    const QPointF t1 = to_pixels.map(scene.t1);
    const QPointF t2 = to_pixels.map(scene.t2);
    painter.setPen(QPen(kActionColour, 1 * unit));
    painter.drawLine(t1, t2);
    painter.setPen(QPen(kActionColour, 3 * unit, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(to_pixels.map(scene.a), to_pixels.map(scene.e));

    // The contacts at this turn: tooth pairs one base pitch apart.
    const QPointF along = (scene.e - scene.a) / std::max(scene.ae, 1e-12);
    painter.setPen(QPen(Qt::black, 1 * unit));
    painter.setBrush(kContactColour);
    for (double s : contacts_at(scene, position)) {
        painter.drawEllipse(to_pixels.map(scene.a + along * s), 4.5 * unit, 4.5 * unit);
    }
    painter.setBrush(Qt::NoBrush);

    // The texts, each in the first free place of its candidates: the legend's box,
    // the points' letters beside the line, AE and εα outside the teeth, the circles'
    // names. A text with no free place is left out (its point is still drawn).
    LabelRoom room(area);
    if (legend) room.take(paint_mesh_legend(painter, scene, area, text_px));

    const QPointF dir = t2 - t1;
    const double len = std::hypot(dir.x(), dir.y());
    const QPointF normal = len > 0 ? QPointF(-dir.y() / len, dir.x() / len) : QPointF(0, -1);
    const QPointF tangent(normal.y(), -normal.x());
    const std::pair<const char*, QPointF> points[] = {
        {"A", scene.a}, {"E", scene.e}, {"C", scene.c},  {"B", scene.b},
        {"D", scene.d}, {"T1", scene.t1}, {"T2", scene.t2}};
    for (const auto& [name, at] : points) {
        painter.setPen(QPen(kActionColour, 1 * unit));
        painter.setBrush(Qt::white);
        painter.drawEllipse(to_pixels.map(at), 3 * unit, 3 * unit);
    }
    painter.setBrush(Qt::NoBrush);
    QFont bold = plot_font(text_px * 1.1);
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetricsF bold_fm(bold);
    // The point circles themselves stay clear of every letter.
    const double dot = 3.5 * unit;
    const auto clear_of_points = [&](const QRectF& box) {
        for (const auto& [name, at] : points) {
            const QPointF p = to_pixels.map(at);
            if (box.adjusted(-dot, -dot, dot, dot).contains(p)) return false;
        }
        return true;
    };
    for (const auto& [name, at] : points) {
        const QPointF p = to_pixels.map(at);
        const QString text = QString::fromLatin1(name);
        std::vector<QRectF> candidates;
        for (double side : {1.0, -1.0}) {
            for (double shift : {0.0, 0.9, -0.9, 1.8, -1.8}) {
                candidates.push_back(text_box(
                    bold_fm, text, p + normal * (side * text_px * 1.1) + tangent * (shift * text_px)));
            }
        }
        if (const auto box = room.place(candidates, clear_of_points)) {
            painter.setPen(kActionColour);
            painter.drawText(*box, Qt::AlignCenter, text);
        }
    }

    // AE and εα: beside the path of contact, off the line of action and outside both
    // gears' tip circles where the view leaves such room, the nearest such place.
    painter.setFont(plot_font(text_px));
    const QFontMetricsF fm(painter.font());
    {
        const QString text = QStringLiteral("AE = %1 mm，εα = %2")
                                 .arg(fixed(scene.ae, 3), fixed(scene.eps_alpha, 3));
        const double w = fm.horizontalAdvance(text) + text_px;
        const double h = fm.height() + text_px * 0.4;
        const QPointF mid = to_pixels.map((scene.a + scene.e) / 2);
        const double scale = std::hypot(to_pixels.m11(), to_pixels.m12());
        // Nearest and farthest distance of the box from a gear's centre, in pixels.
        const auto reach_of = [&](const GearScene& g, const QRectF& box) {
            const QPointF c = to_pixels.map(g.centre);
            const QPointF near(std::clamp(c.x(), box.left(), box.right()),
                               std::clamp(c.y(), box.top(), box.bottom()));
            const double far_x = std::max(std::abs(c.x() - box.left()), std::abs(c.x() - box.right()));
            const double far_y = std::max(std::abs(c.y() - box.top()), std::abs(c.y() - box.bottom()));
            return std::pair{std::hypot(near.x() - c.x(), near.y() - c.y()), std::hypot(far_x, far_y)};
        };
        // Outside both tip circles: in the gap between the gears.
        const auto outside_teeth = [&](const QRectF& box) {
            for (const GearScene& g : scene.gears) {
                if (reach_of(g, box).first <= g.ra * scale) return false;
            }
            return true;
        };
        // Else off every ring of teeth (root to tip circle), over a gear's body at
        // most: a place that stays put as the gears turn.
        const auto off_teeth = [&](const QRectF& box) {
            for (const GearScene& g : scene.gears) {
                const auto [near, far] = reach_of(g, box);
                if (near <= g.ra * scale && far >= g.rf * scale) return false;
            }
            return true;
        };
        const auto off_line = [&](const QRectF& box) {
            return !crosses(box.adjusted(-2 * unit, -2 * unit, 2 * unit, 2 * unit), t1, t2) &&
                   clear_of_points(box);
        };
        // Rings round the path's middle, nearest first, sixteen places on each.
        std::vector<QRectF> candidates;
        const double step = h * 0.5;
        const double reach = std::hypot(area.width(), area.height());
        for (double r = step; r < reach; r += step) {
            for (int k = 0; k < 16; ++k) {
                const double t = 2 * kExactPi * k / 16;
                const QPointF c = mid + QPointF(std::cos(t), std::sin(t)) * r;
                candidates.emplace_back(c.x() - w / 2, c.y() - h / 2, w, h);
            }
        }
        auto box = room.place(candidates,
                              [&](const QRectF& b) { return off_line(b) && outside_teeth(b); });
        if (!box)
            box = room.place(candidates, [&](const QRectF& b) { return off_line(b) && off_teeth(b); });
        if (!box) box = room.place(candidates, off_line);
        if (box) {
            painter.setPen(QPen(kActionColour, 0.8 * unit));
            painter.setBrush(QColor(255, 255, 255, 230));
            painter.drawRect(*box);
            painter.setBrush(Qt::NoBrush);
            painter.drawText(*box, Qt::AlignCenter, text);
        }
    }

    // The circles' names where a circle crosses a line near the view's top (gear 1)
    // or bottom (gear 2), each at the first free one of a dozen such lines.
    for (const CircleLabel& c : circle_labels) {
        const GearScene& gear = scene.gears[static_cast<std::size_t>(c.gear)];
        std::vector<QRectF> candidates;
        for (int k = 0; k < 12; ++k) {
            if (const auto at = label_point(gear, c.gear, c.radius, c.slot + k, visible)) {
                const QPointF p = to_pixels.map(*at);
                candidates.push_back(text_box(fm, c.text, p - QPointF(0, fm.height() * 0.6)));
            }
        }
        if (const auto box = room.place(candidates)) {
            painter.setPen(gear_colour(c.gear));
            painter.drawText(*box, Qt::AlignCenter, c.text);
        }
    }
    if (labels) *labels = room.taken();
    painter.restore();
}

void paint_mesh_page(QPainter& painter, const QRectF& page, const MeshScene& scene,
                     const QRectF& view, double position, const PageFoot& foot) {
    painter.save();
    const double text_px = page.height() / 90;
    const double title_h = text_px * 2.4;
    const double foot_h = text_px * 2;

    // The picture first, then the page around it whited out: an SVG file keeps no
    // clipping, and the gears reach far beyond the part in view.
    const QRectF picture(page.left(), page.top() + title_h, page.width(), page.height() * 0.6);
    const ViewPlace place = ViewPlace::fitting(view, picture.size());
    QTransform to_pixels = place.to_pixels(picture.size());
    to_pixels *= QTransform::fromTranslate(picture.left(), picture.top());
    paint_mesh(painter, scene, to_pixels, picture, position, text_px, true);
    const double reach = std::max(page.width(), page.height()) * 1e4;
    const QRectF beyond = page.adjusted(-reach, -reach, reach, reach);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(beyond.topLeft(), QPointF(beyond.right(), picture.top())));
    painter.drawRect(QRectF(QPointF(beyond.left(), picture.bottom()), beyond.bottomRight()));
    painter.drawRect(QRectF(QPointF(beyond.left(), picture.top()), picture.bottomLeft()));
    painter.drawRect(QRectF(picture.topRight(), QPointF(beyond.right(), picture.bottom())));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(picture);

    painter.setFont(plot_font(text_px * 1.5));
    painter.setPen(Qt::black);
    QString title = qt(msg::mesh::kWindowTitle);
    if (!scene.caption.isEmpty()) title += QStringLiteral("　") + scene.caption;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), title_h), Qt::AlignCenter,
                     title);

    // The faults in words, wrapped to the page's width.
    painter.setFont(plot_font(text_px * 1.1));
    const QString fault_text = scene.faults.join(QLatin1Char('\n'));
    const double fault_h = fault_text.isEmpty()
                               ? text_px
                               : QFontMetricsF(painter.font())
                                     .boundingRect(QRectF(0, 0, page.width(), page.height()),
                                                   Qt::TextWordWrap, fault_text)
                                     .height();
    const QRectF faults(page.left(), picture.bottom() + text_px * 0.4, page.width(), fault_h);
    painter.setPen(kFaultColour);
    painter.drawText(faults, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, fault_text);

    const QRectF plot(page.left(), faults.bottom() + text_px, page.width(),
                      page.bottom() - foot_h - faults.bottom() - text_px);
    if (scene.refusal.isEmpty() && plot.height() > text_px * 6)
        paint_sliding_plot(painter, plot, scene.sliding, text_px * 1.1,
                           contacts_at(scene, position));

    // The foot: the drawing numbers left, the date and time right, as on the reports.
    const QRectF foot_box(page.left() + text_px, page.bottom() - foot_h, page.width() - 2 * text_px,
                          foot_h);
    painter.setFont(plot_font(text_px));
    painter.setPen(Qt::black);
    painter.drawText(foot_box, Qt::AlignLeft | Qt::AlignVCenter, foot.drawing_numbers);
    painter.drawText(foot_box, Qt::AlignRight | Qt::AlignVCenter, foot.when);
    painter.restore();
}

}  // namespace gp
