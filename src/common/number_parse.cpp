#include "number_parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "field_captions.h"
#include "messages/base.h"
#include "stop.h"

namespace gp {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
    std::size_t begin = 0;  // first character of the number (its sign)
    std::size_t end = 0;    // one past its last character
    bool found = false;
};

// Finds the longest decimal number starting at `pos`: [sign] digits [. digits]
// [e [sign] digits], with at least one mantissa digit. An exponent marker that is
// not followed by a digit is not part of the number.
Scan scan_number(std::string_view t, std::size_t pos) {
    Scan s;
    s.begin = pos;
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && is_digit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && is_digit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return s;
    s.found = true;
    s.end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t exp_digits = 0;
        while (j < t.size() && is_digit(t[j])) ++j, ++exp_digits;
        if (exp_digits > 0) s.end = j;
    }
    return s;
}

// Whether a decimal number that no double can hold lies above the largest double
// rather than below the smallest: the sign of the decimal exponent of its first
// significant digit. Such a number is never zero, and lies hundreds of powers of
// ten away from 1, so a saturated exponent decides it as well as the exact one.
bool beyond_largest(std::string_view number) {
    std::size_t i = 0;
    if (number[i] == '+' || number[i] == '-') ++i;
    while (i < number.size() && number[i] == '0') ++i;
    long long lead = 0;  // decimal exponent of the first significant digit, plus one
    while (i < number.size() && is_digit(number[i])) ++i, ++lead;
    if (i < number.size() && number[i] == '.') {
        ++i;
        if (lead == 0) {
            while (i < number.size() && number[i] == '0') ++i, --lead;
        }
        while (i < number.size() && is_digit(number[i])) ++i;
    }
    long long exponent = 0;
    if (i < number.size()) {  // e or E, as the scan let through
        ++i;
        const bool negative = number[i] == '-';
        if (number[i] == '+' || number[i] == '-') ++i;
        for (; i < number.size(); ++i) {
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        }
        if (negative) exponent = -exponent;
    }
    return lead + exponent > 0;
}

// Converts a text already known to be a plain decimal number. std::from_chars reads
// it as the C locale would (the full stop is the decimal point, whatever the
// user's locale) and rounds correctly to the nearest double, on every platform
// alike. A number beyond the largest double is a fault; one below the smallest
// subnormal reads as zero of its sign.
double convert_validated(std::string_view number) {
    // from_chars takes no leading plus sign.
    const std::string_view digits = number[0] == '+' ? number.substr(1) : number;
    double v = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (error == std::errc::result_out_of_range) {
        if (beyond_largest(number)) throw ArithmeticFault{};
        return number[0] == '-' ? -0.0 : 0.0;
    }
    if (std::isinf(v)) throw ArithmeticFault{};
    return v;
}

std::size_t skip_blanks(std::string_view t, std::size_t i) {
    while (i < t.size() && is_blank(t[i])) ++i;
    return i;
}

}  // namespace

bool is_numeric(std::string_view text) {
    const Scan s = scan_number(text, skip_blanks(text, 0));
    return s.found && skip_blanks(text, s.end) == text.size();
}

double lenient_parse(std::string_view text) {
    const Scan s = scan_number(text, skip_blanks(text, 0));
    if (!s.found) return 0.0;
    return convert_validated(text.substr(s.begin, s.end - s.begin));
}

double strict_convert(std::string_view text, std::string_view field) {
    if (!is_numeric(text)) {
        const std::string what =
            field.empty() ? std::string(msg::detail::kSomeInput) : field_caption(field);
        throw StopSignal{
            text.empty() ? msg::kIncomplete : msg::kLettersOrSymbols,
            text.empty() ? msg::detail::not_filled(what) : msg::detail::not_a_number(what)};
    }
    return lenient_parse(text);
}

}  // namespace gp
