// Turning typed text into numbers.
//
// The decimal point is always the full stop, whatever the locale; a comma is
// neither a decimal nor a thousands separator. Only ASCII digits count and only
// e or E starts an exponent, so "inf", "nan", hexadecimal and full-width digits
// are never numbers.
#pragma once

#include <string_view>

namespace gp {

// Is-numeric: optional blanks (space, tab) around, optional sign, digits with an
// optional full stop (at least one digit), optional exponent e/E with optional
// sign and at least one digit. Nothing else.
bool is_numeric(std::string_view text);

// Lenient parse: blanks skipped, then the longest leading decimal number; the rest
// of the text is ignored; 0 when there is no such number (the empty text too).
// A number too large for a double raises ArithmeticFault.
double lenient_parse(std::string_view text);

// Strict conversion: the whole text must be numeric. Otherwise the calculation
// stops: "incomplete" for the empty text, "letters or symbols" for anything else.
// `field` names the form field the text came from, for the stop's explanation.
double strict_convert(std::string_view text, std::string_view field = {});

}  // namespace gp
