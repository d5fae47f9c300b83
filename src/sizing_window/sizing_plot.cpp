#include "sizing_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plot_axes.h"
#include "qt_text.h"

namespace gp {

using sizing::Column;

SizingPlot::SizingPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 200);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SizingPlot::set_rows(const std::vector<sizing::Variant>* rows, std::vector<std::size_t> shown) {
    rows_ = rows;
    shown_ = std::move(shown);
    if (selected_ && (!rows_ || *selected_ >= rows_->size())) selected_.reset();
    refresh_front();
}

void SizingPlot::set_axes(Column x, Column y) {
    x_ = x;
    y_ = y;
    refresh_front();
}

void SizingPlot::set_selected(std::optional<std::size_t> row) {
    selected_ = rows_ && row && *row < rows_->size() ? row : std::nullopt;
    update();
}

void SizingPlot::set_text_px(double px) {
    text_px_ = px;
    update();
}

void SizingPlot::refresh_front() {
    front_.clear();
    if (rows_) {
        std::vector<sizing::Variant> in_view;
        for (const std::size_t k : shown_) in_view.push_back((*rows_)[k]);
        for (const std::size_t k : sizing::pareto_front(in_view, x_, y_)) front_.push_back(shown_[k]);
    }
    update();
}

void SizingPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(text_px_))));
    painter.setFont(font);
    drawn_.clear();
    const double line = text_px_ * 1.3;
    const QRectF area = QRectF(rect()).adjusted(4, 4, -8, -4);
    // The range of the points in view, a little wider.
    double x_lo = HUGE_VAL, x_hi = -HUGE_VAL, y_lo = HUGE_VAL, y_hi = -HUGE_VAL;
    const auto values = [&](std::size_t k) {
        return std::pair{sizing::value_of((*rows_)[k], x_), sizing::value_of((*rows_)[k], y_)};
    };
    if (rows_) {
        for (const std::size_t k : shown_) {
            const auto [x, y] = values(k);
            if (!x || !y) continue;
            x_lo = std::min(x_lo, *x), x_hi = std::max(x_hi, *x);
            y_lo = std::min(y_lo, *y), y_hi = std::max(y_hi, *y);
        }
    }
    if (!(x_lo <= x_hi)) x_lo = 0, x_hi = 1, y_lo = 0, y_hi = 1;
    const auto widen = [](double& lo, double& hi) {
        const double pad = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::fabs(lo) * 0.05);
        lo -= pad, hi += pad;
    };
    widen(x_lo, x_hi);
    widen(y_lo, y_hi);
    PlotAxes axes;
    axes.plot = area.adjusted(line * 4.5, line * 0.5, 0, -line * 2.6);
    axes.x_lo = x_lo, axes.x_hi = x_hi, axes.x_step = tick_step(x_hi - x_lo, 6);
    axes.y_lo = y_lo, axes.y_hi = y_hi, axes.y_step = tick_step(y_hi - y_lo, 6);
    painter.setPen(QPen(palette().color(QPalette::Mid), 0));
    paint_grid(painter, area, axes, line);
    paint_axis_captions(painter, area, axes, line, qt(sizing::column_info(x_).caption),
                        qt(sizing::column_info(y_).caption));
    if (!rows_) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 110, 110, 150));
    const double r = std::max(2.0, text_px_ / 5);
    for (const std::size_t k : shown_) {
        const auto [x, y] = values(k);
        if (!x || !y) continue;
        const QPointF p = axes.point(*x, *y);
        drawn_.emplace_back(p, k);
        painter.drawEllipse(p, r, r);
    }
    // The front from the best x on, joined in the order of x.
    std::vector<QPointF> front;
    for (const std::size_t k : front_) {
        const auto [x, y] = values(k);
        front.push_back(axes.point(*x, *y));
    }
    std::sort(front.begin(), front.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    painter.setPen(QPen(QColor(200, 30, 30), 1.5));
    painter.setBrush(QColor(200, 30, 30));
    if (front.size() > 1) painter.drawPolyline(front.data(), static_cast<int>(front.size()));
    for (const QPointF& p : front) painter.drawEllipse(p, r * 1.4, r * 1.4);
    if (selected_) {
        const auto [x, y] = values(*selected_);
        if (x && y) {
            painter.setPen(QPen(QColor(20, 90, 220), 2.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(axes.point(*x, *y), r * 3.5, r * 3.5);
        }
    }
}

void SizingPlot::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    double best = 10.0 * 10.0;  // within ten pixels
    std::optional<std::size_t> nearest;
    for (const auto& [p, k] : drawn_) {
        const QPointF d = p - at;
        const double d2 = d.x() * d.x() + d.y() * d.y();
        if (d2 < best) best = d2, nearest = k;
    }
    if (nearest) emit picked(*nearest);
}

}  // namespace gp
