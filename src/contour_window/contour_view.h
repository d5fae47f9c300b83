// The shift plane on the screen: the plane view of the picture windows, with the
// chart's axes and their ticks following the view. Moving the mouse reports the plane's
// point under the cursor; a single click picks it (a double click only fits).
#pragma once

#include <QPointF>
#include <functional>

#include "plane_view.h"
#include "plot_axes.h"
#include "shift_plane.h"

namespace gp {

class ContourView : public PlaneView {
    Q_OBJECT

  public:
    // Paints the chart into the view's rectangle, given its axes.
    using Painter = std::function<void(QPainter&, const QRectF& area, const PlotAxes&)>;

    explicit ContourView(QWidget* parent = nullptr);

    void set_chart_painter(Painter paint);
    // What fitting shows: the plane's extent.
    void set_plane(const ShiftWindow& plane);

    QRectF frame() const override;
    // The axes as the view now shows the plane.
    PlotAxes axes() const;
    // The chart's type size, pixels (13 at the 视图 menu's 100 %).
    double text_px() const { return text_px_; }
    void set_text_px(double px);

  private:
    double text_px_ = 13;
};

}  // namespace gp
