// Axes of a chart: a grid at round steps, tick labels left of and below the plotting
// frame, the frame, and a caption for each axis.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace gp {

// A round tick step (1, 2 or 5 times a power of ten) giving about `ticks` ticks.
double tick_step(double range, int ticks);

// A tick's label: as many decimals as the step needs, −0 as 0, a true minus sign.
QString tick_text(double v, double step);

// The frame `plot` (pixels) showing x_lo … x_hi across and y_lo … y_hi upwards, ticks
// at the multiples of x_step and y_step.
struct PlotAxes {
    QRectF plot;
    double x_lo = 0, x_hi = 1, x_step = 1;
    double y_lo = 0, y_hi = 1, y_step = 1;

    // Pixels of a value; y values beyond the range stay on the frame's edge.
    double px(double x) const;
    double py(double y) const;
    // Pixels of a point, y not held to the range (for curves clipped to the frame),
    // and the values at a pixel.
    QPointF point(double x, double y) const;
    QPointF value_at(QPointF pixel) const;
};

// The grid lines with their tick labels and then the frame, in the painter's font;
// `area` is the whole chart, `line` its line height. The y labels stand right-aligned
// between area's left edge and the frame.
void paint_grid(QPainter& painter, const QRectF& area, const PlotAxes& axes, double line);

// The x caption centred below the tick labels, the y caption turned upright along
// area's left edge.
void paint_axis_captions(QPainter& painter, const QRectF& area, const PlotAxes& axes, double line,
                         const QString& x_caption, const QString& y_caption);

}  // namespace gp
