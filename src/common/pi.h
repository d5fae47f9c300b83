// π, twice over.
#pragma once

#include <numbers>

namespace gp {

// π as both calculations use it: 3.141592654, ten significant digits. Every angle
// conversion, pitch, lead and involute of the sheets is computed with this value, and
// the last displayed digits depend on it, so it is written here and nowhere else.
inline constexpr double kPi = 3.141592654;

// The exact double nearest π, wherever the sheets' ten digits are not what is
// reproduced: the drawing (an outline of z teeth must close on itself after a full
// turn, which the ten-digit value would miss by 4·10⁻¹⁰ rad), the mesh picture,
// the pole of tan in the strength's fillet scan, and the load-capacity rating,
// which follows its method at full double precision.
inline constexpr double kExactPi = std::numbers::pi;

}  // namespace gp
