// What holds for any valid pair: the stresses scale with the load as the method
// says, T1max is where the smallest safety ratio crosses 1; and every refused
// input and every warning, as one table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <variant>

#include "messages/rating.h"
#include "rating_calculation.h"
#include "rating_pairs.h"

namespace gp::rating {
namespace {

double smallest_ratio(const RatedPair& p, const RatingNumbers& in) {
    const auto r = std::get<RatingResult>(rate(p, in));
    return std::min({r.contact_stress.SH[0] / in.SHmin, r.contact_stress.SH[1] / in.SHmin,
                     r.root_stress.SF[0] / in.SFmin, r.root_stress.SF[1] / in.SFmin});
}

TEST(RatingProperties, LoadScalingAndMaxTorqueOverRandomPairs) {
    std::mt19937 gen(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int rated = 0;
    for (int n = 0; n < 300; ++n) {
        const double z1 = std::floor(14 + 30 * unit(gen)), z2 = std::floor(z1 + 100 * unit(gen));
        RatedPair p =
            testing::pair_of(z1, z2, 1 + 9 * unit(gen), 20, 30 * unit(gen), 10 + 60 * unit(gen),
                             0.6 * unit(gen), 0.5 * unit(gen), std::pow(10.0, 1 + 3 * unit(gen)));
        p.b = p.b * p.mn / 4;
        RatingNumbers in;
        in.n1 = std::pow(10.0, 2 + 2 * unit(gen));
        in.mat = {static_cast<MaterialClass>(gen() % 9), static_cast<MaterialClass>(gen() % 9)};
        in.sHlim = {400 + 1100 * unit(gen), 400 + 1100 * unit(gen)};
        in.Q = {static_cast<double>(gen() % 10), static_cast<double>(gen() % 10)};
        in.Lh = unit(gen) < 0.5 ? std::optional<double>(1e3 + 1e5 * unit(gen)) : std::nullopt;
        const auto limit = max_torque(p, in);
        if (std::holds_alternative<Stop>(limit)) continue;  // a refused pair
        ++rated;

        // T1max: the crossing of 1 lies between just below and just above it.
        if (const auto t = std::get<MaxTorque>(limit).T1max) {
            RatedPair below = p, above = p;
            below.T1 = *t * (1 - 1e-9);
            above.T1 = *t * (1 + 1e-9);
            EXPECT_GE(smallest_ratio(below, in), 1.0) << "pair " << n;
            EXPECT_LT(smallest_ratio(above, in), 1.0) << "pair " << n;
        }

        // With the load factors held, σH grows with √T and σF with T.
        in.Kv = 1.05;
        in.KHb = 1.2;
        in.KHa = 1.1;
        RatedPair heavier = p;
        heavier.T1 = 4 * p.T1;
        const auto light = std::get<RatingResult>(rate(p, in));
        const auto heavy = std::get<RatingResult>(rate(heavier, in));
        for (int i = 0; i < 2; ++i) {
            EXPECT_NEAR(heavy.contact_stress.SH[i] * 2, light.contact_stress.SH[i],
                        1e-12 * light.contact_stress.SH[i]);
            EXPECT_NEAR(heavy.root_stress.SF[i] * 4, light.root_stress.SF[i],
                        1e-12 * light.root_stress.SF[i]);
        }
    }
    EXPECT_GT(rated, 250);
}

// One change to the worked helical pair, and the stop or warning it must give.
struct Case {
    const char* what;
    std::function<void(RatedPair&, RatingNumbers&)> change;
    const char* stop;     // nullptr: rated
    const char* warning;  // nullptr: none expected
};

TEST(RatingProperties, StopsAndWarnings) {
    namespace m = msg::rating;
    const Case cases[] = {
        {"no speed", [](auto&, auto& in) { in.n1.reset(); }, m::kNoSpeed, nullptr},
        {"zero speed", [](auto&, auto& in) { in.n1 = 0; }, m::kNoSpeed, nullptr},
        {"zero torque", [](auto& p, auto&) { p.T1 = 0; }, m::kNoTorque, nullptr},
        {"KA 0", [](auto&, auto& in) { in.KA = 0; }, m::kBadFactors, nullptr},
        {"given Kv below 1", [](auto&, auto& in) { in.Kv = 0.99; }, m::kBadFactors, nullptr},
        {"grade 5.5", [](auto&, auto& in) { in.Q[1] = 5.5; }, m::kBadGrade, nullptr},
        {"grade 13", [](auto&, auto& in) { in.Q[0] = 13; }, m::kBadGrade, nullptr},
        {"Poisson 0.5", [](auto&, auto& in) { in.nu[1] = 0.5; }, m::kBadMaterial, nullptr},
        {"YN10 0.8", [](auto&, auto& in) { in.YN10 = 0.8; }, m::kBadMaterial, nullptr},
        {"rim 0", [](auto&, auto& in) { in.sR[0] = 0; }, m::kBadMaterial, nullptr},
        {"negative fillet", [](auto& p, auto&) { p.rho_fP[1] = -0.1; }, m::kBadMaterial, nullptr},
        {"centre distance too small", [](auto& p, auto&) { p.a = 400; }, m::kNoWorkingAngle,
         nullptr},
        {"tip inside base", [](auto& p, auto&) { p.da[0] = 130; }, m::kTipInsideBase, nullptr},
        {"wheel tip beyond pinion tangent", [](auto& p, auto&) { p.da[1] = 900; },
         m::kContactOffFlank, nullptr},
        {"εα below 1",
         [](auto& p, auto&) {
             p.da = {152, 862};
         },
         m::kContactRatioBelowOne, nullptr},
        {"running-in above misalignment",
         [](auto&, auto& in) {
             in.mat = {MaterialClass::St, MaterialClass::St}, in.sHlim = {300, 300};
         },
         m::kRunInExceedsMisalignment, nullptr},
        {"given KHβ skips that stop",
         [](auto&, auto& in) {
             in.mat = {MaterialClass::St, MaterialClass::St}, in.sHlim = {300, 300}, in.KHb = 1.2;
         },
         nullptr, nullptr},
        {"thin rim", [](auto&, auto& in) { in.sR[1] = 9; }, m::kRimTooThin, nullptr},
        {"through-hardened wheel without its limits, before a bad power share",
         [](auto&, auto& in) {
             in.mat[1] = MaterialClass::V, in.limits_missing[1] = true, in.k = 0;
         },
         m::kLimitsRequired, nullptr},
        {"power share above 100 %", [](auto&, auto& in) { in.k = 100.5; },
         m::kBadShaftOrModification, nullptr},
        {"shaft without its diameter",
         [](auto&, auto& in) { in.shaft = ShaftArrangement::a, in.l = 400, in.s = 40; },
         m::kBadShaftOrModification, nullptr},
        {"offset beyond half the span",
         [](auto&, auto& in) {
             in.shaft = ShaftArrangement::c, in.l = 400, in.s = 201, in.dsh = 120;
         },
         m::kBadShaftOrModification, nullptr},
        {"unknown helix modification",
         [](auto&, auto& in) { in.hmod = HelixModification::Unknown; }, m::kBadShaftOrModification,
         nullptr},
        {"thin rim rated", [](auto&, auto& in) { in.sR[1] = 12; }, nullptr, nullptr},
        {"main resonance", [](auto&, auto& in) { in.n1 = 9000; }, nullptr, m::kMainResonance},
        {"wide fillet",
         [](auto& p, auto&) {
             p.rho_fP = {1.2, 1.2};
         },
         nullptr, m::kNotchOutOfRange},
        {"rough root", [](auto&, auto& in) { in.RzF[1] = 41; }, nullptr,
         m::kRootRoughnessOutOfRange},
        {"wide face", [](auto& p, auto&) { p.b = 1001; }, nullptr, m::kSizeOutOfRange},
        {"KA below 1", [](auto&, auto& in) { in.KA = 0.9; }, nullptr, m::kLowApplicationFactor},
        {"rounding beyond the rack tip",
         [](auto& p, auto&) {
             p.rho_fP = {0.6, 0.6};
         },
         nullptr, m::kRoundingTooLarge},
    };
    for (const Case& c : cases) {
        RatedPair p = testing::tr_pair();
        RatingNumbers in = testing::tr_inputs();
        c.change(p, in);
        const auto outcome = rate(p, in);
        if (c.stop) {
            const auto* stop = std::get_if<Stop>(&outcome);
            ASSERT_NE(stop, nullptr) << c.what;
            EXPECT_EQ(stop->message, c.stop) << c.what;
            EXPECT_FALSE(stop->detail.empty()) << c.what;
            continue;
        }
        const auto* result = std::get_if<RatingResult>(&outcome);
        ASSERT_NE(result, nullptr) << c.what << ": " << std::get<Stop>(outcome).message;
        if (c.warning) {
            EXPECT_NE(std::find(result->warnings.begin(), result->warnings.end(), c.warning),
                      result->warnings.end())
                << c.what;
        } else {
            EXPECT_TRUE(result->warnings.empty()) << c.what << ": " << result->warnings.front();
        }
    }
    // Above 30° of helix, a pair of its own.
    RatingNumbers in;
    in.n1 = 1000;
    const auto steep =
        std::get<RatingResult>(rate(testing::pair_of(30, 60, 3, 20, 32, 40, 0, 0, 100), in));
    EXPECT_GT(steep.KHbeta, 2.0);
    EXPECT_EQ(steep.warnings, (std::vector<std::string>{m::kHelixOver30, m::kKHbetaOutOfDepth}));
}

}  // namespace
}  // namespace gp::rating
