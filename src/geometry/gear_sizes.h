// Addenda, dedenda, depths, tip and root diameters.
#pragma once

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "profile_shift.h"
#include "real.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

struct GearSizes {
    Real delta_y;         // addendum reduction coefficient Δy = xΣ − y
    GearPairOf<Real> ha;  // addenda
    GearPairOf<Real> hf;  // dedenda
    GearPairOf<Real> h;   // whole depths
    GearPairOf<Real> da;  // tip diameters
    GearPairOf<Real> df;  // root diameters
};

GearSizes gear_sizes(const GeometryInputs& in, const TransverseGeometry& t,
                     const WorkingPressureAngle& w, const ProfileShift& s);

}  // namespace gp
