// The fixed-point iteration for the pressure angle at the pin centres.
#include "pin_centre_angle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "messages/base.h"

namespace gp {
namespace {

TEST(PinCentreAngle, MeetsTheToleranceOverTheRangeMetInPractice) {
    for (const double inv : {1e-6, 0.001, 0.02, 0.05, 0.2, 0.5, 2.0, 100.0}) {
        const double alpha = pin_centre_angle(inv).value();
        EXPECT_LE(std::fabs(std::tan(alpha) - alpha - inv), 1e-12) << inv;
        EXPECT_GT(alpha, 0.0) << inv;
    }
}

TEST(PinCentreAngle, ZeroInvoluteKeepsTheStartValue) {
    EXPECT_EQ(pin_centre_angle(0.0).value(), 0.00000000001);
}

TEST(PinCentreAngle, StopsWhereNoAngleCanBeFound) {
    // Small negative involutes (pin centres inside the base circle) fault inside
    // the iteration; large negative ones swing α between two angles for ever; near
    // 90° the tangent is too steep for the tolerance and α stops changing.
    for (const double inv : {-1e-6, -0.01, -1.0, -5.0, -145.4, 1e4, 1e8}) {
        try {
            pin_centre_angle(inv);
            ADD_FAILURE() << inv << " found an angle";
        } catch (const StopSignal& s) {
            EXPECT_EQ(s.message, msg::kPinAngleInaccurate) << inv;
        }
    }
}

}  // namespace
}  // namespace gp
