// The tooth root of each gear by ISO 6336-3 method B: the critical section at the
// 30° tangent to the fillet, the bending moment arm for the load at the outer
// point of single pair tooth contact, the form and stress correction factors.
#pragma once

#include <optional>

#include "gear_pair_of.h"
#include "rated_pair.h"
#include "rating_geometry.h"

namespace gp::rating {

struct RootGeometry {
    double E = 0, G = 0, H = 0;  // auxiliary values (E in mm)
    double theta = 0;            // ϑ, rad
    int steps = 0;               // fixed-point steps ϑ took
    double sFn = 0;              // root chord at the critical section, mm
    double rhoF = 0;             // fillet radius there, mm
    double den = 0;              // load diameter of the virtual spur gear, mm
    double alpha_Fen = 0;        // load direction angle, rad
    double hFe = 0;              // bending moment arm, mm
    double YF = 0, qs = 0, YS = 0;
    // The same with the load at the tip, for checking the root geometry only:
    // empty where it cannot be computed, which never stops the rating.
    std::optional<double> alpha_Fan, hFa, YFa, YSa;
};

// Stops when the outer point of single contact leaves the virtual gear's flank
// (both gears checked first), then when the critical section cannot be found.
GearPairOf<RootGeometry> root_geometry(const RatedPair& p, const MeshGeometry& g);

}  // namespace gp::rating
