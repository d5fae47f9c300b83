// Angles are typed in degrees and held in radians. Both calculations convert with
// the same value of π (kPi), so that a typed angle means exactly the same radians in
// the geometry and in the strength.
#pragma once

#include "pi.h"
#include "real.h"

namespace gp {

inline Real radians_from_degrees(Real degrees) { return degrees * kPi / 180.0; }

}  // namespace gp
