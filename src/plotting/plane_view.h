// A zoomable, draggable view of a plane (y upwards) for the picture windows: the
// wheel zooms about the cursor, dragging pans, a double click (or fit()) shows the
// whole plane again; moving the mouse and a single click report the plane's point
// under the cursor. Zooming and panning change the view only, never what it shows.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QWidget>
#include <functional>

class QTimer;

namespace gp {

// How the plane's units map to the pixels of a frame: the plane's point at the
// frame's middle and a scale, the same both ways.
struct ViewPlace {
    QPointF centre;      // plane units, at the middle of the frame
    double scale = 1.0;  // pixels per unit

    // The plane (y up) to the pixels of `frame` (y down).
    QTransform to_pixels(const QRectF& frame) const;
    // ... of a frame of `size` at the origin.
    QTransform to_pixels(const QSizeF& size) const { return to_pixels(QRectF(QPointF(), size)); }
    // The place at which `area` just fills a frame of `size` pixels.
    static ViewPlace fitting(const QRectF& area, const QSizeF& size);
};

class PlaneView : public QWidget {
    Q_OBJECT

  public:
    // Paints the plane into the view; the view's transform and frame say where.
    using Painter = std::function<void(QPainter&)>;

    explicit PlaneView(QWidget* parent = nullptr);

    void set_painter(Painter paint) { paint_ = std::move(paint); }
    // What fitting shows (plane units; the rectangle's top is its least y).
    void set_whole(const QRectF& whole);
    const QRectF& whole() const { return whole_; }
    // What the view shows until the user moves it or fits it: `start`.
    void show_first(const QRectF& start);
    // The whole plane, and so at any size until the user moves the view.
    void fit();
    void zoom(double factor, QPointF about_pixel);
    void pan(QPointF pixels);

    const ViewPlace& place() const { return place_; }
    // The user has moved the view since it was last fitted or started.
    bool placed() const { return placed_; }
    // The narrowest span of the plane the view may show across its frame.
    void set_finest_span(double units) { finest_span_ = units; }
    // Whether a single click is reported (as clicked(), once a double click can no
    // longer follow it) and the cursor is a cross rather than a hand.
    void set_picking(bool picking);

    // The rectangle of the widget the plane is drawn in.
    virtual QRectF frame() const { return QRectF(rect()); }
    QTransform to_pixels() const { return place_.to_pixels(frame()); }
    QPointF pixel_of(double x, double y) const { return to_pixels().map(QPointF(x, y)); }
    QPointF plane_at(QPointF pixel) const { return to_pixels().inverted().map(pixel); }
    // The plane's rectangle now in the frame.
    QRectF visible_plane() const;

  signals:
    void hovered(QPointF plane);
    void clicked(QPointF plane, QPointF pixel);
    // The view moved or was fitted or resized: what depends on its resolution is due.
    void viewChanged();

  protected:
    // The frame changed other than by a resize (its margins): a view at rest shows
    // what it rested on again.
    void frame_changed();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void moved_by_user();
    Qt::CursorShape rest_cursor() const;

    Painter paint_;
    QRectF whole_{-1, -1, 2, 2};
    QRectF start_{-1, -1, 2, 2};
    bool fitted_ = false;  // what rests unmoved is the whole rather than the start
    bool placed_ = false;
    ViewPlace place_;
    double finest_span_ = 0;
    bool picking_ = false;
    QPointF press_at_, drag_from_;
    bool dragging_ = false;
    bool moved_ = false;
    bool second_press_ = false;  // the press of a double click: its release picks nothing
    QTimer* click_ = nullptr;    // a single click waits out the double-click interval
    QPointF click_plane_, click_pixel_;
};

}  // namespace gp
