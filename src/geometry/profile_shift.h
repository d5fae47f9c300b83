// The normal profile-shift coefficients of the two gears and their sum.
#pragma once

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "real.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

struct ProfileShift {
    Real x_sum;           // xΣ = xn1 + xn2
    GearPairOf<Real> xn;  // normal shift coefficients
};

// Typed coefficients when both are given; otherwise the sum the centre distance
// demands, split by the selected rule (equal strength or equal noise).
ProfileShift profile_shift(const GeometryInputs& in, const TransverseGeometry& t,
                           const WorkingPressureAngle& w);

// The coefficients taken as given.
ProfileShift given_profile_shift(const GearPairOf<Real>& xn);

// The sum of the coefficients with which the pair meshes without backlash at the
// working pressure angle of `w`.
Real no_backlash_shift_sum(const GeometryInputs& in, const TransverseGeometry& t,
                           const WorkingPressureAngle& w);

}  // namespace gp
