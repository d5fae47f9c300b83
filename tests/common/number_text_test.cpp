#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

namespace gp {
namespace {

TEST(NumberText, DoubleWithFifteenDigits) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {20, "20"},
        {2.5, "2.5"},
        {-0.18329, "-0.18329"},
        {0.1 + 0.2, "0.3"},
        {20 * 3.141592654 / 180, "0.349065850444444"},
        {0.00005, "0.00005"},
        {-0.00001, "-0.00001"},
        {1.23e-7, "0.000000123"},
        {0.0001, "0.0001"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {-2.5e20, "-2.5E+20"},
        {1e100, "1E+100"},
        {0.30000000000000004, "0.3"},
        {2.0000000000000004, "2"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(text_of_double(v), text) << v;
}

TEST(NumberText, SingleAsReportItem) {
    const std::pair<float, const char*> cases[] = {
        {52.5f, " 52.5 "},
        {-3.25f, "-3.25 "},
        {898.65625f, " 898.6562 "},  // exact tie, to even
        {44.32f, " 44.32 "},
        {154716000.0f, " 1.54716E+08 "},
        {1e7f, " 1E+07 "},
        {9999999.0f, " 9999999 "},
        {0.0f, " 0 "},
        {0.00005f, " 0.00005 "},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(report_text_of_single(v), text) << v;
}

TEST(NumberText, RoundHalfUpUsesTheFloor) {
    const std::tuple<double, int, const char*> cases[] = {
        {1.625605, 5, "1.62561"}, {-0.183285, 5, "-0.18328"}, {485.525, 2, "485.53"},
        {-2.5, 0, "-2"},          {3.219, 5, "3.219"},        {0.000004, 5, "0"},
        {-0.000004, 5, "0"},      {500.00004, 4, "500"},
    };
    for (const auto& [v, k, text] : cases) EXPECT_EQ(rounded_text(v, k), text) << v;
}

TEST(NumberText, ANegativeNumberOfDecimalsIsRefused) {
    for (int k : {-1, -5, std::numeric_limits<int>::min()}) {
        EXPECT_THROW(rounded_text(Real(1.5), k), std::invalid_argument) << k;
        EXPECT_THROW(round_half_up(Real(1.5), k), std::invalid_argument) << k;
    }
}

TEST(NumberText, RoundingAnOverflowingValueIsAFault) {
    EXPECT_THROW(round_half_up(1e304, 5), ArithmeticFault);
}

// Full precision is printf's %.17g, and reads back as the same double, over random
// bit patterns (subnormals, huge and negative values among them).
TEST(NumberText, FullPrecisionIsPercentSeventeenG) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        const double d = std::bit_cast<double>(random());
        if (!std::isfinite(d)) continue;
        const std::string text = full_precision_text(d);
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.17g", d);
        ASSERT_EQ(text, expected);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), d) << text;
    }
}

}  // namespace
}  // namespace gp
