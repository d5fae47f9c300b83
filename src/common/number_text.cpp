#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace gp {
namespace {

// Room for the longest text: a sign, "0.", 323 zeros before the first digit of the
// smallest subnormal double, and 15 digits.
constexpr std::size_t kTextRoom = 352;

// The 15 significant digits of a double are those of its shortest round-trip text
// when that text has no more than 15 (as the numbers people type do), found much
// faster than by rounding the exact binary value. Why they agree: the shortest text
// S lies within half an ulp of the value v, so |S − v| <= 2^-53·|v| < 1.12e-16·|v|.
// With at most 15 digits, S lies on the grid of 15 significant digits of v's decade
// 10^e <= |v| < 10^(e+1) (or is 10^(e+1) itself, a point of that grid too; it cannot
// lie in the decade below, whose grid points are 10^(e−15) or more below 10^e, too
// far from v). That grid's spacing is 10^(e−14) > 1e-15·|v|, so S is strictly the
// nearest grid point: exactly the value rounded to 15 digits, and S has no trailing
// zeros to drop. The bound on |S − v| needs a normal double (a subnormal has fewer
// bits) and fails for a single-precision value promoted to double.
std::to_chars_result scientific_text(char* first, char* last, double magnitude, int digits) {
    if (digits == 15 && magnitude >= std::numeric_limits<double>::min()) {
        const auto shortest = std::to_chars(first, last, magnitude, std::chars_format::scientific);
        int significant = 0;
        for (const char* p = first; p < shortest.ptr && *p != 'e'; ++p) significant += *p != '.';
        if (significant <= digits) return shortest;
    }
    return std::to_chars(first, last, magnitude, std::chars_format::scientific, digits - 1);
}

// Writes |value| (non-zero, finite) rounded to `digits` significant digits, plain
// decimal below 10^digits and exponent form from there up, starting at `out`;
// returns one past the last character written.
char* write_magnitude(char* out, double magnitude, int digits) {
    // Never reached through Real, which has no infinity or NaN; written as the
    // library spells them rather than read past.
    if (!std::isfinite(magnitude)) return std::to_chars(out, out + 8, magnitude).ptr;
    // d.ddddde[+-]xx, correctly rounded to `digits` significant digits.
    char sci[40];
    const auto res = scientific_text(sci, sci + sizeof sci, magnitude, digits);
    const char* e_at = sci;
    while (*e_at != 'e') ++e_at;

    // The significant digits without the point, trailing zeros dropped.
    char mantissa[24];
    int count = 0;
    for (const char* p = sci; p < e_at; ++p) {
        if (*p != '.') mantissa[count++] = *p;
    }
    while (count > 1 && mantissa[count - 1] == '0') --count;

    int exponent = 0;
    for (const char* p = e_at + 2; p < res.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    if (e_at[1] == '-') exponent = -exponent;

    if (exponent >= digits) {
        *out++ = mantissa[0];
        if (count > 1) {
            *out++ = '.';
            for (int i = 1; i < count; ++i) *out++ = mantissa[i];
        }
        *out++ = 'E';
        *out++ = '+';
        if (exponent < 10) *out++ = '0';
        return std::to_chars(out, out + 4, exponent).ptr;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -exponent - 1; ++i) *out++ = '0';
        for (int i = 0; i < count; ++i) *out++ = mantissa[i];
        return out;
    }
    const int int_len = exponent + 1;
    for (int i = 0; i < int_len; ++i) *out++ = i < count ? mantissa[i] : '0';
    if (count > int_len) {
        *out++ = '.';
        for (int i = int_len; i < count; ++i) *out++ = mantissa[i];
    }
    return out;
}

std::string format_value(double value, int digits) {
    if (value == 0.0) return "0";
    char buf[kTextRoom];
    char* out = buf;
    if (value < 0) *out++ = '-';
    out = write_magnitude(out, std::fabs(value), digits);
    return std::string(buf, out);
}

// 10^0 … 10^22: every one is a double exactly, and each equals the product of
// that many tens formed one multiplication at a time (every partial product is
// exact, so no rounding ever enters).
constexpr int kExactPowers = 23;
constexpr std::array<double, kExactPowers> kPowersOfTen = [] {
    std::array<double, kExactPowers> p{};
    double v = 1.0;
    for (int i = 0; i < kExactPowers; ++i, v *= 10.0) p[i] = v;
    return p;
}();

Real power_of_ten(int decimals) {
    // A negative count would round to whole numbers and write its text from a point
    // outside the digits: refused, whatever the build.
    if (decimals < 0) throw std::invalid_argument("negative number of decimals");
    if (decimals < kExactPowers) return kPowersOfTen[decimals];
    Real scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale = scale * 10.0;
    return scale;
}

// Below this bound a rounded whole number has at most 15 digits, which is what the
// direct text below relies on.
constexpr double kDirectLimit = 1e15;

// The text of n / 10^decimals for a whole number |n| < 10^15, written from the
// digits of n: the decimal point `decimals` places from the right, trailing zeros
// of the fraction and a bare point dropped.
std::string decimal_text_of_scaled(std::int64_t n, int decimals) {
    if (n == 0) return "0";
    const std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : n;
    // The digits, right-aligned after room for a sign, a "0." and leading zeros.
    char buf[64];
    constexpr int kRoom = 26;
    char* const digits = buf + kRoom;
    const int count =
        static_cast<int>(std::to_chars(digits, buf + sizeof buf, magnitude).ptr - digits);
    // Fraction digits are the last `decimals`; those that are zeros at its end go.
    char* end = digits + count;
    char* const point = end - decimals;  // where the point goes, may lie before the digits
    while (end > point && end > digits && end[-1] == '0') --end;
    if (end == point) {
        // A whole number: n is a multiple of 10^decimals.
        char* first = digits;
        if (n < 0) *--first = '-';
        return std::string(first, end);
    }
    char* first = digits;
    if (point <= digits) {
        // 0.000ddd: zeros between the point and the first digit.
        while (first > point) *--first = '0';
        *--first = '.';
        *--first = '0';
    } else {
        // ddd.ddd: the integer digits move one place left to make room for the point.
        std::memmove(digits - 1, digits, static_cast<std::size_t>(point - digits));
        point[-1] = '.';
        --first;
    }
    if (n < 0) *--first = '-';
    return std::string(first, end);
}

}  // namespace

std::string text_of_double(double value) { return format_value(value, 15); }

std::string text_of_single_digits(float value) { return format_value(value, 7); }

std::string report_text_of_single(float value) {
    char buf[kTextRoom];
    char* out = buf;
    if (value == 0.0f) {
        *out++ = ' ';
        *out++ = '0';
    } else {
        *out++ = value < 0 ? '-' : ' ';
        out = write_magnitude(out, std::fabs(static_cast<double>(value)), 7);
    }
    *out++ = ' ';
    return std::string(buf, out);
}

Real round_half_up(Real x, int decimals) {
    const Real scale = power_of_ten(decimals);
    return floor(x * scale + 0.5) / scale;
}

// Why the text may be written from the whole number N = Int(x·10^k + 0.5) instead
// of from the double q = N / 10^k that the display rule rounds to 15 digits:
//
// Let |N| < 10^15 and 0 <= k <= 22, so that N and 10^k are exact doubles and q is
// the correctly rounded quotient of v = N·10^-k: |q − v| <= 2^-53·|v|, below
// 1.12e-16·|v|. N has D <= 15 digits, so v's leading digit stands at the power
// e = D − 1 − k and its last at −k >= e − 14: v lies on the grid of 15 significant
// digits at exponent e, whose spacing is 10^(e−14). Since |v| < 10^(e+1), half the
// spacing is more than 5e-16·|v|, so q is strictly nearer to v than to any other
// point of that grid (no tie can arise). q cannot leave v's decade either: upward,
// the largest grid point below 10^(e+1) is a whole spacing away from it, more than
// |q − v|; downward, only v = 10^e has a lower neighbour decade, and there q lies
// within 0.12·10^(e−15) of 10^e, under half the finer spacing 10^(e−15) below
// 10^e, so it still rounds to 10^e. Rounding q to 15 significant digits therefore
// gives exactly the digits of N with the point k places from the right, and below
// 10^15 the rule writes plain decimals. Both texts drop the same trailing zeros.
// Larger whole numbers and more decimals take the general path.
std::string rounded_text(Real x, int decimals) {
    const Real scale = power_of_ten(decimals);
    const Real whole = floor(x * scale + 0.5);
    if (decimals < kExactPowers && std::fabs(whole.value()) < kDirectLimit) {
        return decimal_text_of_scaled(static_cast<std::int64_t>(whole.value()), decimals);
    }
    return text_of_double(whole / scale);
}

std::string round_trip_text(double value) {
    std::string text(32, '\0');  // "-1.2345678901234567e-308" fits
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::general, 17);
    text.resize(static_cast<std::size_t>(r.ptr - text.data()));
    return text;
}

}  // namespace gp
