// The blocking contour of a pair: every limit of the shift plane as curves inside
// a window, with the splits of the typed centre distance and the typed point.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "gear_pair_input.h"
#include "plane_shading.h"
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
    // The curves are sought on a lattice over the window, at least kLeastSeedCells
    // cells a side and no coarser than `seed_spacing`, the scale on which the limit
    // curves bend (a curve folds back on itself in a loop some 0.06 wide near the
    // edge of the plane's values): a curve with points in the window crosses the
    // lattice's edges whatever the window's size. Only the part of the lattice where the geometry has values is
    // evaluated (found by spreading from where it has), and the window's edges are
    // sampled four times as finely, for curves that only touch the window.
    double seed_spacing = 0.05;
    long max_seed_evaluations = 1000000;  // of the geometry, for the whole lattice
    // The admissible shading, computed with the curves (plane_shading), in
    // shading_columns × shading_rows cells over the window; none when either is 0.
    int shading_columns = 0, shading_rows = 0;
};

// The fewest cells a side of the lattice the curves are sought on.
inline constexpr int kLeastSeedCells = 32;

struct Contour {
    ShiftWindow window;
    std::array<LimitCurve, kLimitCount> curves;  // in the order of kLimits
    // The coefficient sum of the typed centre distance (the centre line), or why
    // it has none.
    Outcome<double> typed_x_sum = Stop{};
    // The splits of the typed centre distance by the two rules (as the sheet gives
    // them), and the typed coefficients (or the form's split when they are empty).
    Outcome<PlanePoint> dx1 = Stop{}, dx2 = Stop{}, current = Stop{};
    // The shading asked for in the options (none otherwise).
    PlaneShading shading;
    // The search for the curves ran out of its work before the whole lattice was
    // evaluated: curves may be missing.
    bool search_cut_short = false;
    long evaluations = 0;  // of the geometry, in all

    // Some curve may be missing or incomplete.
    bool cut_short() const;
};

// The contour inside options.window (which must be valid), or the stop of a form
// that has no plane at all.
Outcome<Contour> blocking_contour(const GearPairInput& form, const ContourOptions& options = {});

// The same over a plane already set up from `form`.
Contour blocking_contour(const ShiftPlane& plane, const GearPairInput& form,
                         const ContourOptions& options);

}  // namespace gp
