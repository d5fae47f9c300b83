#include "plane_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace gp {

namespace {

// The painter's coordinates stay well within what its raster engine can take when
// no point of the whole plane lies further than this from the view, in pixels.
constexpr double kLargestReach = 1e7;
// A press and release closer than this, in pixels, is a click rather than a drag.
constexpr double kClickSlack = 4;
// One notch of the wheel.
constexpr double kWheelStep = 1.25;

}  // namespace

QTransform ViewPlace::to_pixels(const QRectF& frame) const {
    QTransform t;
    t.translate(frame.center().x(), frame.center().y());
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

PlaneView::PlaneView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(rest_cursor());
    click_ = new QTimer(this);
    click_->setSingleShot(true);
    connect(click_, &QTimer::timeout, this, [this] { emit clicked(click_plane_, click_pixel_); });
}

void PlaneView::set_picking(bool picking) {
    picking_ = picking;
    setMouseTracking(picking);
    setCursor(rest_cursor());
}

Qt::CursorShape PlaneView::rest_cursor() const {
    return picking_ ? Qt::CrossCursor : Qt::OpenHandCursor;
}

void PlaneView::set_whole(const QRectF& whole) {
    whole_ = whole;
    if (!placed_ && fitted_) frame_changed();  // a view at rest on the whole follows it
}

void PlaneView::show_first(const QRectF& start) {
    start_ = start;
    fitted_ = placed_ = false;
    place_ = ViewPlace::fitting(start_, frame().size());
    update();
    emit viewChanged();
}

void PlaneView::fit() {
    click_->stop();
    place_ = ViewPlace::fitting(whole_, frame().size());
    fitted_ = true;
    placed_ = false;
    update();
    emit viewChanged();
}

void PlaneView::zoom(double factor, QPointF about_pixel) {
    const QPointF fixed = plane_at(about_pixel);
    const QSizeF size = frame().size();
    // From a tenth of the whole plane's fit to where its far edge would reach beyond
    // what the painter can take, or to the finest span across.
    const double extent = std::max({whole_.width(), whole_.height(), 1e-12});
    const double fit = ViewPlace::fitting(whole_, size).scale;
    double largest = kLargestReach / extent;
    if (finest_span_ > 0) largest = std::min(largest, size.width() / finest_span_);
    const double scale = std::clamp(place_.scale * factor, 0.1 * fit, std::max(fit, largest));
    // The plane's point under the cursor stays under it.
    const QPointF offset = about_pixel - frame().center();
    place_.scale = scale;
    place_.centre = QPointF(fixed.x() - offset.x() / scale, fixed.y() + offset.y() / scale);
    moved_by_user();
}

void PlaneView::pan(QPointF pixels) {
    place_.centre -= QPointF(pixels.x() / place_.scale, -pixels.y() / place_.scale);
    moved_by_user();
}

void PlaneView::moved_by_user() {
    placed_ = true;
    update();
    emit viewChanged();
}

QRectF PlaneView::visible_plane() const {
    return to_pixels().inverted().mapRect(frame()).normalized();
}

void PlaneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (paint_) paint_(painter);
}

void PlaneView::resizeEvent(QResizeEvent*) { frame_changed(); }

void PlaneView::frame_changed() {
    // Until the user moves the view, it shows the same rectangle at whatever size.
    if (!placed_) place_ = ViewPlace::fitting(fitted_ ? whole_ : start_, frame().size());
    update();
    emit viewChanged();
}

void PlaneView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) zoom(std::pow(kWheelStep, steps), event->position());
    event->accept();
}

void PlaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // A second press while the first click waits is the start of a double click.
    second_press_ = click_->isActive();
    if (second_press_) {
        fit();
        return;
    }
    dragging_ = true;
    moved_ = false;
    press_at_ = drag_from_ = event->position();
    if (!picking_) setCursor(Qt::ClosedHandCursor);
}

void PlaneView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        if (frame().contains(event->position())) emit hovered(plane_at(event->position()));
        return;
    }
    if (!moved_ && QLineF(press_at_, event->position()).length() <= kClickSlack) return;
    if (!moved_) setCursor(Qt::ClosedHandCursor);
    moved_ = true;
    const QPointF by = event->position() - drag_from_;
    drag_from_ = event->position();
    pan(by);
}

void PlaneView::mouseReleaseEvent(QMouseEvent* event) {
    if (second_press_) {
        second_press_ = false;
        return;
    }
    if (!dragging_) return;
    dragging_ = false;
    setCursor(rest_cursor());
    if (picking_ && !moved_ && frame().contains(event->position())) {
        click_plane_ = plane_at(event->position());
        click_pixel_ = event->position();
        click_->start(QApplication::doubleClickInterval());
    }
}

void PlaneView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    second_press_ = true;
    dragging_ = false;
    fit();
}

}  // namespace gp
