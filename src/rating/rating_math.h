// Division for the rating's formulas. Every input is checked for its range before
// the rating starts, yet a positive number can still underflow to zero on the way
// (a speed of 1e-320 min⁻¹ gives a velocity of 0): such a division stops the rating
// with "cannot compute" where it happens, instead of carrying an infinity on.
#pragma once

#include "stop.h"

namespace gp::rating {

inline double over(double dividend, double divisor) {
    if (divisor == 0.0) throw ArithmeticFault{FaultKind::DivisionByZero};
    return dividend / divisor;
}

}  // namespace gp::rating
