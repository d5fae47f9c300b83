// The number-to-text rule written the plain way, one string operation at a time:
// the reference the buffered texts of number_text.cpp are compared with.
#pragma once

#include <charconv>
#include <cstdlib>
#include <string>

#include "real.h"

namespace gp::reference {

// Each text is built by appending to one string: GCC 12 at -O3 takes the inserts
// behind `"literal" + text` for overlapping copies and warns (-Wrestrict).
inline std::string format_magnitude(double magnitude, int digits) {
    std::string sci(64, '\0');
    const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), magnitude,
                                   std::chars_format::scientific, digits - 1);
    sci.resize(static_cast<std::size_t>(res.ptr - sci.data()));  // d.ddddde[+-]xx
    const auto e_pos = sci.find('e');
    std::string mantissa_digits;
    for (std::size_t i = 0; i < e_pos; ++i) {
        if (sci[i] != '.') mantissa_digits += sci[i];
    }
    const int exponent = std::atoi(sci.c_str() + e_pos + 1);
    while (mantissa_digits.size() > 1 && mantissa_digits.back() == '0') mantissa_digits.pop_back();

    std::string out;
    if (exponent >= digits) {
        out += mantissa_digits[0];
        if (mantissa_digits.size() > 1) {
            out += '.';
            out.append(mantissa_digits, 1);
        }
        out += exponent < 10 ? "E+0" : "E+";
        out += std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa_digits;
        return out;
    }
    const auto int_len = static_cast<std::size_t>(exponent) + 1;
    if (mantissa_digits.size() <= int_len) {
        out += mantissa_digits;
        out.append(int_len - mantissa_digits.size(), '0');
        return out;
    }
    out.append(mantissa_digits, 0, int_len);
    out += '.';
    out.append(mantissa_digits, int_len);
    return out;
}

inline std::string format_value(double value, int digits) {
    if (value == 0.0) return "0";
    std::string out = value < 0 ? "-" : "";
    out += format_magnitude(value < 0 ? -value : value, digits);
    return out;
}

inline std::string text_of_double(double value) { return format_value(value, 15); }

inline std::string report_text_of_single(float value) {
    const std::string digits = format_value(value, 7);
    std::string out = digits[0] == '-' ? "" : " ";
    out += digits;
    out += ' ';
    return out;
}

// Int(x·10^k + 0.5) / 10^k, the scale formed by repeated multiplication, then the
// text of that double.
inline std::string rounded_text(Real x, int decimals) {
    Real scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale = scale * 10.0;
    return text_of_double((floor(x * scale + 0.5) / scale).value());
}

}  // namespace gp::reference
