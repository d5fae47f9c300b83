// The transverse pressure angle at the circle through the centres of the measuring
// pins, found from its involute.
#pragma once

#include "real.h"

namespace gp {

// Solves tan α − α = inv_alpha_m by fixed-point iteration to within 1e-12. Stops
// with "the pin-centre pressure angle cannot be computed to the specified accuracy"
// when the iteration leaves the first quadrant without meeting the tolerance, runs
// into an arithmetic fault or takes more than 100000 steps.
Real pin_centre_angle(Real inv_alpha_m);

}  // namespace gp
