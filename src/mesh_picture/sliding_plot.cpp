#include "sliding_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "label_room.h"
#include "messages/mesh.h"
#include "plot_axes.h"
#include "plot_style.h"
#include "qt_text.h"

namespace gp {

namespace {

QString number(double v) {
    // −0 and tiny rounding noise print as 0.
    if (std::abs(v) < 5e-4) v = 0;
    return QString::number(v, 'f', 3).replace(QLatin1Char('-'), QChar(0x2212));
}

}  // namespace

void paint_sliding_plot(QPainter& painter, const QRectF& area, const SlidingCurves& curves,
                        double text_px, const std::vector<double>& contacts,
                        std::vector<QRectF>* labels) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(plot_font(text_px));
    const QFontMetricsF fm(painter.font());
    const double line = fm.height();

    const QRectF title_box(area.left(), area.top(), area.width(), line * 1.3);
    painter.setPen(Qt::black);
    painter.drawText(title_box, Qt::AlignCenter, QStringLiteral("滑动率（自啮合起点 A 至终点 E）"));

    const std::size_t n = std::min({curves.s.size(), curves.zeta1.size(), curves.zeta2.size()});
    if (n < 2) {
        painter.setPen(kFaultColour);
        painter.drawText(
            area.adjusted(line, line, -line, -line), Qt::AlignCenter | Qt::TextWordWrap,
            curves.refusal.isEmpty() ? qt(msg::mesh::kNoPathOfContact) : curves.refusal);
        painter.restore();
        return;
    }
    const double ae = curves.s[n - 1];

    // Value range: both curves, and 0 always in view.
    double lo = 0, hi = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (double z : {curves.zeta1[i], curves.zeta2[i]}) {
            if (std::isfinite(z)) {
                lo = std::min(lo, z);
                hi = std::max(hi, z);
            }
        }
    }
    if (hi - lo < 1e-9) hi = lo + 1;
    const double y_step = tick_step(hi - lo, 5);
    lo = std::floor(lo / y_step) * y_step;
    hi = std::ceil(hi / y_step) * y_step;
    const double x_step = tick_step(std::max(ae, 1e-9), 6);

    const double left = area.left() + fm.horizontalAdvance(QStringLiteral("−00.00")) + line * 1.6;
    const double right = area.right() - line * 0.8;
    const double top = title_box.bottom() + line * 1.2;
    const double bottom = area.bottom() - line * 2.6;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    if (plot.width() < 20 || plot.height() < 20) {
        painter.restore();
        return;
    }
    const PlotAxes axes{plot, 0, ae, x_step, lo, hi, y_step};
    auto px = [&](double s) { return axes.px(s); };
    auto py = [&](double z) { return axes.py(z); };

    paint_grid(painter, area, axes, line);
    painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), py(0)), QPointF(plot.right(), py(0)));
    paint_axis_captions(painter, area, axes, line, QStringLiteral("啮合线上距 A 点的长度 / mm"),
                        QStringLiteral("滑动率 ζ"));

    // The texts' room: the plot and the band above it for the marks.
    LabelRoom room(QRectF(QPointF(area.left(), plot.top() - line * 1.2),
                          QPointF(area.right(), plot.bottom() + 1)));
    // Legend first, top middle inside the plot.
    const QString names[2] = {QStringLiteral("ζ1 主动齿轮"), QStringLiteral("ζ2 从动齿轮")};
    const double legend_w = fm.horizontalAdvance(names[0]) + line * 2.2;
    const QRectF legend_box(plot.center().x() - legend_w / 2, plot.top() + line * 0.4, legend_w,
                            line * 2.1);
    room.take(legend_box);

    // The points of the path of contact.
    const std::pair<const char*, double> marks[] = {
        {"A", 0}, {"E", ae}, {"C", curves.c}, {"B", curves.b}, {"D", curves.d}};
    for (const auto& [name, s] : marks) {
        if (!(s >= -1e-9 && s <= ae + 1e-9)) continue;
        painter.setPen(QPen(QColor(120, 120, 120), 0, Qt::DotLine));
        painter.drawLine(QPointF(px(s), plot.top()), QPointF(px(s), plot.bottom()));
        const QString text = QString::fromLatin1(name);
        if (const auto box =
                room.place({text_box(fm, text, QPointF(px(s), plot.top() - line * 0.6))})) {
            painter.setPen(Qt::black);
            painter.drawText(*box, Qt::AlignCenter, text);
        }
    }

    // The curves.
    const QColor colours[2] = {kPinionColour, kWheelColour};
    const std::vector<double>* zetas[2] = {&curves.zeta1, &curves.zeta2};
    for (int g = 0; g < 2; ++g) {
        QPainterPath path;
        bool open = false;
        for (std::size_t i = 0; i < n; ++i) {
            const double z = (*zetas[g])[i];
            if (!std::isfinite(z)) {
                open = false;
                continue;
            }
            const QPointF p(px(curves.s[i]), py(z));
            if (open) {
                path.lineTo(p);
            } else {
                path.moveTo(p);
                open = true;
            }
        }
        painter.setPen(QPen(colours[g], 2 * text_px / 13));
        painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
        painter.drawPath(path);
        painter.setClipping(false);
    }

    // Where the teeth touch now, on both curves.
    for (double s : contacts) {
        if (!(s >= -1e-9 && s <= ae + 1e-9)) continue;
        const auto at = std::lower_bound(curves.s.begin(), curves.s.begin() + n, s);
        const std::size_t i = std::min<std::size_t>(at - curves.s.begin(), n - 1);
        const std::size_t h = i == 0 ? 0 : i - 1;
        const double span = curves.s[i] - curves.s[h];
        const double f = span > 0 ? (s - curves.s[h]) / span : 0;
        painter.setPen(QPen(QColor(255, 140, 0), 1.5 * text_px / 13));
        painter.drawLine(QPointF(px(s), plot.top()), QPointF(px(s), plot.bottom()));
        for (int g = 0; g < 2; ++g) {
            const double z = (*zetas[g])[h] + f * ((*zetas[g])[i] - (*zetas[g])[h]);
            if (!std::isfinite(z)) continue;
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(QColor(255, 170, 0));
            painter.drawEllipse(QPointF(px(s), py(std::clamp(z, lo, hi))), line * 0.28, line * 0.28);
            painter.setBrush(Qt::NoBrush);
        }
    }

    // The extreme values, at A (left, inside the plot) and at E (right), each on the
    // side its curve leaves free, or as near it as the other texts allow.
    auto value_at = [&](int g, std::size_t i) { return (*zetas[g])[i]; };
    for (int g = 0; g < 2; ++g) {
        const QString name = g == 0 ? QStringLiteral("ζ1") : QStringLiteral("ζ2");
        const double za = value_at(g, 0);
        const double ze = value_at(g, n - 1);
        const bool rises_from_a = value_at(g, 1) > za;
        const bool rises_into_e = ze > value_at(g, n - 2);
        const struct {
            QString text;
            double y;  // top of the preferred line
            double step;
            bool left;
        } values[] = {
            {name + QStringLiteral("(A) = ") + number(za),
             py(za) + (rises_from_a ? line * 0.2 : -line * 1.2), rises_from_a ? 1.0 : -1.0, true},
            {name + QStringLiteral("(E) = ") + number(ze),
             py(ze) + (rises_into_e ? -line * 1.2 : line * 0.2), rises_into_e ? -1.0 : 1.0, false},
        };
        for (const auto& v : values) {
            const double w = fm.horizontalAdvance(v.text) + 2;
            const double x = v.left ? plot.left() + line * 0.3 : plot.right() - line * 0.3 - w;
            std::vector<QRectF> candidates;
            for (int k = 0; k < 12; ++k) {
                for (double dir : {1.0, -1.0}) {
                    const double y = std::clamp(v.y + dir * v.step * k * line, plot.top(),
                                                plot.bottom() - line);
                    candidates.emplace_back(x, y, w, line);
                    if (k == 0) break;
                }
            }
            if (const auto box = room.place(candidates)) {
                painter.setPen(colours[g]);
                painter.drawText(*box, Qt::AlignLeft | Qt::AlignVCenter, v.text);
            }
        }
    }

    // The legend.
    for (int g = 0; g < 2; ++g) {
        const double y = legend_box.top() + line * 1.1 * g + line / 2;
        const double x = legend_box.left();
        painter.setPen(QPen(colours[g], 2 * text_px / 13));
        painter.drawLine(QPointF(x, y), QPointF(x + line * 1.4, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + line * 1.7, y - line / 2, legend_w, line),
                         Qt::AlignLeft | Qt::AlignVCenter, names[g]);
    }
    if (labels) *labels = room.taken();
    painter.restore();
}

SlidingPlot::SlidingPlot(QWidget* parent) : QWidget(parent) { setMinimumSize(280, 200); }

void SlidingPlot::set_curves(SlidingCurves curves) {
    curves_ = std::move(curves);
    update();
}

void SlidingPlot::set_contacts(std::vector<double> contacts) {
    contacts_ = std::move(contacts);
    update();
}

void SlidingPlot::set_text_size(double pixels) {
    text_px_ = pixels;
    setMinimumSize(static_cast<int>(280 * pixels / 13), static_cast<int>(200 * pixels / 13));
    update();
}

void SlidingPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint_sliding_plot(painter, QRectF(rect()).adjusted(4, 4, -4, -4), curves_, text_px_,
                       contacts_, &labels_);
}

}  // namespace gp
