// Angle functions both calculations evaluate the same way.
#pragma once

#include "real.h"

namespace gp {

// The involute function inv φ = tan φ − φ: the polar angle of the point of an
// involute whose pressure angle is φ.
inline Real involute(Real phi) { return tan(phi) - phi; }

// The angle whose cosine is c, in closed form through the arctangent:
// atan(√(1 − c²) / c). A cosine beyond ±1 is a fault (square root of a negative
// number), and so is a cosine of 0.
inline Real angle_of_cosine(Real c) { return atan(sqrt(1.0 - c * c) / c); }

}  // namespace gp
