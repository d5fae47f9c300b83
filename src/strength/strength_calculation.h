// The strength of one gear pair: from the form's texts to the chosen sheet's texts.
#pragma once

#include "gear_pair_input.h"
#include "stop.h"
#include "strength_result.h"

namespace gp {

// Runs the strength button's checks and then the whole calculation. Either the
// chosen sheet with every one of its texts, or the message the calculation
// stopped with.
Outcome<StrengthResult> compute_strength(const GearPairInput& input);

}  // namespace gp
