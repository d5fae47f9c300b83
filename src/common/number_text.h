// Turning numbers into the texts the user sees.
#pragma once

#include <string>

#include "real.h"

namespace gp {

// Shortest decimal text of a double with at most 15 significant digits: the exact
// value rounded to 15 digits (ties to even), trailing zeros removed, no decimal
// point for a whole number, plain decimal for magnitudes below 1e15 (including
// those below 0.0001) and capital-E exponent form from 1e15 up ("1.5E+15").
// A negative zero is written "0".
std::string text_of_double(double value);
inline std::string text_of_double(Real value) { return text_of_double(value.value()); }

// A double with 17 significant digits (as printf's %.17g), which reads back as the
// same double: for texts a calculation must read exactly as computed.
std::string round_trip_text(double value);

// The same rule with 7 significant digits, for a single-precision value; exponent
// form from 1e7 up ("1.54716E+08").
std::string text_of_single_digits(float value);

// A single-precision number as a report item: one blank before it (the minus sign
// when negative) and one blank after it, e.g. " 52.5 " or "-3.25 ".
std::string report_text_of_single(float value);

// Int(x * 10^decimals + 0.5) / 10^decimals with Int the floor: rounding half
// upward to the given number of decimals. A negative `decimals` is a fault of the
// caller: std::invalid_argument.
Real round_half_up(Real x, int decimals);

// Display rule of the result sheets: rounded half upward, then the text. A negative
// `decimals` is refused as above.
std::string rounded_text(Real x, int decimals);

}  // namespace gp
