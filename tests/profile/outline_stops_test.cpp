// Pairs the geometry accepts but whose teeth cannot be drawn as asked end in a
// message, never in a crash, a hang or a NaN; absurd sizes stay within the point cap.
#include <gtest/gtest.h>

#include <cmath>

#include "../geometry/reference_pair.h"
#include "geometry_calculation.h"
#include "golden_pairs.h"
#include "messages/base.h"
#include "messages/profile.h"
#include "pair_profile.h"

namespace gp {
namespace {

using testing::FieldTexts;
using testing::reference_pair;

struct StopCase {
    const char* what;
    FieldTexts changes;
    OutlineOptions options;
    const char* pair_message;   // the whole pair stops with this, or nullptr
    const char* gear1_message;  // gear 1 stops with this, or nullptr when it draws
};

TEST(OutlineStops, NumbersOnlyWhereTheSheetHasTexts) {
    // Over every golden case: the numbers stop exactly where the sheet stops, with
    // the same message (a value too large for the sheet to round included).
    for (const BatchRow& row : testing::golden_forms()) {
        const auto texts = compute_geometry(row.input);
        const auto numbers = compute_geometry_numbers(row.input);
        ASSERT_EQ(texts.index(), numbers.index()) << "line " << row.line;
        if (const auto* stop = std::get_if<Stop>(&texts)) {
            EXPECT_EQ(std::get<Stop>(numbers).message, stop->message) << "line " << row.line;
        }
    }
}

TEST(OutlineStops, EachFaultHasItsMessage) {
    const OutlineOptions normal;
    const StopCase cases[] = {
        {"rounding beyond the rack tip",
         {{"cgyj1", "3"}},
         normal,
         nullptr,
         msg::kRackRoundingTooLarge},
        {"rounding that is not a number",
         {{"cgyj1", "1mm"}},
         normal,
         msg::kLettersOrSymbols,
         nullptr},
        {"negative rounding", {{"cgyj1", "-0.2"}}, normal, msg::kCannotCompute, nullptr},
        {"tooth count not whole",
         {{"cs1z1", "20.5"}, {"zxja", "60.5"}},
         normal,
         nullptr,
         msg::kProfileToothCount},
        {"two teeth", {{"cs1z1", "2"}, {"zxja", "42"}}, normal, nullptr, msg::kProfileToothCount},
        {"rack sharper than its tip line", {{"h0", "2.2"}}, normal, nullptr, msg::kRackTooPointed},
        {"zero tolerance", {}, {ThicknessChoice::Nominal, 0.0}, nullptr, msg::kBadChordTolerance},
        {"NaN tolerance", {}, {ThicknessChoice::Nominal, NAN}, nullptr, msg::kBadChordTolerance},
        {"more teeth than the cap has points",
         {{"cs1z1", "40000"}, {"zxja", "40040"}},
         normal,
         nullptr,
         msg::kProfileTooManyTeeth},
        {"centre distance out of reach", {{"zxja", "50"}}, normal, msg::kCannotCompute, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto outcome = pair_profile(reference_pair(c.changes), c.options);
        if (c.pair_message) {
            ASSERT_TRUE(std::holds_alternative<Stop>(outcome));
            EXPECT_EQ(std::get<Stop>(outcome).message, c.pair_message);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<PairProfile>(outcome));
        const auto& gear1 = std::get<PairProfile>(outcome).outlines[0];
        ASSERT_TRUE(std::holds_alternative<Stop>(gear1));
        EXPECT_EQ(std::get<Stop>(gear1).message, c.gear1_message);
    }
}

TEST(OutlineStops, AbsurdSizesAreBoundedAndSaySo) {
    struct Size {
        const char* what;
        FieldTexts changes;
        bool capped;
    };
    const Size sizes[] = {
        {"10,000-tooth wheel", {{"cs2z2", "10000"}, {"zxja", "10020"}}, true},
        {"module 1000", {{"fmn", "1000"}, {"zxja", "30000"}}, false},
    };
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.what);
        const auto outcome = pair_profile(reference_pair(size.changes));
        ASSERT_TRUE(std::holds_alternative<PairProfile>(outcome))
            << std::get<Stop>(outcome).message;
        const auto& p = std::get<PairProfile>(outcome);
        bool any_capped = false;
        for (const auto& one : p.outlines) {
            ASSERT_TRUE(std::holds_alternative<GearOutline>(one)) << std::get<Stop>(one).message;
            const auto& o = std::get<GearOutline>(one);
            EXPECT_LE(o.points.size(), kMaxOutlinePoints);
            EXPECT_GE(o.tolerance, kDefaultChordTolerance);
            for (const auto& q : o.points) ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
            any_capped = any_capped || o.capped;
        }
        EXPECT_EQ(any_capped, size.capped);
    }
}

TEST(OutlineStops, ToleranceBeyondDoublePrecisionIsWidenedAndSaysSo) {
    const auto outcome = pair_profile(reference_pair(), {ThicknessChoice::Nominal, 1e-300});
    for (const auto& one : std::get<PairProfile>(outcome).outlines) {
        const auto& o = std::get<GearOutline>(one);
        EXPECT_TRUE(o.capped);
        EXPECT_GT(o.tolerance, 1e-300);
        EXPECT_LE(o.points.size(), kMaxOutlinePoints);
    }
}

TEST(OutlineStops, MicroscopicModuleDrawsEveryPieceAsOneChord) {
    // The geometry calculation refuses a module of 1e-6 mm (its pin diameter rounds
    // to 0), so the reference pair's numbers are scaled down instead.
    auto n = std::get<PairProfile>(pair_profile(reference_pair())).numbers;
    const double k = 0.5e-6;
    for (double* v : {&n.a, &n.mn, &n.mt, &n.a0, &n.pbt, &n.line_of_action}) *v *= k;
    for (auto* pair : {&n.d, &n.db, &n.dw, &n.da, &n.df, &n.dc, &n.dff, &n.sn, &n.sta}) {
        for (double& v : *pair) v *= k;
    }
    const auto outcome = gear_outline(n, 0, {0.38 * n.mn, true});
    ASSERT_TRUE(std::holds_alternative<GearOutline>(outcome)) << std::get<Stop>(outcome).message;
    const auto& o = std::get<GearOutline>(outcome);
    EXPECT_FALSE(o.capped);
    EXPECT_LE(o.points.size(), 20u * 8u);
    for (const auto& q : o.points) ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
    EXPECT_NEAR(o.root_radius, n.df[0] / 2, 1e-15);
}

TEST(OutlineStops, EmptyRoundingFieldTakesTheDefaultAndSaysSo) {
    const auto outcome = pair_profile(reference_pair({{"cgyj2", "0.5"}}));
    const auto& p = std::get<PairProfile>(outcome);
    EXPECT_TRUE(p.rounding[0].from_default);
    EXPECT_DOUBLE_EQ(p.rounding[0].radius, 0.76);
    EXPECT_FALSE(p.rounding[1].from_default);
    EXPECT_DOUBLE_EQ(std::get<GearOutline>(p.outlines[1]).rounding.radius, 0.5);
}

TEST(OutlineStops, EmptyRoundingFieldTakesARadiusThatFits) {
    // An empty field takes 0.38 × module where it fits the rack's tip, else the
    // largest radius that does (four digits, rounded down); a typed radius is taken
    // as typed and refused when it does not fit. At 25° neither gear's rack has room
    // for 0.76 mm.
    const struct {
        const char* what;
        FieldTexts changes;
        bool fitted[2];
        const char* refused1;  // gear 1's message, or nullptr when it draws
    } cases[] = {
        {"20 degrees, both empty", {}, {false, false}, nullptr},
        {"25 degrees, both empty", {{"fjafn", "25"}}, {true, true}, nullptr},
        {"25 degrees, gear 1 typed to fit", {{"fjafn", "25"}, {"cgyj1", "0.5"}}, {false, true},
         nullptr},
        {"25 degrees, gear 1 typed too large",
         {{"fjafn", "25"}, {"cgyj1", "0.76"}},
         {false, true},
         msg::kRackRoundingTooLarge},
        {"25 degrees, lower thickness", {{"fjafn", "25"}, {"esi1", "-0.6"}}, {true, true}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (ThicknessChoice t : {ThicknessChoice::Nominal, ThicknessChoice::Lower}) {
            const auto p = std::get<PairProfile>(pair_profile(reference_pair(c.changes), {t}));
            for (int i = 0; i < kGears; ++i) {
                const RackRounding& r = p.rounding[i];
                EXPECT_EQ(r.fitted, c.fitted[i]) << "gear " << i + 1;
                const auto* stop = std::get_if<Stop>(&p.outlines[i]);
                if (i == 0 && c.refused1) {
                    ASSERT_TRUE(stop);
                    EXPECT_EQ(stop->message, c.refused1);
                    continue;
                }
                ASSERT_FALSE(stop) << stop->message;
                if (!r.fitted) continue;
                const double largest = largest_fitting_rounding(p.numbers, i);
                EXPECT_LT(r.radius, 0.38 * p.numbers.mn);
                EXPECT_LE(r.radius, largest);
                EXPECT_GT(r.radius, largest * (1 - 1e-3));
                // The radius a little larger than the largest does not fit.
                EXPECT_TRUE(std::holds_alternative<Stop>(
                    gear_outline(p.numbers, i, {largest * 1.001, false}, {t})));
            }
        }
    }
}

TEST(OutlineStops, ThicknessDeviationMovesFlanksAndRootTogether) {
    // Ess = −0.1, Esi = −0.2 on the reference pair: the rack moves in by
    // |Es| / (2·tan αn), the tooth thins by |Es| at the reference circle.
    const auto form = reference_pair();
    const double tan_alpha = std::tan(20 * 3.141592654 / 180);
    const auto nominal = std::get<PairProfile>(pair_profile(form));
    for (auto [choice, deviation] :
         {std::pair{ThicknessChoice::Upper, -0.1}, std::pair{ThicknessChoice::Lower, -0.2},
          std::pair{ThicknessChoice::Mean, -0.15}}) {
        const auto p = std::get<PairProfile>(pair_profile(form, {choice, 0.001}));
        for (int i = 0; i < kGears; ++i) {
            const auto& o = std::get<GearOutline>(p.outlines[i]);
            const auto& n = std::get<GearOutline>(nominal.outlines[i]);
            EXPECT_DOUBLE_EQ(o.thickness_deviation, deviation);
            EXPECT_NEAR(o.root_radius, n.root_radius + deviation / (2 * tan_alpha), 1e-12);
            EXPECT_DOUBLE_EQ(o.tip_radius, n.tip_radius);
            // The flank turns about the centre by the half deviation over r.
            EXPECT_NEAR(o.right_flank_base_angle - n.right_flank_base_angle,
                        -deviation / 2 / n.reference_radius, 1e-12);
        }
    }
}

}  // namespace
}  // namespace gp
