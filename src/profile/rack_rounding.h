// The rounding of the generating rack's tip corner, which cuts the root fillet.
#pragma once

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "stop.h"

namespace gp {

// Rounding radius as a multiple of the normal module when the root fillet radius
// field is empty: with αn = 20° and cn* = 0.25 it is the largest rounding that
// leaves the rack's straight flank reaching the clearance line.
inline constexpr double kDefaultRoundingPerModule = 0.38;

struct RackRounding {
    double radius = 0;          // in the rack's normal section, mm
    bool from_default = false;  // the field was empty: 0.38 × module was taken
};

// The rounding of each gear's rack from the root fillet radius fields `cgyj1`,
// `cgyj2`: an empty field gives 0.38 × mn; a field that is not a number stops with
// the letters-or-symbols message, a negative radius with "cannot compute".
Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form, double mn);

}  // namespace gp
