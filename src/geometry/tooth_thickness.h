// Tooth thickness at the reference circle and at the tip.
#pragma once

#include "gear_pair_of.h"
#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "profile_shift.h"
#include "real.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

struct ToothThickness {
    Real pbt;              // transverse base pitch π·mt·cos αt
    GearPairOf<Real> sn;   // normal arc thickness at the reference circle
    GearPairOf<Real> snb;  // row "theoretical thickness of the standard gear"
    GearPairOf<Real> sta;  // transverse arc thickness at the tip circle
};

// Stops with "cannot compute" when a tip circle lies inside its base circle
// (gear 1 is looked at first).
ToothThickness tooth_thickness(const GeometryInputs& in, const TransverseGeometry& t,
                               const WorkingPressureAngle& w, const ProfileShift& s,
                               const GearSizes& g);

}  // namespace gp
