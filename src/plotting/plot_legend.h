// A chart's legend: each entry a short stretch of its line (or its marker, or a
// patch of its fill) and its name, in rows, in the painter's font.
#pragma once

#include <QBrush>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace gp {

enum class LegendMark { Line, Patch, Circle, Square, Triangle };

struct LegendEntry {
    QString text;
    QPen pen;
    QBrush fill;
    LegendMark mark = LegendMark::Line;
};

// A marker of `size` pixels centred at `at`, in the pen and fill given.
void paint_marker(QPainter& painter, LegendMark mark, QPointF at, double size, const QPen& pen,
                  const QBrush& fill);

// The height the entries take in `columns` columns at line height `line`.
double legend_height(std::size_t entries, int columns, double line);

// The entries in `columns` columns across `area`, top down, row by row.
void paint_legend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                  int columns, double line);

}  // namespace gp
