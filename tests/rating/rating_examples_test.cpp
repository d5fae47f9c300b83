// The two worked pairs, every value of the rating to 1e-6 relative (1e-9 absolute
// for 0 and 1), read through the same table of quantities the sheet and the batch
// tool use.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "rating_calculation.h"
#include "rating_pairs.h"
#include "rating_quantities.h"

namespace gp::rating {
namespace {

struct Expected {
    const char* key;  // a quantity of the table, or a root value below
    double pinion;
    double wheel;  // NAN for a pair value
};

// Root values that are no reported quantity: the auxiliary values and the check
// quantities with the load at the tip.
std::optional<double> root_value(const RatingResult& r, const std::string& key, int i) {
    const RootGeometry& g = r.root[i];
    if (key == "E") return g.E;
    if (key == "G") return g.G;
    if (key == "H") return g.H;
    if (key == "alpha_Fan" && g.alpha_Fan) return *g.alpha_Fan * 180.0 / std::numbers::pi;
    if (key == "hFa") return g.hFa;
    if (key == "YFa") return g.YFa;
    if (key == "YSa") return g.YSa;
    return std::nullopt;
}

std::optional<double> value(const RatingResult& r, const std::string& key, int i) {
    for (const RatingQuantity& q : rating_quantities()) {
        if (key == q.key) return q.value(r, i);
    }
    return root_value(r, key, i);
}

void expect_values(const RatingResult& r, const std::vector<Expected>& table) {
    for (const Expected& e : table) {
        for (int i = 0; i < (std::isnan(e.wheel) ? 1 : 2); ++i) {
            const double want = i == 0 ? e.pinion : e.wheel;
            const auto got = value(r, e.key, i);
            ASSERT_TRUE(got.has_value()) << e.key << " gear " << i;
            const double tol = (want == 0.0 || want == 1.0) ? 1e-9 : 1e-6 * std::fabs(want);
            EXPECT_NEAR(*got, want, tol) << e.key << " gear " << i;
        }
    }
}

RatingResult rated(const RatedPair& p, const RatingNumbers& in) {
    const auto outcome = rate(p, in);
    if (const auto* stop = std::get_if<Stop>(&outcome)) ADD_FAILURE() << stop->message;
    return std::get<RatingResult>(outcome);
}

constexpr double kPair = NAN;

TEST(RatingExamples, HelicalPairOfTheTechnicalReport) {
    const RatingResult r = rated(testing::tr_pair(), testing::tr_inputs());
    // clang-format off
    expect_values(r, {
        {"Ft", 127352.3815, kPair}, {"v", 2.664198365, kPair}, {"Kv", 1.003189289, kPair},
        {"KHalpha", 1, kPair}, {"KFalpha", 1, kPair}, {"KHbeta", 1.159561815, kPair},
        {"KFbeta", 1.128027851, kPair}, {"zn", 18.905123, 114.5428041},
        {"NL", 1.08e9, 178252427.2}, {"ZNT", 0.9100544614, 0.9617586857}, {"ZX", 1, kPair},
        {"ZW", 1, kPair}, {"ZR", 0.9659877557, kPair}, {"Zv", 0.9691142067, kPair},
        {"ZL", 1.047386145, kPair}, {"Zbeta", 1.019443739, kPair}, {"Zeps", 0.8034551914, kPair},
        {"ZE", 189.8117004, kPair}, {"ZB", 1, kPair}, {"ZD", 1, kPair},
        {"ZH", 2.395334299, kPair}, {"c_prime", 12.37047191, kPair},
        {"c_th", 17.85584047, kPair}, {"c_gamma_alpha", 17.46484963, kPair},
        {"c_gamma_beta", 14.84512218, kPair}, {"sigma_H0", 1206.582066, kPair},
        {"sigma_H", 1301.353433, 1301.353433}, {"sigma_HP", 1338.4805, 1414.525505},
        {"SH", 1.028529581, 1.086964901},
        // Intermediate values.
        {"alpha_t", 20.71971177, kPair}, {"beta_b", 14.82453468, kPair},
        {"alpha_wt", 21.0660998, kPair}, {"eps_alpha", 1.549090097, kPair},
        {"eps_beta", 1.083368681, kPair}, {"eps_gamma", 2.632458777, kPair},
        {"eps_alpha_n", 1.657603814, kPair}, {"h", 19.19994347, 19.19759865},
        {"fpt", 8, 9.5}, {"ffalpha", 10, 12}, {"fHb", 8.5, 9.5}, {"fpb", 8.885562493, kPair},
        {"y_alpha", 0.666417187, kPair}, {"y_f", 0.9, kPair}, {"q_prime", 0.05600408458, kPair},
        {"CB", 0.9, kPair}, {"mred", 0.06666642085, kPair}, {"nE1", 9091.830201, kPair},
        {"N", 0.03959598805, kPair}, {"Bp", 0.07983730258, kPair}, {"Bf", 0.1078207071, kPair},
        {"Bk", 0.3200495949, kPair}, {"fsh", 14.70912791, kPair}, {"fma", 12.74754878, kPair},
        {"F_beta_x", 32.31068891, kPair}, {"y_beta", 4.846603336, kPair},
        {"F_beta_y", 27.46408557, kPair}, {"M1", 1.1008727, kPair},
        {"M2", 0.9189187447, kPair}, {"NF", 0.8137602181, kPair},
        {"rho_red", 21.85374124, kPair}, {"Rz10", 4.623554539, kPair},
        // Bending.
        {"E", 0.02207116418, 0.02207116418}, {"G", -0.865, -1.01},
        {"H", -0.8813126288, -1.019818486}, {"theta", 45.21321294, 56.88234246},
        {"sFn", 16.18224783, 18.81777714}, {"rhoF", 4.649286541, 3.944954591},
        {"den", 154.8241374, 920.8748293}, {"alpha_Fen", 18.82701797, 20.08023819},
        {"hFe", 8.432217071, 9.866607613}, {"YF", 1.55682154, 1.336751269},
        {"qs", 1.740293665, 2.385043568}, {"YS", 1.82439732, 2.074923768},
        {"Ybeta", 0.8683333333, kPair}, {"YB", 1, 1}, {"YDT", 1, kPair},
        {"sigma_F0", 392.6104131, 383.4037067}, {"sigma_F", 444.2879385, 433.8693951},
        {"YNT", 0.8887596623, 0.9214240192}, {"YdeltarelT", 0.992310683, 0.9989049123},
        {"YRrelT", 1.031363371, 1.031363371}, {"YX", 0.97, 0.97},
        {"sigma_FP", 882.2982943, 920.8038264}, {"SF", 1.985870463, 2.122306475},
    });
    // clang-format on
    EXPECT_EQ(r.dynamic->range, KvRange::Subcritical);
}

// The technical report's pair with the pinion's helix modified, and with a
// shaft and a power split that scale the deformation part of the misalignment.
TEST(RatingExamples, HelixModificationsShaftAndPowerSplitOnTheTechnicalReportPair) {
    const struct {
        HelixModification hmod;
        ShaftArrangement shaft;
        double k, KHbeta;
    } cases[] = {
        {HelixModification::None, ShaftArrangement::None, 100, 1.15956},
        {HelixModification::Crown, ShaftArrangement::None, 100, 1.128},
        {HelixModification::Correction, ShaftArrangement::None, 100, 1.073},
        {HelixModification::CorrectionAndCrown, ShaftArrangement::None, 100, 1.041},
        {HelixModification::EndRelief, ShaftArrangement::None, 100, 1.112},
    };
    for (const auto& c : cases) {
        RatingNumbers in = testing::tr_inputs();
        in.hmod = c.hmod;
        in.shaft = c.shaft;
        in.k = c.k;
        EXPECT_NEAR(rated(testing::tr_pair(), in).KHbeta, c.KHbeta, 1e-3)
            << static_cast<int>(c.hmod);
    }
    // The shaft term: B* + T′ − 0.3 as the deformation's multiplier. The pinion of
    // arrangement c, 120 mm shaft (not stiff: d1/dsh = 141.34/120 > 1.15 is stiff).
    RatingNumbers in = testing::tr_inputs();
    const FaceLoad plain = *rated(testing::tr_pair(), in).face;
    in.shaft = ShaftArrangement::c, in.l = 400, in.s = 60, in.dsh = 120;
    const double d1 = 17 * 8 / std::cos(15.8 * std::numbers::pi / 180);
    const double T_prime = 1.33 * 400 * 60 / (d1 * d1) * std::pow(d1 / 120, 4);
    const FaceLoad shaft = *rated(testing::tr_pair(), in).face;
    EXPECT_NEAR(shaft.fsh / plain.fsh, std::fabs(1 + T_prime - 0.3) + 0.3, 1e-12);
    in.k = 50;  // B* = 1 + 2·(100 − k)/k = 3
    EXPECT_NEAR(rated(testing::tr_pair(), in).face->fsh / plain.fsh,
                std::fabs(3 + T_prime - 0.3) + 0.3, 1e-12);
}

TEST(RatingExamples, SpurPairRootGeometry) {
    RatingNumbers in;
    in.n1 = 980;
    const RatingResult r = rated(testing::spur_pair(), in);
    // clang-format off
    expect_values(r, {
        {"alpha_wt", 21.53190229, kPair}, {"eps_alpha", 1.536323595, kPair},
        {"Ft", 14103.4187, kPair}, {"ZH", 2.395940667, kPair}, {"M1", 1.005547045, kPair},
        {"M2", 0.8835590102, kPair}, {"E", 0.621533944, 0.621533944},
        {"H", -0.8982067259, -1.019978073}, {"theta", 48.10228065, 56.99834539},
        {"sFn", 8.749195904, 9.239568747}, {"rhoF", 1.316142209, 1.325998977},
        {"alpha_Fan", 34.561848, 22.73870542}, {"hFa", 8.174692453, 7.834246851},
        {"YFa", 2.246113568, 2.161626919}, {"qs", 3.323803402, 3.484002969},
        {"YSa", 1.914788381, 2.008791069}, {"G", -0.5, -0.85},
        {"den", 81.25215942, 420.3781646}, {"alpha_Fen", 24.39992726, 20.88220067},
        {"hFe", 4.024225656, 5.103691333}, {"YF", 1.222754483, 1.426592256},
        {"YS", 2.517929616, 2.374088267},
    });
    // clang-format on
}

}  // namespace
}  // namespace gp::rating
