// Flank contact stress of the pair, kgf/mm².
#pragma once

#include "real.h"
#include "strength_core.h"

namespace gp::strength {

// Spur gears (beta = 0) carry the load over the working face width; helical gears
// over the total length of the contact lines. The choice depends on beta alone.
Real contact_stress(const StrengthCore& s);

}  // namespace gp::strength
