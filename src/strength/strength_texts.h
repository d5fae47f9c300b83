// The texts of the chosen strength sheet, made from the calculated values.
#pragma once

#include "bending_stress.h"
#include "strength_case.h"
#include "strength_core.h"
#include "strength_result.h"

namespace gp::strength {

// Typed values shown normalised, factors and stresses rounded half up to 5
// decimals, the force to 4; the contact ratios to 4 decimals on jg2, 5 elsewhere.
StrengthResult strength_result(const StrengthCore& s, BendingCase c, const BendingStresses& bending,
                               Real sigma_H);

}  // namespace gp::strength
