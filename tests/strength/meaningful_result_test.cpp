// A strength result is shown only when it describes a real tooth. Each condition is
// taken to its boundary on a sound pair's own quantities: exactly equal diameters,
// exactly zero, and the nearest value on the good side.
#include "meaningful_result.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <string>
#include <variant>

#include "contact_stress.h"
#include "messages/base.h"
#include "strength_calculation.h"
#include "strength_case.h"
#include "strength_pairs.h"

namespace gp::strength {
namespace {

struct Quantities {
    StrengthCore core;
    BendingStresses bending;
    Real sigma_H;
};

struct BoundaryCase {
    const char* name;
    std::function<void(Quantities&)> change;
    const char* explanation;  // a fragment the explanation must hold; nullptr: no stop
};

const BoundaryCase kBoundaries[] = {
    {"sound pair", [](Quantities&) {}, nullptr},
    {"tip diameter equal to the root diameter",
     [](Quantities& q) { q.core.geo.gear[0].da = q.core.geo.gear[0].df; },
     "主动齿轮齿顶圆直径 da1"},
    {"tip diameter one single step above the root diameter",
     [](Quantities& q) {
         float& da = q.core.geo.gear[1].da;
         da = std::nextafter(q.core.geo.gear[1].df, 1e30f);
     },
     nullptr},
    {"tip diameter below the root diameter",
     [](Quantities& q) { q.core.geo.gear[1].da = q.core.geo.gear[1].df - 1.0f; },
     "从动齿轮齿顶圆直径 da2"},
    {"zero thickness at the root form circle", [](Quantities& q) { q.core.root[1].sF = 0.0; },
     "从动齿轮齿根危险截面齿厚 sF2 = 0"},
    {"smallest positive thickness", [](Quantities& q) { q.core.root[1].sF = 1e-300; }, nullptr},
    {"negative zero form factor", [](Quantities& q) { q.bending.gear[0].YF = -0.0; },
     "主动齿轮齿形系数 YF1 = 0"},
    {"zero stress-concentration factor", [](Quantities& q) { q.bending.gear[1].Kf = 0.0; },
     "从动齿轮齿根应力集中系数 Kf2 = 0"},
    {"negative root stress", [](Quantities& q) { q.bending.gear[0].sigma = -0.00066; },
     "主动齿轮齿根弯曲应力 σF1 = -0.00066"},
    {"zero contact stress", [](Quantities& q) { q.sigma_H = 0.0; }, "齿面接触应力 σH = 0"},
    {"smallest positive contact stress", [](Quantities& q) { q.sigma_H = 4.9e-324; }, nullptr},
};

class MeaningfulResult : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(MeaningfulResult, StopsExactlyAtTheBoundary) {
    const BoundaryCase& c = GetParam();
    const GearPairInput form = testing::strength_pair(testing::kSpurExample);
    Quantities q{strength_core(form), {}, 0.0};
    q.bending = bending_stresses(q.core, BendingCase::LowOverlap);
    q.sigma_H = contact_stress(q.core);
    c.change(q);
    if (!c.explanation) {
        EXPECT_NO_THROW(require_meaningful(q.core, q.bending, q.sigma_H));
        return;
    }
    try {
        require_meaningful(q.core, q.bending, q.sigma_H);
        ADD_FAILURE() << "no stop";
    } catch (const StopSignal& stop) {
        EXPECT_EQ(stop.message, msg::kMeaninglessStrength);
        EXPECT_NE(stop.detail.find(c.explanation), std::string::npos) << stop.detail;
        // It also says where the shift coefficients come from.
        EXPECT_NE(stop.detail.find("输入表中填写的法向变位系数"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, MeaningfulResult, ::testing::ValuesIn(kBoundaries),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

// Through the whole calculation: no torque gives zero stresses, and zero is not a
// result; the earlier steps' own stops keep their messages.
TEST(MeaningfulResultCalculation, ZeroTorqueStopsAndEarlierStopsKeepTheirMessage) {
    GearPairInput form = testing::strength_pair(testing::kSpurExample);
    form.nj = "0";
    const auto zero = compute_strength(form);
    ASSERT_TRUE(std::holds_alternative<Stop>(zero));
    EXPECT_EQ(std::get<Stop>(zero).message, msg::kMeaninglessStrength);
    EXPECT_NE(std::get<Stop>(zero).detail.find("σF1 = 0"), std::string::npos);
    EXPECT_NE(std::get<Stop>(zero).detail.find("T = 0"), std::string::npos);

    form.nj = "10";
    form.fmn = "0";
    const auto degenerate = compute_strength(form);
    ASSERT_TRUE(std::holds_alternative<Stop>(degenerate));
    EXPECT_EQ(std::get<Stop>(degenerate).message, msg::kCannotCompute);
}

// The pair of the field report: geometry refuses the centre distance, and the
// strength calculation with both shift fields empty no longer shows tip below root.
TEST(MeaningfulResultCalculation, TipBelowRootOfTheReportedPair) {
    GearPairInput form = testing::strength_pair("150,3,20,15,40,1,0.25,50,26,77,,,1.14,1.14,40,40");
    const auto outcome = compute_strength(form);
    ASSERT_TRUE(std::holds_alternative<Stop>(outcome));
    const Stop& stop = std::get<Stop>(outcome);
    EXPECT_EQ(stop.message, msg::kMeaninglessStrength);
    EXPECT_NE(stop.detail.find("不大于齿根圆直径"), std::string::npos) << stop.detail;
}

}  // namespace
}  // namespace gp::strength
