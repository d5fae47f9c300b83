#include "rounded_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace gp {
namespace {

double apply(const std::string& f, double x, double y) {
    if (f == "sin") return rounded::sin(x);
    if (f == "cos") return rounded::cos(x);
    if (f == "tan") return rounded::tan(x);
    if (f == "atan") return rounded::atan(x);
    return rounded::pow(x, y);
}

// Arguments the calculations produced whose results lie close to the middle between
// two doubles, with the nearest double worked out in 300-bit arithmetic: where the
// Windows runtime and the C library of Linux each misround some of them, and a
// cosine next to a right angle (a helix angle of nearly 90°) that the Windows
// runtime gets wrong in several bits.
TEST(RoundedMath, NearestDoubleWhereLibrariesMisround) {
    const struct {
        const char* f;
        double x, y, nearest;
    } cases[] = {
        {"sin", 0x1.004974e511b1p-3, 0, 0x1.ff3cb2ecc2cb5p-4},
        {"sin", 0x1.007f1c9ea8c49p-1, 0, 0x1.ebcd924a74429p-2},
        {"cos", 0x1.04dfea263c9dfp-1, 0, 0x1.bef703debdb9fp-1},
        {"cos", -0x1.921eea09acb6ap+0, 0, 0x1.96752c359e21bp-17},
        {"cos", -0x1.921f9e898f8c1p+0, 0, 0x1.6bab3457461e4p-20},
        {"cos", -0x1.921f8f8d52513p+0, 0, 0x1.2db78402a234ep-19},
        {"tan", 0x1.00670a61175bcp-1, 0, 0x1.183acf61bfc89p-1},
        {"tan", 0x1.0000fdf9071e2p+0, 0, 0x1.8eb5abce3be12p+0},
        {"tan", 0x1.000028606f6fep-1, 0, 0x1.17b52a2c8562fp-1},
        {"atan", 0x1.0022891e37525p-2, 0, 0x1.f5f8612975736p-3},
        {"atan", -0x1.634d3df5ce0e6p-3, 0, -0x1.5fccd665aa69bp-3},
        {"atan", 0x1.8p+5, 0, 0x1.8cca927cf0b3dp+0},
        {"pow", 0x1.06de4b1fc308ap+2, 0x1.b020c76d33d67p-4, 0x1.292575f3353fbp+0},
        {"pow", 0x1.08e798d0c129bp-1, 0x1.1996fb71895aep-2, 0x1.ab24974b84c71p-1},
        {"pow", 0x1.061c83e06379cp+3, 0x1.999999999999fp-3, 0x1.85dbcee3e5b7dp+0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apply(c.f, c.x, c.y), c.nearest) << c.f << " " << std::hexfloat << c.x;
    }
    EXPECT_EQ(rounded::sin(-0.0), -0.0);
    EXPECT_TRUE(std::signbit(rounded::atan(-0.0)));
    EXPECT_EQ(rounded::cos(0.0), 1.0);
    EXPECT_EQ(rounded::pow(2.0, 10.0), 1024.0);
}

// Over the angles and powers the calculations take, the functions stay within one
// last bit of the C library of Linux and agree with it almost everywhere.
TEST(RoundedMath, WithinTheLastBitOfTheCLibrary) {
#ifndef __GLIBC__
    GTEST_SKIP() << "compares with the C library of Linux";
#endif
    std::mt19937_64 random(14);
    std::uniform_real_distribution<double> angle(-1.6, 1.6), ratio(-30, 30), base(0.01, 20),
        power(-1, 1);
    int calls = 0, differ = 0;
    const auto check = [&](double mine, double library) {
        ++calls;
        if (mine == library) return;
        ++differ;
        EXPECT_TRUE(std::nextafter(library, mine) == mine) << std::hexfloat << library;
    };
    for (int i = 0; i < 100000; ++i) {
        const double x = angle(random), t = ratio(random), b = base(random), p = power(random);
        check(rounded::sin(x), std::sin(x));
        check(rounded::cos(x), std::cos(x));
        check(rounded::tan(x), std::tan(x));
        check(rounded::atan(t), std::atan(t));
        check(rounded::pow(b, p), std::pow(b, p));
    }
    EXPECT_LT(differ, calls / 200) << differ << " of " << calls;
}

}  // namespace
}  // namespace gp
