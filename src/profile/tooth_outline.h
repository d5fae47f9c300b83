// The transverse outline of one gear as cut by its generating rack.
//
// The outline is built in the transverse plane (transverse module and pressure
// angle; the rack's corner rounding, a circle in the normal section, becomes an
// ellipse there). Each flank is the involute of the base circle from the root form
// circle up to the tip circle; below it the fillet is the curve the rounded rack
// corner sweeps out (a trochoid envelope), joining the involute tangentially, or
// cutting into it where the gear is undercut, exactly as generated; the tip land and
// the root land are arcs of the tip and root circles.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry_numbers.h"
#include "rack_rounding.h"
#include "stop.h"

namespace gp {

// Which tooth thickness the outline has: the nominal one, or the nominal one
// changed by the upper deviation Ess, the lower deviation Esi or their mean. A
// deviation is cut as a rack moved radially by Es / (2·tan αn), so the root circle
// moves with the flanks (the tip circle stays).
enum class ThicknessChoice { Nominal, Upper, Lower, Mean };

// Largest distance between a chord of the outline and the true curve, mm.
inline constexpr double kDefaultChordTolerance = 0.001;
// Most points one gear's outline may have. Above it the chord tolerance is widened
// until the outline fits, and the outline says so.
inline constexpr std::size_t kMaxOutlinePoints = 200000;

struct OutlineOptions {
    ThicknessChoice thickness = ThicknessChoice::Nominal;
    double tolerance = kDefaultChordTolerance;  // must be positive and finite
    std::size_t max_points = kMaxOutlinePoints;
};

struct OutlinePoint {
    double x = 0;
    double y = 0;
};

enum class SegmentKind {
    TipLand,   // arc of the tip circle
    Involute,  // flank
    Fillet,    // root fillet swept by the rack's rounded corner
    RootLand,  // arc of the root circle
};

// One piece of the outline: points[first] … points[last], indices taken modulo the
// number of points (the last piece ends at point 0). Both ends are exact points of
// the curve; consecutive pieces share their end point.
struct OutlineSegment {
    SegmentKind kind = SegmentKind::TipLand;
    int tooth = 1;  // 1 … z, counter-clockwise from the tooth on +y
    std::size_t first = 0;
    std::size_t last = 0;
};

struct GearOutline {
    int index = 0;  // 0 driving gear, 1 driven gear (GearPairOf's numbering)
    int teeth = 0;  // z

    // Closed, counter-clockwise, centre at the origin, tooth 1 symmetric about +y;
    // the first point is the middle of tooth 1's tip (its apex when pointed) and is
    // not repeated at the end.
    std::vector<OutlinePoint> points;
    // In outline order: for each tooth its tip land, left flank (involute, fillet),
    // the root land up to the next tooth's right flank (fillet, involute). Tooth 1's
    // tip land is split at point 0: its left half comes first, its right half last.
    std::vector<OutlineSegment> segments;

    // Circles of the gear, radii in mm.
    double tip_radius = 0;        // da/2
    double reference_radius = 0;  // d/2
    double working_radius = 0;    // dw/2
    double base_radius = 0;       // db/2
    double root_radius = 0;       // as cut: df/2 for the nominal thickness
    double form_radius = 0;       // where the involute starts (root form circle as cut)
    double outer_radius = 0;      // largest radius: da/2, or the apex of a pointed tooth

    double thickness_deviation = 0;  // normal thickness deviation cut, mm (0: nominal)
    // Polar angle (rad, counter-clockwise from +x) at which the involute of tooth 1's
    // right flank (x > 0) leaves the base circle (π minus it for the left flank);
    // the mesh kinematics turn the gear from it.
    double right_flank_base_angle = 0;

    RackRounding rounding;
    bool undercut = false;  // the fillet cuts into the involute
    bool pointed = false;   // the flanks meet below the tip circle: no tip land
    bool capped = false;    // the point cap widened the chord tolerance
    double tolerance = 0;   // chord tolerance actually met, mm
};

// The outline of gear `gear_index` (0: driving gear, 1: driven gear). Stops, as a
// value, when the pair admits no drawable tooth: a tooth count that is not a whole
// number of at least 3 (or too many teeth for the point cap), a rack rounding too
// large for the tooth space, a tooth cut away by undercut, an invalid tolerance.
Outcome<GearOutline> gear_outline(const GeometryNumbers& numbers, int gear_index,
                                  const RackRounding& rounding, const OutlineOptions& options = {});

}  // namespace gp
