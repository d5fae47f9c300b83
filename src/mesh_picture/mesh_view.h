// The mesh picture's view of its drawing in millimetres (y upwards): the plane view
// of the picture windows, opening on the contact zone; a double click or 适合窗口
// shows the whole pair.
#pragma once

#include <QRectF>
#include <QTransform>
#include <functional>

#include "plane_view.h"

namespace gp {

class MeshView : public PlaneView {
    Q_OBJECT

  public:
    // Paints the drawing in pixels, given the millimetre-to-pixel transform.
    using Painter = std::function<void(QPainter&, const QTransform&)>;

    explicit MeshView(QWidget* parent = nullptr);

    // `whole` is what fitting shows; `start` is shown first (and once the view
    // has its size).
    void set_drawing(Painter paint, const QRectF& whole, const QRectF& start);

    // The millimetre area now in view.
    QRectF visible_area() const { return visible_plane(); }
};

}  // namespace gp
