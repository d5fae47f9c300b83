// The fillet scan's two limits: a range with no point and a range too long to scan.
#include <gtest/gtest.h>

#include "root_form_thickness.h"

namespace gp::strength {
namespace {

// The pinion of the worked spur example, whose form circle lies inside the base circle.
FilletScan pinion() {
    FilletScan s;
    s.mn = 2.0;
    s.alpha_n = 0.349065850444444;
    s.xn = 0.08;
    s.rho = 0.76;
    s.hf = 2.34;
    s.d = 40.0;
    s.dv = 40.0;
    s.dF = 36.2;
    return s;
}

TEST(FilletScan, FindsAThicknessInsideTheBaseCircle) {
    const Real sF = fillet_thickness(pinion());
    EXPECT_GT(sF, 2.0);
    EXPECT_LT(sF, 4.0);
}

TEST(FilletScan, EmptyRangeGivesZero) {
    FilletScan s = pinion();
    s.alpha_n = 1.570796328;  // pi/2 - alpha_n below 0: no angle to try
    EXPECT_EQ(fillet_thickness(s).value(), 0.0);
}

TEST(FilletScan, StopsAfterAMillionSteps) {
    FilletScan s = pinion();
    s.dF = 1e9;                       // never within tolerance
    s.alpha_n = 1.570796327 - 99.99;  // just under a million steps: the last one counts
    EXPECT_NO_THROW(fillet_thickness(s));
    s.alpha_n = 1.570796327 - 100.01;  // just over
    EXPECT_THROW(fillet_thickness(s), ArithmeticFault);
}

}  // namespace
}  // namespace gp::strength
