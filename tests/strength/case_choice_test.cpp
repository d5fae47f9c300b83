// The comparisons that pick the formula set, the sheet and the blended contact
// ratios, tried on exact boundary values and their neighbours one double away.
#include <gtest/gtest.h>

#include <cmath>

#include "strength_case.h"

namespace gp::strength {
namespace {

double below(double x) { return std::nextafter(x, -INFINITY); }
double above(double x) { return std::nextafter(x, INFINITY); }

TEST(CaseChoice, StrictAndNonStrictBoundaries) {
    const struct {
        const char* what;
        double beta, eps_gamma, eps_beta;
        BendingCase expected;
    } rows[] = {
        {"spur, whatever the ratios", 0.0, 5.0, 5.0, BendingCase::LowOverlap},
        {"negative zero helix is spur", -0.0, 5.0, 5.0, BendingCase::LowOverlap},
        {"both ratios small", 0.3, 1.9, 0.5, BendingCase::LowOverlap},
        {"total ratio just under 2", 0.3, below(2.0), 0.5, BendingCase::LowOverlap},
        {"total ratio exactly 2", 0.3, 2.0, 0.5, BendingCase::InclinedContact},
        {"overlap just under 1.1", 0.3, 1.9, below(1.1), BendingCase::LowOverlap},
        {"overlap exactly 1.1, small total", 0.3, 1.9, 1.1, BendingCase::InclinedContact},
        {"overlap exactly 1.1, large total", 0.3, 2.5, 1.1, BendingCase::InclinedContact},
        {"overlap just over 1.1", 0.3, 2.5, above(1.1), BendingCase::HelixFactor},
        {"overlap exactly 1", 0.3, 2.5, 1.0, BendingCase::InclinedContact},
        {"overlap just over 1", 0.3, 2.5, above(1.0), BendingCase::InclinedContact},
        {"left-hand helix", -0.3, 1.5, -0.5, BendingCase::LowOverlap},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(choose_case(r.beta, r.eps_gamma, r.eps_beta), r.expected) << r.what;
    }
}

TEST(CaseChoice, SheetFollowsTheFormulaSet) {
    EXPECT_EQ(sheet_for(BendingCase::LowOverlap), StrengthSheet::jg1);
    EXPECT_EQ(sheet_for(BendingCase::InclinedContact), StrengthSheet::jg2);
    EXPECT_EQ(sheet_for(BendingCase::HelixFactor), StrengthSheet::jg3);
}

ContactRatios ratios(double alpha, double beta) {
    ContactRatios r;
    r.alpha = alpha;
    r.alpha_whole = std::floor(alpha);
    r.alpha_frac = r.alpha - r.alpha_whole;
    r.beta = beta;
    r.beta_whole = std::floor(beta);
    r.beta_frac = r.beta - r.beta_whole;
    r.gamma = r.alpha + r.beta;
    return r;
}

// With equal fractional parts both forms are the same expression, so only the
// direction of the comparison shows; the two forms differ by the difference of the
// fractional parts over the overlap ratio.
TEST(BlendedRatios, EffectiveContactRatioTakesTheRightForm) {
    const struct {
        double alpha, beta, expected;
    } rows[] = {
        {1.5, 1.25, 1.5 + 0.25 * 0.5 / 1.25},  // overlap fraction smaller: first form
        {1.25, 1.5, 1.25 + 0.125 / 1.5},       // overlap fraction larger: second form
        {1.25, 2.25, 1.25 + 0.1875 / 2.25},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(effective_contact_ratio(ratios(r.alpha, r.beta)).value(), r.expected)
            << r.alpha << " " << r.beta;
    }
}

// The fractional parts of 0.2 and 1.8 (and of 0.4 and 1.6) add up to exactly 1 in
// double precision, and there the two forms differ in the last bit: only the
// non-strict comparison gives the first one.
TEST(BlendedRatios, ContactLineRatioTakesTheFirstFormAtASumOfOne) {
    const struct {
        double alpha, beta, expected;
    } rows[] = {
        {0.2, 1.8, 0.2 - 0.2 * (1.8 - 1.0) / 1.8},
        {0.4, 1.6, 0.4 - 0.4 * (1.6 - 1.0) / 1.6},
        {1.25, 1.5, 1.25 - 0.125 / 1.5},       // sum below 1
        {1.75, 1.5, 1.75 - 0.25 * 0.5 / 1.5},  // sum above 1: second form
    };
    for (const auto& r : rows) {
        const ContactRatios c = ratios(r.alpha, r.beta);
        EXPECT_EQ(contact_line_ratio(c).value(), r.expected) << r.alpha << " " << r.beta;
    }
    // The rows above are real ties on which the wrong form is visible.
    const ContactRatios tie = ratios(0.4, 1.6);
    ASSERT_EQ(tie.alpha_frac.value() + tie.beta_frac.value(), 1.0);
    EXPECT_NE(0.4 - (1 - tie.alpha_frac.value()) * (1 - tie.beta_frac.value()) / 1.6, 0.25);
}

}  // namespace
}  // namespace gp::strength
