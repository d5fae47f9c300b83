// The pair seen in the transverse plane: pressure angle, module, reference
// diameters and leads.
#pragma once

#include <string>

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "real.h"

namespace gp {

struct TransverseGeometry {
    Real tan_alpha_n;    // tan αn
    Real tan_alpha_t;    // tan αt = tan αn / cos β, kept as that quotient
    Real alpha_t;        // transverse pressure angle at the reference circle, rad
    Real inv_alpha_n;    // involute of αn: tan αn − αn
    Real inv_alpha_t;    // involute of αt, from the stored quotient tan αt
    Real mt;             // transverse module mn / cos β
    GearPairOf<Real> d;  // reference diameters z·mt

    // Lead of each helix, shown to 2 decimals; the empty text for spur gears.
    GearPairOf<std::string> lead_text;
};

TransverseGeometry transverse_geometry(const GeometryInputs& in);

}  // namespace gp
