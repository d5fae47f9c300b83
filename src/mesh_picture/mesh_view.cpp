#include "mesh_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace gp {

namespace {

// The painter's coordinates stay well within what its raster engine can take when
// no point of the drawing lies further than this from the view, in pixels.
constexpr double kLargestReach = 1e7;

}  // namespace

QTransform ViewPlace::to_pixels(const QSizeF& size) const {
    QTransform t;
    t.translate(size.width() / 2, size.height() / 2);
    t.scale(scale, -scale);
    t.translate(-centre.x(), -centre.y());
    return t;
}

ViewPlace ViewPlace::fitting(const QRectF& area, const QSizeF& size) {
    ViewPlace p;
    p.centre = area.center();
    const double w = std::max(area.width(), 1e-9);
    const double h = std::max(area.height(), 1e-9);
    p.scale = std::min(size.width() / w, size.height() / h);
    if (!std::isfinite(p.scale) || p.scale <= 0) p.scale = 1;
    return p;
}

MeshView::MeshView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setCursor(Qt::OpenHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MeshView::set_drawing(Painter paint, const QRectF& whole, const QRectF& start) {
    paint_ = std::move(paint);
    whole_ = whole;
    start_ = start;
    placed_ = false;
    place_ = ViewPlace::fitting(start_, size());
    update();
}

void MeshView::fit() {
    place_ = ViewPlace::fitting(whole_, size());
    placed_ = true;
    update();
}

void MeshView::zoom(double factor, QPointF about_pixel) {
    const QTransform t = place_.to_pixels(size());
    const QPointF fixed = t.inverted().map(about_pixel);
    // From a tenth of the whole drawing's fit to where its far edge would reach
    // beyond what the painter can take.
    const double extent = std::max({whole_.width(), whole_.height(), 1e-12});
    const double fit = ViewPlace::fitting(whole_, size()).scale;
    const double scale =
        std::clamp(place_.scale * factor, 0.1 * fit, std::max(fit, kLargestReach / extent));
    // The millimetre point under the cursor stays under it.
    const QPointF offset = about_pixel - QPointF(width() / 2.0, height() / 2.0);
    place_.scale = scale;
    place_.centre = QPointF(fixed.x() - offset.x() / scale, fixed.y() + offset.y() / scale);
    placed_ = true;
    update();
}

QRectF MeshView::visible_area() const {
    return place_.to_pixels(size()).inverted().mapRect(QRectF(rect()));
}

void MeshView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (paint_) paint_(painter, place_.to_pixels(size()));
}

void MeshView::resizeEvent(QResizeEvent*) {
    // Until the user moves the view, it shows the start area at whatever size the
    // window takes.
    if (!placed_) place_ = ViewPlace::fitting(start_, size());
}

void MeshView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) zoom(std::pow(1.25, steps), event->position());
    event->accept();
}

void MeshView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    drag_from_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void MeshView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPointF moved = event->position() - drag_from_;
    drag_from_ = event->position();
    place_.centre -= QPointF(moved.x() / place_.scale, -moved.y() / place_.scale);
    placed_ = true;
    update();
}

void MeshView::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}

void MeshView::mouseDoubleClickEvent(QMouseEvent*) { fit(); }

}  // namespace gp
