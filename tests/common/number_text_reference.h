// The number-to-text rule written the plain way, one string operation at a time:
// the reference the buffered texts of number_text.cpp are compared with.
#pragma once

#include <charconv>
#include <cstdlib>
#include <string>

#include "real.h"

namespace gp::reference {

inline std::string format_magnitude(double magnitude, int digits) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, digits - 1);
    const std::string sci(buf, res.ptr);  // d.ddddde[+-]xx
    const auto e_pos = sci.find('e');
    std::string mantissa_digits;
    for (std::size_t i = 0; i < e_pos; ++i) {
        if (sci[i] != '.') mantissa_digits += sci[i];
    }
    const int exponent = std::atoi(sci.c_str() + e_pos + 1);
    while (mantissa_digits.size() > 1 && mantissa_digits.back() == '0') mantissa_digits.pop_back();

    if (exponent >= digits) {
        std::string out(1, mantissa_digits[0]);
        if (mantissa_digits.size() > 1) out += "." + mantissa_digits.substr(1);
        std::string exp_text = std::to_string(exponent);
        if (exp_text.size() < 2) exp_text.insert(0, "0");
        return out + "E+" + exp_text;
    }
    if (exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa_digits;
    }
    const auto int_len = static_cast<std::size_t>(exponent) + 1;
    if (mantissa_digits.size() <= int_len) {
        return mantissa_digits + std::string(int_len - mantissa_digits.size(), '0');
    }
    return mantissa_digits.substr(0, int_len) + "." + mantissa_digits.substr(int_len);
}

inline std::string format_value(double value, int digits) {
    if (value == 0.0) return "0";
    const std::string magnitude = format_magnitude(value < 0 ? -value : value, digits);
    return value < 0 ? "-" + magnitude : magnitude;
}

inline std::string text_of_double(double value) { return format_value(value, 15); }

inline std::string report_text_of_single(float value) {
    const std::string digits = format_value(value, 7);
    return (digits[0] == '-' ? "" : " ") + digits + " ";
}

// Int(x·10^k + 0.5) / 10^k, the scale formed by repeated multiplication, then the
// text of that double.
inline std::string rounded_text(Real x, int decimals) {
    Real scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale = scale * 10.0;
    return text_of_double((floor(x * scale + 0.5) / scale).value());
}

}  // namespace gp::reference
