#include "sliding_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "messages.h"
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
                        double text_px) {
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

    // The points of the path of contact.
    const std::pair<const char*, double> marks[] = {
        {"A", 0}, {"B", curves.b}, {"C", curves.c}, {"D", curves.d}, {"E", ae}};
    for (const auto& [name, s] : marks) {
        if (!(s >= -1e-9 && s <= ae + 1e-9)) continue;
        painter.setPen(QPen(QColor(120, 120, 120), 0, Qt::DotLine));
        painter.drawLine(QPointF(px(s), plot.top()), QPointF(px(s), plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px(s) - line, plot.top() - line * 1.1, line * 2, line),
                         Qt::AlignCenter, QString::fromLatin1(name));
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

    // The extreme values, at A (left, inside the plot) and at E (right).
    auto value_at = [&](int g, std::size_t i) { return (*zetas[g])[i]; };
    for (int g = 0; g < 2; ++g) {
        painter.setPen(colours[g]);
        const QString name = g == 0 ? QStringLiteral("ζ1") : QStringLiteral("ζ2");
        const double za = value_at(g, 0);
        const double ze = value_at(g, n - 1);
        // Each value on the side its curve leaves free: below where the curve
        // climbs away from A or falls into E, above otherwise.
        const bool rises_from_a = value_at(g, 1) > za;
        const bool rises_into_e = ze > value_at(g, n - 2);
        const double ya = std::clamp(py(za) + (rises_from_a ? line * 0.2 : -line * 1.2), plot.top(),
                                     plot.bottom() - line);
        const double ye = std::clamp(py(ze) + (rises_into_e ? -line * 1.2 : line * 0.2), plot.top(),
                                     plot.bottom() - line);
        painter.drawText(QRectF(plot.left() + line * 0.3, ya, plot.width() / 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         name + QStringLiteral("(A) = ") + number(za));
        painter.drawText(QRectF(plot.center().x(), ye, plot.width() / 2 - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         name + QStringLiteral("(E) = ") + number(ze));
    }

    // Legend, top right inside the plot.
    const QString names[2] = {QStringLiteral("ζ1 主动齿轮"), QStringLiteral("ζ2 从动齿轮")};
    const double legend_w = fm.horizontalAdvance(names[0]) + line * 2.2;
    for (int g = 0; g < 2; ++g) {
        const double y = plot.top() + line * (0.4 + 1.1 * g) + line / 2;
        const double x = plot.center().x() - legend_w / 2;
        painter.setPen(QPen(colours[g], 2 * text_px / 13));
        painter.drawLine(QPointF(x, y), QPointF(x + line * 1.4, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + line * 1.7, y - line / 2, legend_w, line),
                         Qt::AlignLeft | Qt::AlignVCenter, names[g]);
    }
    painter.restore();
}

SlidingPlot::SlidingPlot(QWidget* parent) : QWidget(parent) { setMinimumSize(280, 200); }

void SlidingPlot::set_curves(SlidingCurves curves) {
    curves_ = std::move(curves);
    update();
}

void SlidingPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint_sliding_plot(painter, QRectF(rect()).adjusted(4, 4, -4, -4), curves_, 13);
}

}  // namespace gp
