#include "contour_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "contour_chart.h"
#include "plot_style.h"

namespace gp {

namespace {

// A press and release closer than this, in pixels, is a click rather than a drag.
constexpr double kClickSlack = 4;

}  // namespace

ContourView::ContourView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 300);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF ContourView::frame() const {
    return chart_frame(QRectF(rect()).adjusted(4, 4, -4, -4),
                       QFontMetricsF(plot_font(text_px_)).height());
}

PlotAxes ContourView::axes() const { return chart_axes(frame(), centre_, scale_); }

QRectF ContourView::visible_plane() const {
    const PlotAxes a = axes();
    return QRectF(QPointF(a.x_lo, a.y_lo), QPointF(a.x_hi, a.y_hi));
}

void ContourView::fit() {
    centre_ = QPointF((whole_.x1_min + whole_.x1_max) / 2, (whole_.x2_min + whole_.x2_max) / 2);
    scale_ = fitting_scale(frame(), whole_);
    update();
}

void ContourView::zoom(double factor, QPointF about_pixel) {
    const QPointF fixed = plane_at(about_pixel);
    const double fit = fitting_scale(frame(), whole_);
    // From a tenth of the fit to a view a thousandth of a unit across.
    const double scale = std::clamp(scale_ * factor, 0.1 * fit, std::max(fit, frame().width() * 1e3));
    // The plane's point under the cursor stays under it.
    const QPointF offset = about_pixel - frame().center();
    scale_ = scale;
    centre_ = QPointF(fixed.x() - offset.x() / scale, fixed.y() + offset.y() / scale);
    placed_ = true;
    update();
}

void ContourView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (paint_) paint_(painter, QRectF(rect()).adjusted(4, 4, -4, -4), axes());
}

void ContourView::resizeEvent(QResizeEvent*) {
    // Until the user moves the view, it shows the whole window at whatever size.
    if (!placed_) fit();
}

void ContourView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) zoom(std::pow(1.25, steps), event->position());
    event->accept();
}

void ContourView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    moved_ = false;
    press_at_ = drag_from_ = event->position();
}

void ContourView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        if (frame().contains(event->position())) emit hovered(plane_at(event->position()));
        return;
    }
    if (!moved_ && QLineF(press_at_, event->position()).length() <= kClickSlack) return;
    if (!moved_) setCursor(Qt::ClosedHandCursor);
    moved_ = true;
    const QPointF moved = event->position() - drag_from_;
    drag_from_ = event->position();
    centre_ -= QPointF(moved.x() / scale_, -moved.y() / scale_);
    placed_ = true;
    update();
}

void ContourView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return;
    dragging_ = false;
    setCursor(Qt::CrossCursor);
    if (!moved_ && frame().contains(event->position()))
        emit clicked(plane_at(event->position()), event->position());
}

void ContourView::mouseDoubleClickEvent(QMouseEvent*) {
    placed_ = false;
    fit();
}

}  // namespace gp
