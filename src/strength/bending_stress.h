// Tooth-root bending stress of each gear, by the formula set of the pair's case.
#pragma once

#include "gear_pair_of.h"
#include "real.h"
#include "strength_case.h"
#include "strength_core.h"

namespace gp::strength {

struct GearBending {
    Real YF;            // form factor
    Real Kf;            // root stress-concentration factor
    Real mu = 0.0;      // flank sliding-resistance coefficient (low overlap)
    Real Y_beta = 0.0;  // helix-angle factor (helical cases; 1 for inclined contact)
    Real Y_c = 0.0;     // inclined-contact factor (helical cases; 1 for helix factor)
    Real sigma;         // root bending stress, kgf/mm²
};

struct BendingStresses {
    GearPairOf<GearBending> gear;
};

BendingStresses bending_stresses(const StrengthCore& s, BendingCase c);

}  // namespace gp::strength
