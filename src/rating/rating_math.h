// Division for the rating's formulas. Every input is checked for its range before
// the rating starts, yet a positive number can still underflow to zero on the way
// (a speed of 1e-320 min⁻¹ gives a velocity of 0): such a division stops the rating
// with "cannot compute" where it happens, instead of carrying an infinity on.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "stop.h"

namespace gp::rating {

inline double over(double dividend, double divisor) {
    if (divisor == 0.0) throw ArithmeticFault{FaultKind::DivisionByZero};
    return dividend / divisor;
}

// The angle of a cosine or sine in [−1, 1]. The checks before a call keep the
// argument in that domain, so only a rounding overshoot of a few ulps is clamped;
// anything further (or a NaN) stops the rating with "cannot compute" where it
// happens, instead of carrying a NaN on.
inline double clamped_to_unit(double x) {
    constexpr double kRoundingOvershoot = 8.0 * DBL_EPSILON;
    if (!(std::fabs(x) <= 1.0 + kRoundingOvershoot)) {
        throw ArithmeticFault{FaultKind::OutOfRange};
    }
    return std::clamp(x, -1.0, 1.0);
}
inline double checked_acos(double c) { return std::acos(clamped_to_unit(c)); }
inline double checked_asin(double s) { return std::asin(clamped_to_unit(s)); }

}  // namespace gp::rating
