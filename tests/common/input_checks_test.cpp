#include "input_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "messages/base.h"

namespace gp {
namespace {

GearPairInput complete_geometry_input() {
    GearPairInput in;
    in.zxja = "60", in.fmn = "2", in.fjafn = "20", in.lxjbt = "0", in.ckbw = "30";
    in.h0 = "1", in.c0 = "0.25", in.cs1z1 = "20", in.cs2z2 = "40";
    in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
    return in;
}

struct CheckCase {
    const char* what;
    std::function<void(GearPairInput&)> change;
    const char* message;  // nullptr: passes
    const char* field;
};

TEST(InputChecks, GeometryButton) {
    const CheckCase cases[] = {
        {"complete", [](auto&) {}, nullptr, ""},
        {"all empty", [](auto& in) { in = GearPairInput{}; }, msg::kIncomplete, "zxja"},
        {"optional xng1 with letters", [](auto& in) { in.xng1 = "abc"; }, msg::kLettersOrSymbols,
         "xng1"},
        {"letters win over missing", [](auto& in) { in.fr2 = "", in.dpg2 = "x"; },
         msg::kLettersOrSymbols, "dpg2"},
        {"blanks around a number", [](auto& in) { in.fmn = " 2.5 "; }, nullptr, ""},
        {"comma decimal", [](auto& in) { in.fmn = "2,5"; }, msg::kLettersOrSymbols, "fmn"},
        {"missing wheel runout", [](auto& in) { in.fr2 = ""; }, msg::kIncomplete, "fr2"},
        {"torque and texts ignored", [](auto& in) { in.nj = "x", in.th1 = "?", in.ck1 = "y"; },
         nullptr, ""},
    };
    for (const auto& c : cases) {
        GearPairInput in = complete_geometry_input();
        c.change(in);
        const auto failure = check_for_geometry(in);
        if (!c.message) {
            EXPECT_FALSE(failure) << c.what;
            continue;
        }
        ASSERT_TRUE(failure) << c.what;
        EXPECT_EQ(failure->message, c.message) << c.what;
        EXPECT_EQ(failure->field, c.field) << c.what;
    }
}

TEST(InputChecks, StrengthButtonLooksAtTheTorqueOnly) {
    GearPairInput in;
    in.zxja = "letters";
    EXPECT_EQ(check_for_strength(in)->message, msg::kNoTorque);
    in.nj = "1O";
    EXPECT_EQ(check_for_strength(in)->message, msg::kLettersOrSymbols);
    in.nj = "12";
    EXPECT_FALSE(check_for_strength(in));
}

}  // namespace
}  // namespace gp
