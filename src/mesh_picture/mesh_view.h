// A zoomable, draggable view of a drawing in millimetres (y upwards): the wheel
// zooms about the cursor, dragging pans, a double click fits the whole drawing.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QWidget>
#include <functional>

namespace gp {

// How millimetres map to the pixels of a view: a scale and the point at the centre.
struct ViewPlace {
    QPointF centre;      // mm, at the middle of the view
    double scale = 1.0;  // pixels per mm

    // Millimetres (y up) to the pixels of an area of `size` (y down).
    QTransform to_pixels(const QSizeF& size) const;
    // The place at which `area` (mm) just fills `size` pixels.
    static ViewPlace fitting(const QRectF& area, const QSizeF& size);
};

class MeshView : public QWidget {
    Q_OBJECT

  public:
    // Paints the drawing in pixels, given the millimetre-to-pixel transform.
    using Painter = std::function<void(QPainter&, const QTransform&)>;

    explicit MeshView(QWidget* parent = nullptr);

    // `whole` is what fitting shows; `start` is shown first (and once the view
    // has its size).
    void set_drawing(Painter paint, const QRectF& whole, const QRectF& start);
    void fit();
    void zoom(double factor, QPointF about_pixel);

    const ViewPlace& place() const { return place_; }
    // The millimetre area now in view.
    QRectF visible_area() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Painter paint_;
    QRectF whole_;
    QRectF start_;
    bool placed_ = false;  // the start area has been fitted to the real size
    ViewPlace place_;
    QPointF drag_from_;
    bool dragging_ = false;
};

}  // namespace gp
