// A strength result describes a real tooth only when each gear's tip circle lies
// outside its root circle and the thickness at the critical section, the form
// factor, the stress-concentration factor and the root stress are positive, and the
// contact stress is positive. Anything else (for example the tip and root diameters
// of a pair whose typed shifts do not suit its centre distance) is no result.
#pragma once

#include "bending_stress.h"
#include "real.h"
#include "strength_core.h"

namespace gp::strength {

// Stops with the meaningless-result message, naming every condition that failed
// with its gear and values, when the result describes no real tooth.
void require_meaningful(const StrengthCore& s, const BendingStresses& bending, Real sigma_H);

}  // namespace gp::strength
