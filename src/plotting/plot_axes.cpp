#include "plot_axes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace gp {

namespace {

// The first multiple of `step` from `lo` up: a range need not start on a tick.
double first_tick(double lo, double step) { return std::ceil(lo / step - 1e-6) * step; }

}  // namespace

double tick_step(double range, int ticks) {
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * power >= raw) return f * power;
    }
    return 10 * power;
}

QString tick_text(double v, double step) {
    if (std::abs(v) < step * 1e-6) v = 0;
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return QString::number(v, 'f', decimals).replace(QLatin1Char('-'), QChar(0x2212));
}

double PlotAxes::px(double x) const {
    return plot.left() + (x - x_lo) / std::max(x_hi - x_lo, 1e-12) * plot.width();
}

double PlotAxes::py(double y) const {
    return plot.bottom() - (std::clamp(y, y_lo, y_hi) - y_lo) / (y_hi - y_lo) * plot.height();
}

QPointF PlotAxes::point(double x, double y) const {
    return {px(x), plot.bottom() - (y - y_lo) / std::max(y_hi - y_lo, 1e-12) * plot.height()};
}

QPointF PlotAxes::value_at(QPointF pixel) const {
    return {x_lo + (pixel.x() - plot.left()) / std::max(plot.width(), 1e-12) * (x_hi - x_lo),
            y_lo + (plot.bottom() - pixel.y()) / std::max(plot.height(), 1e-12) * (y_hi - y_lo)};
}

void paint_grid(QPainter& painter, const QRectF& area, const PlotAxes& axes, double line) {
    const QRectF& plot = axes.plot;
    const QPen grid(QColor(225, 225, 225), 0);
    for (double y = first_tick(axes.y_lo, axes.y_step); y <= axes.y_hi + axes.y_step * 1e-6;
         y += axes.y_step) {
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), axes.py(y)), QPointF(plot.right(), axes.py(y)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), axes.py(y) - line / 2,
                                plot.left() - area.left() - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, tick_text(y, axes.y_step));
    }
    for (double x = first_tick(axes.x_lo, axes.x_step); x <= axes.x_hi + axes.x_step * 1e-6;
         x += axes.x_step) {
        painter.setPen(grid);
        painter.drawLine(QPointF(axes.px(x), plot.top()), QPointF(axes.px(x), plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(axes.px(x) - line * 2, plot.bottom() + line * 0.2, line * 4, line),
                         Qt::AlignHCenter | Qt::AlignTop, tick_text(x, axes.x_step));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot);
}

namespace {

// Where a caption goes along an axis: along the plot's side while it fits it, else
// along the whole area's side and, where even that is short (a large zoom on a
// small screen), in a type small enough to be read whole. Sets the painter's type.
struct CaptionRoom {
    double length;
    double middle;
};
CaptionRoom fit_caption(QPainter& painter, const QString& text, double plot_from, double plot_to,
                        double area_from, double area_to) {
    const double wide = painter.fontMetrics().horizontalAdvance(text);
    if (wide <= plot_to - plot_from) return {plot_to - plot_from, (plot_from + plot_to) / 2};
    const double room = area_to - area_from;
    if (wide > room && room > 0) {
        QFont smaller = painter.font();
        const double scale = room / wide;
        if (smaller.pixelSize() > 0) {
            smaller.setPixelSize(std::max(1, static_cast<int>(smaller.pixelSize() * scale)));
        } else {
            smaller.setPointSizeF(smaller.pointSizeF() * scale);
        }
        painter.setFont(smaller);
    }
    return {room, (area_from + area_to) / 2};
}

}  // namespace

void paint_axis_captions(QPainter& painter, const QRectF& area, const PlotAxes& axes, double line,
                         const QString& x_caption, const QString& y_caption) {
    const QRectF& plot = axes.plot;
    painter.setPen(Qt::black);
    painter.save();
    const CaptionRoom x =
        fit_caption(painter, x_caption, plot.left(), plot.right(), area.left(), area.right());
    painter.drawText(QRectF(x.middle - x.length / 2, plot.bottom() + line * 1.3, x.length, line),
                     Qt::AlignHCenter | Qt::AlignTop, x_caption);
    painter.restore();
    painter.save();
    const CaptionRoom y =
        fit_caption(painter, y_caption, plot.top(), plot.bottom(), area.top(), area.bottom());
    painter.translate(area.left() + line * 0.1, y.middle);
    painter.rotate(-90);
    painter.drawText(QRectF(-y.length / 2, 0, y.length, line), Qt::AlignCenter, y_caption);
    painter.restore();
}

}  // namespace gp
