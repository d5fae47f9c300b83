// The inverse functions of the strength calculation, always evaluated through the
// arctangent. The absolute value under the root lets an argument a rounding step
// outside [-1, 1] (a cosine ratio of two nearly equal diameters) still give an
// angle instead of a fault; a zero argument of arccos is a division by zero.
#pragma once

#include "angle_functions.h"
#include "real.h"

namespace gp::strength {

// arccos x = atan(sqrt|1 - x*x| / x)
inline Real arccos(Real x) { return atan(sqrt(abs(1.0 - x * x)) / x); }

// arcsin x = atan(x / sqrt|1 - x*x|)
inline Real arcsin(Real x) { return atan(x / sqrt(abs(1.0 - x * x))); }

}  // namespace gp::strength
