#include "plot_legend.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace gp {

void paint_marker(QPainter& painter, LegendMark mark, QPointF at, double size, const QPen& pen,
                  const QBrush& fill) {
    painter.save();
    painter.setPen(pen);
    painter.setBrush(fill);
    const double r = size / 2;
    switch (mark) {
        case LegendMark::Circle:
            painter.drawEllipse(at, r, r);
            break;
        case LegendMark::Square:
            painter.drawRect(QRectF(at.x() - r, at.y() - r, size, size));
            break;
        case LegendMark::Triangle:
            painter.drawPolygon(QPolygonF({QPointF(at.x(), at.y() - r * 1.15),
                                           QPointF(at.x() + r, at.y() + r * 0.85),
                                           QPointF(at.x() - r, at.y() + r * 0.85)}));
            break;
        case LegendMark::Patch:
            painter.drawRect(QRectF(at.x() - r * 1.4, at.y() - r * 0.7, size * 1.4, size * 0.7));
            break;
        case LegendMark::Line:  // long enough to show its dashes
            painter.drawLine(QPointF(at.x() - r * 2.4, at.y()), QPointF(at.x() + r * 2.4, at.y()));
            break;
    }
    painter.restore();
}

double legend_height(std::size_t entries, int columns, double line) {
    const int cols = std::max(columns, 1);
    return static_cast<double>((entries + cols - 1) / cols) * line * 1.25;
}

void paint_legend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                  int columns, double line) {
    const int cols = std::max(columns, 1);
    const double column_width = area.width() / cols;
    const double row = line * 1.25;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries[i];
        const double x = area.left() + static_cast<double>(i % cols) * column_width;
        const double y = area.top() + static_cast<double>(i / cols) * row + row / 2;
        paint_marker(painter, e.mark, QPointF(x + line * 1.4, y), line * 0.7, e.pen, e.fill);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + line * 3.0, y - row / 2, column_width - line * 3.2, row),
                         Qt::AlignLeft | Qt::AlignVCenter, e.text);
    }
}

}  // namespace gp
