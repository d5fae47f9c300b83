// Turning typed text into numbers.
//
// The decimal point is always the full stop, whatever the locale; a comma is
// neither a decimal nor a thousands separator. Only ASCII digits count and only
// e or E starts an exponent, so "inf", "nan", hexadecimal and full-width digits
// are never numbers.
#pragma once

#include <string>
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

// What is wrong with a text read as a number.
enum class NumberFault {
    Empty,       // the empty text
    NotANumber,  // letters, symbols or a number with more after it
    OutOfRange,  // a number beyond the largest double
};

// A text read by the one reader: its number, or what is wrong with it.
struct NumberReading {
    double value = 0.0;
    bool ok = false;
    NumberFault fault = NumberFault::Empty;  // when not ok
};

// The program's one reader of a typed number, for the form, the rating's and the
// batch tool's columns, the command line and the windows alike: the whole text,
// blanks around it aside, must be numeric (is_numeric); a number beyond the largest
// double is a fault, one below the smallest reads as zero. Never throws.
NumberReading read_number(std::string_view text);

// The text without the blanks (space, tab) around it, which the reader ignores: how
// a value is quoted back to its user.
std::string_view trim_blanks(std::string_view text);

// The message for a text the reader refuses, naming the field by its caption:
// one wording per kind of fault.
std::string number_fault_text(NumberFault fault, const std::string& caption);

// Strict conversion: the whole text must be numeric. Otherwise the calculation
// stops: "incomplete" for the empty text, "letters or symbols" for anything else.
// `field` names the form field the text came from, for the stop's explanation.
double strict_convert(std::string_view text, std::string_view field = {});

}  // namespace gp
