// A double whose every operation is checked where it happens.
//
// The calculations must end with "cannot compute" on a division by exactly zero,
// the square root of a negative number, an overflow or any other non-finite value,
// at the operation that raised it: checking only the final texts is not enough
// (atan of an infinite quotient is finite and would hide a division by zero, and a
// NaN makes every comparison of an iteration false). Formulas written with Real read
// like plain arithmetic; each step is evaluated in the order written, with IEEE
// double semantics and no contraction.
#pragma once

#include <cmath>

#include "stop.h"
#include "system_math.h"

namespace gp {

class Real {
  public:
    constexpr Real() = default;
    // Implicit on purpose: literals and parsed doubles enter formulas directly.
    Real(double v) : v_(checked(v)) {}  // NOLINT(google-explicit-constructor)

    double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return Real(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return Real(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return Real(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b) {
        if (b.v_ == 0.0) throw ArithmeticFault{FaultKind::DivisionByZero};
        return Real(a.v_ / b.v_);
    }
    friend Real operator-(Real a) { return Real(-a.v_); }

    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend bool operator!=(Real a, Real b) { return a.v_ != b.v_; }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

    static double checked(double v) {
        if (!std::isfinite(v)) throw ArithmeticFault{};
        return v;
    }

  private:
    double v_ = 0.0;
};

inline Real sqrt(Real x) {
    if (x.value() < 0.0) throw ArithmeticFault{FaultKind::NegativeRoot};
    return Real(std::sqrt(x.value()));
}
inline Real sin(Real x) { return Real(system_math::sin(x.value())); }
inline Real cos(Real x) { return Real(system_math::cos(x.value())); }
inline Real tan(Real x) { return Real(system_math::tan(x.value())); }
inline Real atan(Real x) { return Real(system_math::atan(x.value())); }
inline Real abs(Real x) { return Real(std::fabs(x.value())); }
// Int(x): the largest whole number not greater than x.
inline Real floor(Real x) { return Real(std::floor(x.value())); }
// Power of a non-negative base; a negative base or an overflow is a fault.
inline Real pow(Real base, Real exponent) {
    if (base.value() < 0.0) throw ArithmeticFault{FaultKind::NegativeRoot};
    if (base.value() == 0.0 && exponent.value() < 0.0) {
        throw ArithmeticFault{FaultKind::DivisionByZero};
    }
    return Real(system_math::pow(base.value(), exponent.value()));
}

}  // namespace gp
