// The buffered number texts agree with the plain reference on millions of values:
// every magnitude a double can have, and for the display rule the halfway values
// where Int(x·10^k + 0.5) decides, each with its two neighbouring doubles.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "number_text.h"
#include "number_text_reference.h"

namespace gp {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The new and the reference text of one value, or both faults.
testing::AssertionResult same_rounded_text(double x, int decimals) {
    std::string expected, actual;
    bool expected_fault = false, actual_fault = false;
    try {
        expected = reference::rounded_text(x, decimals);
    } catch (const ArithmeticFault&) {
        expected_fault = true;
    }
    try {
        actual = rounded_text(x, decimals);
    } catch (const ArithmeticFault&) {
        actual_fault = true;
    }
    if (expected_fault == actual_fault && expected == actual) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << std::hexfloat << x << std::defaultfloat << " (" << x << ") to " << decimals
           << " decimals: '" << actual << "'" << (actual_fault ? " fault" : "") << ", expected '"
           << expected << "'" << (expected_fault ? " fault" : "");
}

TEST(NumberTextAgreement, ShortestTextOfEveryKindOfDouble) {
    std::mt19937_64 random(20261207);
    int failures = 0;
    for (int i = 0; i < 1'000'000 && failures < 20; ++i) {
        // Any finite bit pattern: subnormals, huge magnitudes, both signs.
        double v = std::bit_cast<double>(random());
        if (!std::isfinite(v)) continue;
        if (text_of_double(v) != reference::text_of_double(v)) {
            ADD_FAILURE() << std::hexfloat << v << ": '" << text_of_double(v) << "' vs '"
                          << reference::text_of_double(v) << "'";
            ++failures;
        }
        // Single precision, as the strength report prints its diameters.
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(f) && report_text_of_single(f) != reference::report_text_of_single(f)) {
            ADD_FAILURE() << std::hexfloat << f << ": '" << report_text_of_single(f) << "' vs '"
                          << reference::report_text_of_single(f) << "'";
            ++failures;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(NumberTextAgreement, ShortestTextOfTypedNumbersAndTheirNeighbours) {
    // What people type: a few digits at any scale, read back as the nearest double;
    // with up to 15 digits its text comes from its shortest form, with 16 or 17 not.
    std::mt19937_64 random(15);
    std::uniform_int_distribution<int> digit_count(1, 17);
    std::uniform_int_distribution<int> exponent(-30, 30);
    int failures = 0;
    for (int i = 0; i < 300'000 && failures < 20; ++i) {
        std::string text;
        const int digits = digit_count(random);
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        text += "e" + std::to_string(exponent(random));
        const double typed = std::strtod(text.c_str(), nullptr);
        for (const double v : {typed, std::nextafter(typed, kInf), std::nextafter(typed, -kInf)}) {
            if (v == 0 || !std::isfinite(v)) continue;
            if (text_of_double(v) != reference::text_of_double(v) && ++failures <= 20) {
                ADD_FAILURE() << text << " " << std::hexfloat << v << ": '" << text_of_double(v)
                              << "' vs '" << reference::text_of_double(v) << "'";
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(NumberTextAgreement, RoundedTextsAtTiesTheirNeighboursAndEverywhereElse) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digit_count(1, 16);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-9, 17);
    const int decimal_choices[] = {5, 5, 5, 4, 2, 0, 3};  // mostly as the sheets round
    int failures = 0;
    long compared = 0;
    const auto check = [&](double x, int k) {
        ++compared;
        if (auto r = same_rounded_text(x, k); !r && ++failures <= 20) ADD_FAILURE() << r.message();
    };
    for (int i = 0; i < 1'430'000 && failures < 20; ++i) {
        const int k = decimal_choices[random() % std::size(decimal_choices)];
        const double scale = std::pow(10.0, k);
        // A whole number of 1 to 16 digits, either sign, up to and past the 10^15
        // where the direct text hands over to the general path.
        const std::int64_t bound = static_cast<std::int64_t>(std::pow(10.0, digit_count(random)));
        std::int64_t n = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(bound));
        if (random() & 1) n = -n;
        const double nd = static_cast<double>(n);
        // The value halfway between two displayed values, and the value shown.
        for (const double x : {(nd + 0.5) / scale, nd / scale}) {
            check(x, k);
            check(std::nextafter(x, kInf), k);
            check(std::nextafter(x, -kInf), k);
        }
        // Anything at all of ordinary size.
        const double any = mantissa(random) * std::pow(10.0, exponent(random));
        check(random() & 1 ? any : -any, k);
    }
    // Where the direct text stops, and values too large to scale.
    for (const int k : {2, 4, 5}) {
        const double scale = std::pow(10.0, k);
        for (double n : {1e15 - 2, 1e15 - 1, 1e15, 1e15 + 2, -1e15 + 1, -1e15}) {
            for (const double x : {n / scale, (n + 0.5) / scale, (n - 0.5) / scale}) {
                check(x, k);
                check(std::nextafter(x, kInf), k);
                check(std::nextafter(x, -kInf), k);
            }
        }
        for (const double x : {1e300, -1e300, 1.7e308, 0.0, -0.0, 4.9e-324, -4.9e-324}) check(x, k);
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GE(compared, 10'000'000);
}

}  // namespace
}  // namespace gp
