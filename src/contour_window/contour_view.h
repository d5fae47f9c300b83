// The shift plane on the screen: the wheel zooms about the cursor, dragging pans, a
// double click fits the computed window, as the mesh picture's view does, but with
// the axes and their ticks following the view. Moving the mouse and clicking report
// the plane's point under the cursor.
#pragma once

#include <QPointF>
#include <QWidget>
#include <functional>

#include "plot_axes.h"
#include "shift_plane.h"

namespace gp {

class ContourView : public QWidget {
    Q_OBJECT

  public:
    // Paints the chart into the view's rectangle, given its axes.
    using Painter = std::function<void(QPainter&, const QRectF& area, const PlotAxes&)>;

    explicit ContourView(QWidget* parent = nullptr);

    void set_painter(Painter paint) { paint_ = std::move(paint); }
    // What fitting shows.
    void set_whole(const ShiftWindow& whole) { whole_ = whole; }
    void fit();
    void zoom(double factor, QPointF about_pixel);

    // The axes as the view now shows the plane.
    PlotAxes axes() const;
    // The plane's rectangle now in view (x1 across, x2 up).
    QRectF visible_plane() const;
    // The pixel of a plane point and the plane point of a pixel.
    QPointF pixel_of(double x1, double x2) const { return axes().point(x1, x2); }
    QPointF plane_at(QPointF pixel) const { return axes().value_at(pixel); }
    // The chart's type size, pixels (13 at the 视图 menu's 100 %).
    double text_px() const { return text_px_; }
    void set_text_px(double px) {
        text_px_ = px;
        if (!placed_) fit();
        update();
    }

  signals:
    void hovered(QPointF plane);
    void clicked(QPointF plane, QPointF pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QRectF frame() const;

    Painter paint_;
    ShiftWindow whole_;
    QPointF centre_{0.5, 0.5};  // the plane's point at the frame's middle
    double scale_ = 100;        // pixels per unit of x
    bool placed_ = false;       // the user has moved the view
    QPointF press_at_;
    QPointF drag_from_;
    bool dragging_ = false;
    bool moved_ = false;
    double text_px_ = 13;
};

}  // namespace gp
