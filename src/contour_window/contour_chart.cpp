#include "contour_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "plane_shading.h"
#include "messages/contour.h"
#include "plot_style.h"
#include "qt_text.h"

namespace gp {

namespace {

struct CurveLook {
    QColor colour;
    Qt::PenStyle style;
};

// One colour and one dash for each curve, in the order of the limits: the pinion's
// limits in blues, the wheel's in greens, the pair's own in warm colours.
const std::array<CurveLook, kLimitCount> kLooks = {{
    {kPinionColour, Qt::SolidLine},           // undercut1
    {kWheelColour, Qt::SolidLine},            // undercut2
    {QColor(110, 160, 235), Qt::DotLine},     // pointed1
    {QColor(95, 190, 125), Qt::DotLine},      // pointed2
    {QColor(20, 40, 120), Qt::DashLine},      // thin1
    {QColor(0, 85, 40), Qt::DashLine},        // thin2
    {QColor(235, 165, 40), Qt::DotLine},      // contact1
    {QColor(215, 100, 0), Qt::SolidLine},     // contact12
    {QColor(200, 30, 120), Qt::DashDotLine},  // interference1
    {QColor(130, 60, 170), Qt::DashDotDotLine},  // interference2
    {kFaultColour, Qt::DashLine},             // sliding
    {Qt::black, Qt::SolidLine},               // centre
}};

const QColor kAdmissibleFill(60, 190, 90, 70);
const QColor kStopsFill(160, 160, 160, 90);
const QColor kConstantLine(150, 150, 150);
const QColor kPickColour(215, 25, 25);

QPen curve_pen(int k, double text_px) {
    const bool centre = kLimits[k] == Limit::Centre;
    QPen pen(kLooks[k].colour, (centre ? 2.6 : 1.6) * text_px / 13, kLooks[k].style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A round centre distance as a label: no trailing zeros.
QString a_text(double a) {
    QString t = QString::number(a, 'f', 4);
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t;
}

const PlanePoint* point_of(const Outcome<PlanePoint>& p) { return std::get_if<PlanePoint>(&p); }

// Labels placed so far; a new one goes only where it covers none of them.
class LabelPlaces {
  public:
    explicit LabelPlaces(const QRectF& frame) : frame_(frame) {}
    bool free(const QRectF& r) const {
        if (!frame_.contains(r)) return false;
        return std::none_of(taken_.begin(), taken_.end(),
                            [&](const QRectF& t) { return t.intersects(r); });
    }
    void take(const QRectF& r) { taken_.push_back(r); }

  private:
    QRectF frame_;
    std::vector<QRectF> taken_;
};

void paint_label(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

// A curve's name on one of its points in view (over the curve, so that it is plain
// which curve it names), else beside it; the middle of the curve tried first. A
// mark's name (`gap` > 0) goes only beside it, clear of the mark.
void label_curve(QPainter& painter, LabelPlaces& places, const std::vector<QPointF>& points,
                 const QString& text, const QColor& colour, double line, double gap = 0) {
    if (points.empty()) return;
    const QFontMetricsF fm(painter.font());
    const QSizeF size(fm.horizontalAdvance(text) + line * 0.4, line * 1.05);
    for (double f : {0.5, 0.35, 0.65, 0.2, 0.8, 0.1, 0.9, 0.03, 0.97}) {
        const QPointF p = points[static_cast<std::size_t>(f * (points.size() - 1))];
        const double dx = line * 0.3 + gap, dy = line * 0.2 + gap;
        const QPointF on(-size.width() / 2, -size.height() / 2);
        for (QPointF offset : {gap > 0 ? QPointF(dx, -size.height() - dy) : on,
                               QPointF(dx, -size.height() - dy), QPointF(dx, dy),
                               QPointF(-size.width() - dx, -size.height() - dy),
                               QPointF(-size.width() - dx, dy)}) {
            const QRectF box(p + offset, size);
            if (places.free(box)) {
                places.take(box);
                paint_label(painter, box, text, colour);
                return;
            }
        }
    }
}

}  // namespace

ContourChart contour_chart(const GearPairInput& form, const ShiftWindow& window) {
    ContourChart chart;
    auto plane = ShiftPlane::of(form);
    if (const auto* stop = std::get_if<Stop>(&plane)) {
        chart.refusal = qt(stop->detail.empty() ? stop->message
                                                : stop->message + "\n" + stop->detail);
        return chart;
    }
    chart.plane = std::move(std::get<ShiftPlane>(plane));
    chart.caption = qt(msg::contour::caption(form.cs1z1, form.cs2z2, form.fmn, form.fjafn,
                                             form.lxjbt.empty() ? std::string("0") : form.lxjbt));
    ContourOptions options;
    options.window = window;
    chart.contour = blocking_contour(*chart.plane, form, options);
    if (const auto* s = std::get_if<double>(&chart.contour.typed_x_sum)) chart.typed_x_sum = *s;
    chart.typed_a = qt(form.zxja).trimmed();

    return chart;
}

void shade_region(ContourChart& chart, const QRectF& area, int columns, int rows) {
    chart.region = QImage();
    chart.region_area = QRectF();
    const ShiftWindow& w = chart.contour.window;
    const QRectF within =
        area.normalized() & QRectF(QPointF(w.x1_min, w.x2_min), QPointF(w.x1_max, w.x2_max));
    if (!chart.plane || within.isEmpty() || columns < 1 || rows < 1) return;
    // The cells keep the size asked for over the part of the area within the window.
    const int nx = std::clamp(static_cast<int>(std::ceil(columns * within.width() / area.width())),
                              1, kMostShadingCells);
    const int ny = std::clamp(static_cast<int>(std::ceil(rows * within.height() / area.height())),
                              1, kMostShadingCells);
    const ShiftWindow cells_window{within.left(), within.right(), within.top(), within.bottom()};
    if (!is_valid_window(cells_window)) return;
    std::vector<std::vector<PlanePoint>> boundaries;
    for (const LimitCurve& c : chart.contour.curves) {
        if (c.limit == Limit::Sliding || c.limit == Limit::Centre) continue;  // bound nothing
        boundaries.insert(boundaries.end(), c.runs.begin(), c.runs.end());
    }
    const PlaneShading shading = plane_shading(*chart.plane, cells_window, nx, ny, boundaries);
    if (shading.columns < 1 || shading.rows < 1) return;
    chart.region = QImage(shading.columns, shading.rows, QImage::Format_ARGB32);
    chart.region_area = within;
    for (int j = 0; j < shading.rows; ++j) {
        for (int i = 0; i < shading.columns; ++i) {
            const PlaneCell cell = shading.at(i, j);
            const QColor c = cell == PlaneCell::Stops      ? kStopsFill
                             : cell == PlaneCell::Admissible ? kAdmissibleFill
                                                             : QColor(Qt::transparent);
            chart.region.setPixelColor(i, shading.rows - 1 - j, c);
        }
    }
}

QRectF chart_frame(const QRectF& area, double line) {
    return QRectF(QPointF(area.left() + line * 4.6, area.top() + line * 0.8),
                  QPointF(area.right() - line * 1.2, area.bottom() - line * 2.8));
}

PlotAxes chart_axes(const QRectF& frame, QPointF centre, double scale) {
    PlotAxes axes;
    axes.plot = frame;
    const double half_w = frame.width() / 2 / scale, half_h = frame.height() / 2 / scale;
    axes.x_lo = centre.x() - half_w;
    axes.x_hi = centre.x() + half_w;
    axes.y_lo = centre.y() - half_h;
    axes.y_hi = centre.y() + half_h;
    // One step both ways, so that the grid's cells are square; about a tick per 70
    // pixels.
    const double step = tick_step(std::max(half_w, half_h) * 2,
                                  std::max(2, static_cast<int>(std::max(frame.width(),
                                                                        frame.height()) / 70)));
    axes.x_step = axes.y_step = step;
    return axes;
}

double fitting_scale(const QRectF& frame, const ShiftWindow& window) {
    const double s = std::min(frame.width() / std::max(window.x1_max - window.x1_min, 1e-9),
                              frame.height() / std::max(window.x2_max - window.x2_min, 1e-9));
    return std::isfinite(s) && s > 0 ? s : 1;
}

void paint_contour_chart(QPainter& painter, const QRectF& area, const PlotAxes& axes,
                         const ContourChart& chart, const std::optional<ContourPick>& pick,
                         double text_px) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(plot_font(text_px));
    const double line = QFontMetricsF(painter.font()).height();
    if (!chart.drawable()) {
        painter.setPen(kFaultColour);
        painter.drawText(area.adjusted(line, line, -line, -line),
                         Qt::AlignCenter | Qt::TextWordWrap, chart.refusal);
        painter.restore();
        return;
    }
    paint_grid(painter, area, axes, line);
    paint_axis_captions(painter, area, axes, line, qt(msg::contour::kAxisX1),
                        qt(msg::contour::kAxisX2));

    const QRectF& frame = axes.plot;
    painter.setClipRect(frame);
    auto to_px = [&](double x1, double x2) { return axes.point(x1, x2); };
    const QRectF visible(QPointF(axes.x_lo, axes.y_lo), QPointF(axes.x_hi, axes.y_hi));

    // The region, its cells as they are (no smoothing that would spill them over the
    // curves).
    const ShiftWindow& w = chart.contour.window;
    const QRectF computed(to_px(w.x1_min, w.x2_max), to_px(w.x1_max, w.x2_min));
    if (!chart.region.isNull()) {
        const QRectF& r = chart.region_area;
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawImage(QRectF(to_px(r.left(), r.bottom()), to_px(r.right(), r.top())),
                          chart.region);
        painter.restore();
    }
    // Where the curves were sought, when the view reaches beyond it.
    if (!computed.contains(frame)) {
        painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(computed);
    }

    LabelPlaces places(frame.adjusted(2, 2, -2, -2));
    // Lines of constant centre distance across the view, thin, each named at its
    // upper-left end.
    ShiftWindow view_window{visible.left(), visible.right(), visible.top(), visible.bottom()};
    view_window.x1_min = std::max(view_window.x1_min, -kShiftLimit);
    view_window.x2_min = std::max(view_window.x2_min, -kShiftLimit);
    view_window.x1_max = std::min(view_window.x1_max, kShiftLimit);
    view_window.x2_max = std::min(view_window.x2_max, kShiftLimit);
    std::vector<CentreDistanceLine> lines;
    if (is_valid_window(view_window)) {
        const int about = std::clamp(static_cast<int>(frame.width() / 90), 3, 12);
        lines = centre_distance_lines(*chart.plane, view_window, about);
        // The typed one is the bold line already.
        if (chart.typed_x_sum) {
            std::erase_if(lines, [&](const CentreDistanceLine& l) {
                return std::abs(l.x_sum - *chart.typed_x_sum) < 1e-9;
            });
        }
    }
    painter.setPen(QPen(kConstantLine, std::max(0.6, text_px / 20)));
    // Each line between the window's edges, as the core found them.
    for (const CentreDistanceLine& l : lines) {
        painter.drawLine(to_px(l.from.x1, l.from.x2), to_px(l.to.x1, l.to.x2));
    }

    // The curves.
    std::array<std::vector<QPointF>, kLimitCount> shown;
    for (int k = 0; k < kLimitCount; ++k) {
        const LimitCurve& curve = chart.contour.curves[k];
        painter.setPen(curve_pen(k, text_px));
        for (const auto& run : curve.runs) {
            if (run.size() < 2) continue;
            QPainterPath path;
            path.moveTo(to_px(run.front().x1, run.front().x2));
            for (std::size_t i = 1; i < run.size(); ++i) path.lineTo(to_px(run[i].x1, run[i].x2));
            painter.drawPath(path);
            for (const PlanePoint& p : run) {
                const QPointF q = to_px(p.x1, p.x2);
                if (frame.contains(q)) shown[k].push_back(q);
            }
        }
    }

    // The marks: the splits of the typed centre distance, the typed point, the pick.
    const double mark = line * 0.75;
    struct Mark {
        const Outcome<PlanePoint>* at;
        LegendMark shape;
        const char* name;
    };
    const Mark marks[] = {{&chart.contour.dx1, LegendMark::Triangle, msg::contour::kSplitStrengthMark},
                          {&chart.contour.dx2, LegendMark::Square, msg::contour::kSplitNoiseMark},
                          {&chart.contour.current, LegendMark::Circle, msg::contour::kTypedMark}};
    // The typed point a ring round whatever split it may coincide with.
    for (int i = 2; i >= 0; --i) {
        const PlanePoint* p = point_of(*marks[i].at);
        if (!p) continue;
        const QPointF q = to_px(p->x1, p->x2);
        const bool typed = marks[i].shape == LegendMark::Circle;
        paint_marker(painter, marks[i].shape, q, typed ? mark * 1.7 : mark,
                     QPen(Qt::black, typed ? 1.6 : 1.0), typed ? QBrush() : QBrush(Qt::black));
        places.take(QRectF(q - QPointF(mark, mark), QSizeF(2 * mark, 2 * mark)));
    }
    if (pick) {
        const QPointF q = to_px(pick->at.x1, pick->at.x2);
        painter.setPen(QPen(kPickColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(q, mark * 0.9, mark * 0.9);
        painter.drawLine(q - QPointF(mark * 1.6, 0), q + QPointF(mark * 1.6, 0));
        painter.drawLine(q - QPointF(0, mark * 1.6), q + QPointF(0, mark * 1.6));
        places.take(QRectF(q - QPointF(mark * 1.6, mark * 1.6), QSizeF(3.2 * mark, 3.2 * mark)));
    }
    // Names: the marks' first, then the typed line, the curves, and last the lines
    // of constant centre distance where room is left.
    painter.setFont(plot_font(text_px * 0.92));
    for (const Mark& m : marks) {
        const PlanePoint* p = point_of(*m.at);
        if (!p) continue;
        label_curve(painter, places, {to_px(p->x1, p->x2)}, qt(m.name), Qt::black, line, mark * 0.6);
    }
    const int centre = static_cast<int>(Limit::Centre);
    label_curve(painter, places, shown[centre],
                qt(msg::contour::typed_line_label(chart.typed_a.toStdString())), Qt::black, line);
    for (int k = 0; k < kLimitCount; ++k) {
        if (k == centre) continue;
        label_curve(painter, places, shown[k], qt(msg::contour::kLimitLabels[k]),
                    kLooks[k].colour.darker(115), line);
    }
    painter.setFont(plot_font(text_px * 0.8));
    for (const CentreDistanceLine& l : lines) {
        const QPointF from = to_px(l.from.x1, l.from.x2);
        const QPointF to = to_px(l.to.x1, l.to.x2);
        std::vector<QPointF> along;
        for (int i = 1; i < 20; ++i) along.push_back(from + (to - from) * (i / 20.0));
        label_curve(painter, places, along,
                    qt(msg::contour::line_label(a_text(l.a).toStdString())), kConstantLine.darker(140),
                    line * 0.85);
    }
    painter.restore();
}

std::vector<LegendEntry> contour_legend(const ContourChart& chart) {
    std::vector<LegendEntry> entries;
    if (!chart.drawable()) return entries;
    for (int k = 0; k < kLimitCount; ++k) {
        const LimitCurve& c = chart.contour.curves[k];
        const bool any = std::any_of(c.runs.begin(), c.runs.end(),
                                     [](const auto& run) { return run.size() >= 2; });
        if (!any) continue;
        entries.push_back({qt(msg::contour::kLimitCaptions[k]), curve_pen(k, 13), {},
                           LegendMark::Line});
    }
    entries.push_back({qt(msg::contour::kConstantCentreDistance), QPen(kConstantLine, 1), {},
                       LegendMark::Line});
    entries.push_back({qt(msg::contour::kAdmissible), QPen(Qt::NoPen), QBrush(kAdmissibleFill),
                       LegendMark::Patch});
    entries.push_back({qt(msg::contour::kStopsThere), QPen(Qt::NoPen), QBrush(kStopsFill),
                       LegendMark::Patch});
    const std::pair<const Outcome<PlanePoint>*, std::pair<LegendMark, const char*>> marks[] = {
        {&chart.contour.dx1, {LegendMark::Triangle, msg::contour::kSplitStrength}},
        {&chart.contour.dx2, {LegendMark::Square, msg::contour::kSplitNoise}},
        {&chart.contour.current, {LegendMark::Circle, msg::contour::kTypedPoint}}};
    for (const auto& [at, look] : marks) {
        if (!point_of(*at)) continue;
        entries.push_back({qt(look.second), QPen(Qt::black, 1.2),
                           look.first == LegendMark::Circle ? QBrush() : QBrush(Qt::black),
                           look.first});
    }
    entries.push_back({qt(msg::contour::kPickedPoint), QPen(kPickColour, 2), {},
                       LegendMark::Circle});
    return entries;
}

void paint_contour_page(QPainter& painter, const QRectF& page, const ContourChart& chart,
                        const QRectF& visible, const std::optional<ContourPick>& pick) {
    const double text_px = page.width() / 70;
    painter.save();
    painter.setFont(plot_font(text_px * 1.3));
    const double title_line = QFontMetricsF(painter.font()).height();
    const double margin = page.width() * 0.05;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), title_line),
                     Qt::AlignCenter, qt(msg::contour::kWindowTitle));
    painter.setFont(plot_font(text_px));
    const double line = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(inner.left(), inner.top() + title_line * 1.2, inner.width(), line),
                     Qt::AlignCenter, chart.caption);
    const auto entries = contour_legend(chart);
    const double legend_h = legend_height(entries.size(), 2, line);
    const double top = inner.top() + title_line * 1.2 + line * 1.6;
    const double side = std::min(inner.width(), inner.bottom() - legend_h - line - top);
    const QRectF area(inner.left() + (inner.width() - side) / 2, top, side, side);
    const QRectF frame = chart_frame(area, line);
    const ShiftWindow shown{visible.left(), visible.right(), visible.top(), visible.bottom()};
    const PlotAxes axes = chart_axes(frame, visible.center(), fitting_scale(frame, shown));
    paint_contour_chart(painter, area, axes, chart, pick, text_px);
    painter.setFont(plot_font(text_px));
    paint_legend(painter, QRectF(inner.left(), area.bottom() + line, inner.width(), legend_h),
                 entries, 2, line);
    painter.restore();
}

}  // namespace gp
