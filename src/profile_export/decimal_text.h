// Coordinates as decimal text for the outline files: formatted straight into the
// file's string, as long as the number needs, for every double.
#pragma once

#include <string>

namespace gp {

// Appends `value` with exactly `decimals` digits after the point, correctly rounded
// (what printf's "%.*f" writes): all the integer digits however large the value (a
// double up to 1.8e308 has 309), never cut. An exact zero is written without its
// sign.
void append_decimal(std::string& out, double value, int decimals);

// The same, then trailing zeros dropped down to one digit after the point
// ("12.5", "3.0").
void append_decimal_trimmed(std::string& out, double value, int decimals);

}  // namespace gp
