#include "mesh_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace gp {

namespace {

// Zoom limits, pixels per mm: from a 10-metre wheel on a screen to a micron.
constexpr double kMinScale = 1e-3;
constexpr double kMaxScale = 1e5;

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
    p.scale = std::clamp(std::min(size.width() / w, size.height() / h), kMinScale, kMaxScale);
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
    const double scale = std::clamp(place_.scale * factor, kMinScale, kMaxScale);
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
