// Dimension over two measuring pins (or balls) and its deviations.
#pragma once

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "real.h"
#include "tooth_thickness.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

struct PinMeasurement {
    GearPairOf<Real> dp;   // pin diameters, typed or chosen to touch near the reference circle
    GearPairOf<Real> m;    // dimensions over two pins
    GearPairOf<Real> ems;  // upper deviations of M
    GearPairOf<Real> emi;  // lower deviations of M
};

// Gear 1's pin angle is solved, and may stop the calculation, before gear 2's is
// formed.
PinMeasurement pin_measurement(const GeometryInputs& in, const TransverseGeometry& t,
                               const WorkingPressureAngle& w, const ToothThickness& th);

}  // namespace gp
