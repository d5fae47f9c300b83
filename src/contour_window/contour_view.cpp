#include "contour_view.h"

#include <QFontMetricsF>

#include "contour_chart.h"
#include "plot_style.h"

namespace gp {

namespace {

// A view a thousandth of a coefficient across is as close as the plane is looked at.
constexpr double kFinestSpan = 1e-3;
// Room round the chart, pixels.
constexpr double kMargin = 4;

}  // namespace

ContourView::ContourView(QWidget* parent) : PlaneView(parent) {
    setMinimumSize(360, 300);
    set_picking(true);
    set_finest_span(kFinestSpan);
    set_plane(ShiftWindow{});
    fit();
}

void ContourView::set_chart_painter(Painter paint) {
    set_painter([this, paint = std::move(paint)](QPainter& painter) {
        paint(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin), axes());
    });
}

void ContourView::set_plane(const ShiftWindow& plane) {
    set_whole(QRectF(QPointF(plane.x1_min, plane.x2_min), QPointF(plane.x1_max, plane.x2_max)));
}

QRectF ContourView::frame() const {
    return chart_frame(QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin),
                       QFontMetricsF(plot_font(text_px_)).height());
}

PlotAxes ContourView::axes() const { return chart_axes(frame(), place().centre, place().scale); }

void ContourView::set_text_px(double px) {
    text_px_ = px;
    frame_changed();
}

}  // namespace gp
