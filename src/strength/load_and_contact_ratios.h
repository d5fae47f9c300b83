// The load on the teeth and how many tooth pairs share it.
#pragma once

#include "real.h"
#include "reference_geometry.h"
#include "strength_inputs.h"

namespace gp::strength {

// Tangential force at the reference circle of the driving gear, kgf: the torque in
// kgf·m is 1000·T kgf·mm, acting at the radius d1/2.
Real tangential_force(Real torque, Real d1);

struct ContactRatios {
    Real alpha;        // transverse contact ratio
    Real alpha_whole;  // its integer part (floor)
    Real alpha_frac;   // its fractional part
    Real beta;         // overlap ratio, over the working face width
    Real beta_whole;
    Real beta_frac;
    Real gamma;  // total contact ratio
};

// The integer and fractional parts are taken by the floor, so that they always add
// up to the ratio itself.
ContactRatios contact_ratios(const StrengthInputs& pair, const ReferenceGeometry& geo);

}  // namespace gp::strength
