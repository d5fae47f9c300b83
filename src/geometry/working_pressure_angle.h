// Base circles and the working pressure angle fixed by the given centre distance.
#pragma once

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "real.h"
#include "transverse_geometry.h"

namespace gp {

struct WorkingPressureAngle {
    GearPairOf<Real> db;  // base diameters d·cos αt
    Real a0;              // reference centre distance mt·(z1 + z2)/2
    Real y;               // centre-distance modification coefficient (a − a0)/mn
    Real alpha_wt;        // working transverse pressure angle, rad
    Real inv_alpha_wt;    // its involute
};

// Stops with "cannot compute" when the centre distance is shorter than the base
// circles allow (cos αwt > 1); a cosine of exactly 1 passes.
WorkingPressureAngle working_pressure_angle(const GeometryInputs& in, const TransverseGeometry& t);

}  // namespace gp
