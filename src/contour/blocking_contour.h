// The blocking contour of a pair: every limit of the shift plane as curves inside
// a window, with the splits of the typed centre distance and the typed point.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "gear_pair_input.h"
#include "shift_plane.h"
#include "stop.h"

namespace gp {

struct LimitCurve {
    Limit limit = Limit::Undercut1;
    // Stretches of the curve, each in order along it; a curve that leaves the
    // window, or meets points where the geometry stops, is several.
    std::vector<std::vector<PlanePoint>> runs;
    bool cut_short = false;  // the tracing work ran out before the curve was complete
};

struct ContourOptions {
    ShiftWindow window;
    double spacing = 0.01;                   // largest distance between neighbouring points
    double tolerance = 1e-7;                 // largest deviation of a point from its condition
    long max_evaluations_per_curve = 20000;  // of the geometry, bounding the work
    int grid = 33;                           // nodes per side of the grid the curves are sought on
};

struct Contour {
    ShiftWindow window;
    std::array<LimitCurve, kLimitCount> curves;  // in the order of kLimits
    // The coefficient sum of the typed centre distance (the centre line), or why
    // it has none.
    Outcome<double> typed_x_sum = Stop{};
    // The splits of the typed centre distance by the two rules (as the sheet gives
    // them), and the typed coefficients (or the form's split when they are empty).
    Outcome<PlanePoint> dx1 = Stop{}, dx2 = Stop{}, current = Stop{};
    // The plane at the nodes of the grid the curves were sought on (grid × grid,
    // x1 varying fastest, the outer nodes on the window's edges): a first shading
    // of the admissible region before the curves bound it exactly.
    enum class Node : signed char { Stops, NotAdmissible, Admissible };
    int grid = 0;
    std::vector<Node> nodes;
    long evaluations = 0;  // of the geometry, in all
};

// The contour inside options.window (which must be valid), or the stop of a form
// that has no plane at all.
Outcome<Contour> blocking_contour(const GearPairInput& form, const ContourOptions& options = {});

// The same over a plane already set up from `form`.
Contour blocking_contour(const ShiftPlane& plane, const GearPairInput& form,
                         const ContourOptions& options);

}  // namespace gp
