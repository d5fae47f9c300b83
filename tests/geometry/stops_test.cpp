// Pairs the geometry calculation cannot finish: each ends with one message and no
// result, the first failing step deciding which message.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <variant>

#include "geometry_calculation.h"
#include "messages/base.h"
#include "reference_pair.h"

namespace gp {
namespace {

using testing::FieldTexts;
using testing::reference_pair;

struct StopCase {
    const char* name;
    FieldTexts form;  // changes to the reference pair
    const char* message;
};

const StopCase kStops[] = {
    // The form checks.
    {"letters in a required field", {{"zxja", "abc"}}, msg::kLettersOrSymbols},
    {"letters in an optional field", {{"dpg2", "3,5"}}, msg::kLettersOrSymbols},
    {"empty required field", {{"fr2", ""}}, msg::kIncomplete},
    // Checked steps of the calculation.
    {"centre distance shorter than the base circles allow", {{"zxja", "50"}}, msg::kCannotCompute},
    {"tip circle of gear 1 inside its base circle",
     {{"xng1", "-3"}, {"xng2", "3"}},
     msg::kCannotCompute},
    {"tip circle of gear 2 inside its base circle",
     {{"xng1", "3"}, {"xng2", "-3"}},
     msg::kCannotCompute},
    {"pin centres of gear 1 inside the base circle", {{"dpg1", "0.01"}}, msg::kPinAngleInaccurate},
    {"pin centres of gear 2 inside the base circle", {{"dpg2", "0.01"}}, msg::kPinAngleInaccurate},
    {"pin so large that the angle cannot meet the tolerance",
     {{"dpg1", "20000"}},
     msg::kPinAngleInaccurate},
    // Degenerate pairs end in an arithmetic fault.
    {"zero module", {{"fmn", "0"}}, msg::kCannotCompute},
    {"zero teeth on gear 1", {{"cs1z1", "0"}}, msg::kCannotCompute},
    {"zero teeth on both gears", {{"cs1z1", "0"}, {"cs2z2", "0"}}, msg::kCannotCompute},
    {"zero centre distance", {{"zxja", "0"}}, msg::kCannotCompute},
    {"zero pressure angle", {{"fjafn", "0"}}, msg::kCannotCompute},
    {"helix angle of 90 degrees", {{"lxjbt", "90"}}, msg::kCannotCompute},
    {"shift so large that the span contact angle has no cosine",
     {{"xng1", "-0.8"}, {"xng2", "0.8"}},
     msg::kCannotCompute},
    // Numbers too large for a double, whichever rule reads them.
    {"overflowing required field", {{"zxja", "1e400"}}, msg::kCannotCompute},
    {"overflowing typed shift", {{"xng1", "1e400"}, {"xng2", "0"}}, msg::kCannotCompute},
    {"overflowing typed pin diameter", {{"dpg1", "1e400"}}, msg::kCannotCompute},
    // Gear 1's pins are solved before gear 2's diameter is read.
    {"gear 1 pin stop before gear 2 pin overflow",
     {{"dpg1", "0.01"}, {"dpg2", "1e400"}},
     msg::kPinAngleInaccurate},
    {"gear 1 pin overflow before gear 2 pin stop",
     {{"dpg1", "1e400"}, {"dpg2", "0.01"}},
     msg::kCannotCompute},
    // Texts users really type into a number field.
    {"full width digits", {{"zxja", "６０"}}, msg::kLettersOrSymbols},
    {"comma as decimal point", {{"fmn", "2,5"}}, msg::kLettersOrSymbols},
    {"control character after the number", {{"cs1z1", "20\x01"}}, msg::kLettersOrSymbols},
    {"lone sign", {{"ess1", "-"}}, msg::kLettersOrSymbols},
    {"blank only", {{"fr1", " "}}, msg::kLettersOrSymbols},
    {"exponent beyond a double", {{"ckbw", "1e999"}}, msg::kCannotCompute},
    {"negative zero module", {{"fmn", "-0"}}, msg::kCannotCompute},
};

class GeometryStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(GeometryStop, EndsWithItsMessage) {
    const StopCase& c = GetParam();
    const auto outcome = compute_geometry(reference_pair(c.form));
    ASSERT_TRUE(std::holds_alternative<Stop>(outcome)) << c.name;
    EXPECT_EQ(std::get<Stop>(outcome).message, c.message) << c.name;
    // Beside the message, an explanation in the engineer's words.
    const std::string& detail = std::get<Stop>(outcome).detail;
    EXPECT_GT(detail.size(), 6u) << c.name;
    EXPECT_EQ(detail.find("nan"), std::string::npos) << c.name << ": " << detail;
}

// The explanation of an unattainable centre distance gives the smallest one that
// works: that distance passes, and 0.00001 less does not.
TEST(GeometryStopExplanation, SmallestCentreDistanceIsAttainable) {
    for (const char* helix : {"0", "15", "33.3"}) {
        for (const char* teeth : {"20", "17", "131"}) {
            const auto refused = compute_geometry(
                reference_pair({{"zxja", "1"}, {"lxjbt", helix}, {"cs2z2", teeth}}));
            ASSERT_TRUE(std::holds_alternative<Stop>(refused));
            const std::string& detail = std::get<Stop>(refused).detail;
            const auto at = detail.find("最小中心距 ");
            ASSERT_NE(at, std::string::npos) << detail;
            EXPECT_NE(detail.find("a0 = "), std::string::npos) << detail;
            const double smallest =
                std::stod(detail.substr(at + std::string("最小中心距 ").size()));
            const auto text = [](double a) {
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.5f", a);
                return std::string(buf);
            };
            const auto at_smallest = compute_geometry(reference_pair(
                {{"zxja", text(smallest).c_str()}, {"lxjbt", helix}, {"cs2z2", teeth}}));
            if (const auto* stop = std::get_if<Stop>(&at_smallest)) {
                EXPECT_EQ(stop->detail.find("最小中心距"), std::string::npos) << stop->detail;
            }
            const auto below = compute_geometry(reference_pair(
                {{"zxja", text(smallest - 0.00001).c_str()}, {"lxjbt", helix}, {"cs2z2", teeth}}));
            ASSERT_TRUE(std::holds_alternative<Stop>(below));
            EXPECT_NE(std::get<Stop>(below).detail.find("最小中心距"), std::string::npos);
        }
    }
}

// Ten thousand characters pasted into a field: a number too large in a number
// field, and an ordinary result whatever the length of a drawing number.
TEST(GeometryLongTexts, EndInAMessageOrAResult) {
    const std::string digits(10000, '9');
    const auto overflow = compute_geometry(reference_pair({{"zxja", digits.c_str()}}));
    ASSERT_TRUE(std::holds_alternative<Stop>(overflow));
    EXPECT_EQ(std::get<Stop>(overflow).message, msg::kCannotCompute);

    const std::string letters(10000, 'x');
    const auto letters_in_number = compute_geometry(reference_pair({{"fmn", letters.c_str()}}));
    ASSERT_TRUE(std::holds_alternative<Stop>(letters_in_number));
    EXPECT_EQ(std::get<Stop>(letters_in_number).message, msg::kLettersOrSymbols);

    const auto long_drawing_number = compute_geometry(reference_pair({{"th1", letters.c_str()}}));
    EXPECT_TRUE(std::holds_alternative<GeometryResult>(long_drawing_number));
}

INSTANTIATE_TEST_SUITE_P(Geometry, GeometryStop, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return testing::test_name(info.param.name); });

}  // namespace
}  // namespace gp
