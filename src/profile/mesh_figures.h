// The figures of the mesh in the transverse plane: the line of action with its
// points, the path of contact and the specific sliding along it.
//
// Mesh frame: gear 1's centre O1 at the origin, gear 2's centre O2 at (a, 0), y up.
// Gear 1 drives counter-clockwise, gear 2 turns clockwise. The line of action runs
// from T1, where it touches gear 1's base circle (below the x axis), up through the
// pitch point C to T2 on gear 2's base circle; every contact point travels along it
// from A to E. Distances along the line are measured from T1 in mm.
#pragma once

#include <optional>
#include <vector>

#include "geometry_numbers.h"
#include "stop.h"
#include "tooth_outline.h"

namespace gp {

struct MeshFigures {
    double t1t2 = 0;       // length of the line of action between the tangent points
    double a = 0;          // A: gear 2's tip circle crosses the line (contact starts)
    double b = 0;          // B = E − pbt: single-tooth contact begins
    double c = 0;          // C: pitch point, rb1·tan αwt
    double d = 0;          // D = A + pbt: single-tooth contact ends
    double e = 0;          // E: gear 1's tip circle crosses the line (contact ends)
    double ae = 0;         // length of the path of contact E − A
    double eps_alpha = 0;  // AE / pbt
    double pbt = 0;        // transverse base pitch
    double u = 0;          // gear ratio z2 / z1
    double alpha_wt = 0;   // working transverse pressure angle
    GearPairOf<double> base_radius{};
    GearPairOf<double> tip_radius{};
    double centre_distance = 0;

    // Between A and B and between D and E two pairs of teeth carry the load, between
    // B and D one pair (when εα < 2 and the stretches do not overlap).
    bool has_contact = false;      // A < E: the tip circles reach the line
    bool within_tangents = false;  // 0 < A and E < T1T2: no tip reaches past a
                                   // tangent point into the mate's root
};

MeshFigures mesh_figures(const GeometryNumbers& numbers);

// Point of the line of action at distance s from T1, in the mesh frame.
OutlinePoint point_on_line(const MeshFigures& m, double s);
OutlinePoint tangent_point_1(const MeshFigures& m);  // T1
OutlinePoint tangent_point_2(const MeshFigures& m);  // T2

// Specific sliding of the two flanks at a contact point at distance s from T1:
// ζ1 = 1 − ρ2/(u·ρ1), ζ2 = 1 − u·ρ1/ρ2 with ρ1 = s and ρ2 = T1T2 − s the radii of
// curvature of the flanks. Only strictly between the tangent points.
struct SpecificSliding {
    double s = 0;
    double zeta1 = 0;
    double zeta2 = 0;
};
std::optional<SpecificSliding> specific_sliding(const MeshFigures& m, double s);

// The sliding from A to E at `samples` ≥ 2 evenly spaced points (A and E included).
// Stops, as a value, when the path of contact is empty or reaches a tangent point,
// where the sliding is unbounded.
Outcome<std::vector<SpecificSliding>> sliding_along_path(const MeshFigures& m, int samples);

// The message for a path of contact along which the sliding cannot be given, or
// nothing when it can.
std::optional<Stop> sliding_stop(const MeshFigures& m);

// The pair turning in mesh. `travel` is how far (mm along the line of action) the
// contact has moved since a pair of teeth touched at the pitch point C; the picture
// repeats every pbt. The angles turn each gear's outline (as built by gear_outline,
// tooth 1 on +y) counter-clockwise about its own centre; with them the left flanks
// (x < 0 on the tooth drawn on +y) of gear 1 and gear 2 touch at every contact point
// on the line of action. Gear 1's angle grows with `travel`, gear 2's falls.
struct MeshPose {
    double gear1_angle = 0;        // rad, counter-clockwise about O1
    double gear2_angle = 0;        // rad, counter-clockwise about O2
    double gear1_rate = 0;         // rad per mm of travel: 1/rb1
    double gear2_rate = 0;         // rad per mm of travel: −1/rb2
    std::vector<double> contacts;  // distances from T1 of the contacts within [A, E]
};
MeshPose mesh_pose(const MeshFigures& m, const GearOutline& gear1, const GearOutline& gear2,
                   double travel);

}  // namespace gp
