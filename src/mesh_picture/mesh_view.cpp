#include "mesh_view.h"

namespace gp {

MeshView::MeshView(QWidget* parent) : PlaneView(parent) { setMinimumSize(320, 240); }

void MeshView::set_drawing(Painter paint, const QRectF& whole, const QRectF& start) {
    set_painter([this, paint = std::move(paint)](QPainter& painter) { paint(painter, to_pixels()); });
    set_whole(whole);
    show_first(start);
}

}  // namespace gp
