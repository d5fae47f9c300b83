// The fuzzer is only as good as its judgement of a result text: these tests pin
// that judgement down, and tie it to what the number rules really write.
#include "result_checks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "form_from_bytes.h"
#include "number_text.h"

namespace gp::fuzz {
namespace {

struct TextCase {
    const char* text;
    bool abiding;
};

TEST(FuzzOracle, JudgesDoubleTexts) {
    const TextCase cases[] = {
        {"", true},
        {"0", true},
        {"-0", false},
        {"0.0", false},
        {"12.5", true},
        {"12.50", false},
        {"12.", false},
        {".5", false},
        {"007", false},
        {"-3.25", true},
        {"0.000000123", true},
        {"123456789012345", true},
        {"1234567890123456", false},  // 16 digits: past the rule's 15
        {"0.1234567890123456", false},
        {"1.5E+15", true},
        {"1.5E+14", false},  // below 1e15 the plain form is written
        {"1.5E-05", false},
        {"1.5e+15", false},
        {"15E+14", false},
        {"1.50E+15", false},
        {"1E+", false},
        {"nan", false},
        {"inf", false},
        {"-inf", false},
        {"1,5", false},
        {" 1", false},
        {"1 ", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_rule_abiding_number(c.text, 15, 15), c.abiding) << '"' << c.text << '"';
    }
    EXPECT_TRUE(is_rule_abiding_number("1.54716E+08", 7, 7));
    EXPECT_FALSE(is_rule_abiding_number("12345678", 7, 7));
    EXPECT_FALSE(is_rule_abiding_number("1.234567E+06", 7, 7));
}

// Whatever finite value the number rules turn into text, the oracle accepts it; a
// stricter oracle would report false crashes, a laxer one would miss real ones.
TEST(FuzzOracle, AcceptsEveryTextTheNumberRulesWrite) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const double d = std::bit_cast<double>(random());
        if (!std::isfinite(d)) continue;
        const std::string text = text_of_double(d);
        ASSERT_TRUE(is_rule_abiding_number(text, 15, 15)) << text;
        const auto f = static_cast<float>(d);
        if (!std::isfinite(f)) continue;
        const std::string single = text_of_single_digits(f);
        ASSERT_TRUE(is_rule_abiding_number(single, 7, 7)) << single;
    }
}

TEST(FuzzForm, BytesAndFormsRoundTrip) {
    GearPairInput form;
    form.zxja = "60";
    form.th1 = "P-101 齿轮";
    form.jd2 = "7FL";
    form.rule = ShiftRule::EqualNoise;
    const GearPairInput back = form_from_bytes(bytes_of_form(form));
    for (const auto& field : kInputFields) EXPECT_EQ(back.*field.text, form.*field.text);
    EXPECT_EQ(back.rule, ShiftRule::EqualNoise);

    const GearPairInput short_form = form_from_bytes("dx1\n60\n2");
    EXPECT_EQ(short_form.rule, ShiftRule::EqualStrength);
    EXPECT_EQ(short_form.fmn, "2");
    EXPECT_EQ(short_form.jd2, "");
}

}  // namespace
}  // namespace gp::fuzz
