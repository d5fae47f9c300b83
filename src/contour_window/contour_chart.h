// The blocking contour as a chart: the curves of one calculation, the shading of the
// admissible region, and the painting of the plane at any zoom, on the screen and on
// a page.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "blocking_contour.h"
#include "gear_pair_input.h"
#include "plot_axes.h"
#include "plot_legend.h"
#include "shift_plane.h"

class QPainter;

namespace gp {

// The contour of a form over a window of the plane, ready to paint.
struct ContourChart {
    QString refusal;                  // not empty: the pair has no plane; why
    QString caption;                  // the pair in a line
    std::optional<ShiftPlane> plane;  // for the values under the cursor
    Contour contour;
    std::optional<double> typed_x_sum;  // of the typed centre distance
    QString typed_a;                    // the typed centre distance, as typed
    // The plane over `region_area` (x1 across, x2 up), a pixel a cell: admissible,
    // not admissible, or where the geometry stops; empty until shade_region().
    QImage region;
    QRectF region_area;

    bool drawable() const { return refusal.isEmpty(); }
};

// The curves of the form's pair over `window`; no shading yet.
ContourChart contour_chart(const GearPairInput& form, const ShiftWindow& window);

// The shading of the admissible region over `area` of the plane (within the chart's
// window), `columns` × `rows` cells, each as the plane is at its centre (the core's
// plane_shading, exact along the chart's curves): the view asks for it at its own
// resolution, so that it is never blocky and follows the curves to within a cell.
void shade_region(ContourChart& chart, const QRectF& area, int columns, int rows);

// A point picked in the plane: on the typed centre distance's line (a split of it) or
// anywhere else (with its own centre distance).
struct ContourPick {
    PlanePoint at;
    bool on_typed_line = false;
};

// The plotting frame inside `area`, leaving room for tick labels and captions at line
// height `line`.
QRectF chart_frame(const QRectF& area, double line);

// Axes of `frame` showing the plane about `centre` at `scale` pixels per unit, equal
// both ways.
PlotAxes chart_axes(const QRectF& frame, QPointF centre, double scale);

// The scale at which `window` just fills `frame`.
double fitting_scale(const QRectF& frame, const ShiftWindow& window);

// The plane inside `area` (its frame from chart_frame) as `axes` show it: shading,
// lines of constant centre distance, curves and their names, the typed line, its
// splits, the typed point and the pick. A refused chart shows its reason instead.
void paint_contour_chart(QPainter& painter, const QRectF& area, const PlotAxes& axes,
                         const ContourChart& chart, const std::optional<ContourPick>& pick,
                         double text_px);

// What the legend lists, in the chart's own styles: the curves that have points,
// the constant-centre-distance lines, the region, the marks.
std::vector<LegendEntry> contour_legend(const ContourChart& chart);

// A page: the caption, the chart as `visible` (the plane's rectangle shown on the
// screen) and the legend below.
void paint_contour_page(QPainter& painter, const QRectF& page, const ContourChart& chart,
                        const QRectF& visible, const std::optional<ContourPick>& pick);

}  // namespace gp
