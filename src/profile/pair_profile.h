// Both outlines of a pair straight from the input form: geometry calculation, rack
// roundings, then each gear's outline.
#pragma once

#include "gear_pair_input.h"
#include "geometry_numbers.h"
#include "rack_rounding.h"
#include "stop.h"
#include "tooth_outline.h"

namespace gp {

struct PairProfile {
    GeometryNumbers numbers;
    GearPairOf<RackRounding> rounding;
    // Each gear on its own: one gear's rounding may be too large while the other
    // gear draws.
    GearPairOf<Outcome<GearOutline>> outlines{Outcome<GearOutline>{Stop{}},
                                              Outcome<GearOutline>{Stop{}}};
};

// Stops (as a value, with the geometry button's message) when the geometry
// calculation stops or a rounding field is unusable.
Outcome<PairProfile> pair_profile(const GearPairInput& form, const OutlineOptions& options = {});

}  // namespace gp
