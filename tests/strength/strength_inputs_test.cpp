// Reading the typed texts: the angle round trip, the single-precision diameters and
// the messages a form that cannot be calculated ends with.
#include "strength_inputs.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <variant>

#include "messages/base.h"
#include "number_text.h"
#include "reference_geometry.h"
#include "strength_calculation.h"
#include "strength_pairs.h"

namespace gp {
namespace {

TEST(StrengthReading, AnglesCarryFifteenSignificantDigits) {
    const struct {
        const char* degrees;
        double radians;
    } rows[] = {
        {"20", 0.349065850444444},  // 20 * 3.141592654 / 180 = 0.34906585044444...
        {" 14.5 ", 0.253072741572222},  {"-15", -0.261799387833333}, {"0", 0.0},
        {"1e-3", 1.74532925222222e-05},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(strength::radians_from_degrees_text(r.degrees).value(), r.radians) << r.degrees;
    }
    EXPECT_NE(0.349065850444444, 20 * 3.141592654 / 180);
}

TEST(StrengthReading, SinglePrecisionDiameters) {
    using strength::to_single;
    EXPECT_EQ(rounded_text(Real(to_single(50.4)), 5), "50.4");
    EXPECT_EQ(to_single(-FLT_MAX), -FLT_MAX);
    // Up to half a step above the largest single the value still rounds down to it.
    EXPECT_EQ(to_single(std::nextafter(0x1.ffffffp+127, 0.0)), FLT_MAX);
    EXPECT_THROW(to_single(0x1.ffffffp+127), ArithmeticFault);
    EXPECT_THROW(to_single(-1e39), ArithmeticFault);
}

// Field overrides on a pair that otherwise calculates.
struct Override {
    const char* what;
    const char* field;
    const char* text;
    const char* message;
};

TEST(StrengthReading, FormsThatStop) {
    const Override rows[] = {
        {"no torque", "nj", "", msg::kNoTorque},
        {"torque with letters", "nj", "10kg", msg::kLettersOrSymbols},
        {"pressure angle empty", "fjafn", "", msg::kIncomplete},
        {"pressure angle with a degree sign", "fjafn", "20°", msg::kLettersOrSymbols},
        {"helix angle empty", "lxjbt", "", msg::kIncomplete},
        {"helix angle in words", "lxjbt", "abc", msg::kLettersOrSymbols},
        {"helix angle beyond double range", "lxjbt", "1e400", msg::kCannotCompute},
        {"pressure angle overflowing in radians", "fjafn", "1e308", msg::kCannotCompute},
        {"torque beyond double range", "nj", "1e400", msg::kCannotCompute},
        {"zero module", "fmn", "0", msg::kCannotCompute},
        {"module in hexadecimal reads as 0", "fmn", "&H10", msg::kCannotCompute},
        {"no teeth on the pinion", "cs1z1", "", msg::kCannotCompute},
        {"no teeth on the wheel", "cs2z2", "0", msg::kCannotCompute},
        {"zero centre distance", "zxja", "", msg::kCannotCompute},
        {"zero face width of a gear", "ck1", "0", msg::kCannotCompute},
        {"tip diameter beyond single range", "h0", "1e38", msg::kCannotCompute},
        {"pressure angle past 90 degrees: empty fillet scan", "fjafn", "179", msg::kCannotCompute},
    };
    for (const auto& r : rows) {
        GearPairInput in = testing::strength_pair(testing::kSpurExample);
        in.*(find_input_field(r.field)->text) = r.text;
        const auto outcome = compute_strength(in);
        ASSERT_TRUE(std::holds_alternative<Stop>(outcome)) << r.what;
        EXPECT_EQ(std::get<Stop>(outcome).message, r.message) << r.what;
    }
}

// A stop in the angles comes before any arithmetic fault of the fields read after
// them, and after those read before them.
TEST(StrengthReading, ReadingOrderDecidesTheMessage) {
    GearPairInput in = testing::strength_pair(testing::kSpurExample);
    in.fjafn = "";
    in.nj = "1e400";
    EXPECT_EQ(std::get<Stop>(compute_strength(in)).message, msg::kIncomplete);
    in.fmn = "1e400";
    EXPECT_EQ(std::get<Stop>(compute_strength(in)).message, msg::kCannotCompute);
}

}  // namespace
}  // namespace gp
