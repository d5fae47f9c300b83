// Whole calculations on real pairs: the worked spur example and pairs that sit
// exactly on a case boundary (overlap ratio 1.1 and 1, total ratio 2, root form
// circle on the base circle) beside their neighbours one double below.
#include <gtest/gtest.h>

#include <utility>
#include <variant>
#include <vector>

#include "messages/base.h"
#include "strength_calculation.h"
#include "strength_pairs.h"

namespace gp {
namespace {

struct WorkedPair {
    const char* what;
    std::string_view input;
    StrengthSheet sheet;
    std::vector<std::pair<const char*, const char*>> texts;
};

const WorkedPair kPairs[] = {
    {"worked spur example",
     testing::kSpurExample,
     StrengthSheet::jg1,
     {{"yzl1", "500"},
      {"cdy1", "44.32"},
      {"cdy2", "83.68"},
      {"cgy1", "35.32"},
      {"cgy2", "74.68"},
      {"dd", "1.62561"},
      {"zd", "0"},
      {"dh", "1.62561"},
      {"jc", "119.64885"},
      {"hx1", "1.1"},
      {"hx2", "0.9"},
      {"fj1", "20"},
      {"lxj2", "0"}}},
    {"overlap ratio exactly 1.1: inclined contact on jg2",
     "25.403411845346263,2,25,30,13.823007675963122,0.7,0.25,10,10,12,0,0,0.76,0.76,30,30",
     StrengthSheet::jg2,
     {{"zd", "1.1"},
      {"dd", "0.8035"},
      {"lx", "1"},
      {"jx1", "0.46649"},
      {"wq1", "16.10985"},
      {"jc", "400.37831"}}},
    {"total ratio exactly 2: not low overlap",
     "63.85066634961397,2,20,20,9.112022898463938,1,0.25,10,20,40,0,0,0.76,0.76,30,30",
     StrengthSheet::jg2,
     {{"dh", "2"}, {"jx1", "0.4291"}, {"wq1", "10.68857"}}},
    {"total ratio one double below 2: low overlap, helical contact formula",
     "63.85066634961397,2,20,20,9.112022898463936,1,0.25,10,20,40,0,0,0.76,0.76,30,30",
     StrengthSheet::jg1,
     {{"dh", "2"},
      {"dd", "1.50399"},
      {"cx1", "0.69632"},
      {"wq1", "19.49917"},
      {"jc", "237.32542"}}},
    {"overlap ratio exactly 1",
     "63.85066634961397,2,20,20,18.370804848269984,1,0.25,10,20,40,0,0,0.76,0.76,30,30",
     StrengthSheet::jg2,
     {{"zd", "1"}, {"jx1", "0.47482"}, {"wq2", "10.56917"}}},
    {"overlap ratio between 1 and 1.1",
     "63.85066634961397,2,20,20,19.5,1,0.25,10,20,40,0,0,0.76,0.76,30,30",
     StrengthSheet::jg2,
     {{"zd", "1.0615"}, {"lx", "1"}, {"jx1", "0.45446"}, {"wq1", "11.32022"}}},
    {"form circle on the base circle: involute",
     "60,2,20,0,30,1,0.25,10,20,40,0.08,-0.08,1.7232329478883912,0.76,30,30",
     StrengthSheet::jg1,
     {{"cx1", "0.50959"}, {"yx1", "1.65057"}, {"wq1", "15.42044"}}},
    {"form circle one double inside: fillet scan",
     "60,2,20,0,30,1,0.25,10,20,40,0.08,-0.08,1.723232947888391,0.76,30,30",
     StrengthSheet::jg1,
     {{"cx1", "0.49962"}, {"yx1", "1.65787"}, {"wq1", "15.18556"}}},
    {"fillet scan without a point in tolerance",
     "624,12,14.5,0,30,1,0.25,10,14,90,0,0,3.62,3.62,30,30",
     StrengthSheet::jg1,
     {{"cx1", "0.09293"}, {"yx1", "2.00907"}, {"dd", "1.97085"}, {"wq1", "0.81496"}}},
    {"two whole pairs in contact halve the load",
     "60.272,0.8,20,0,9,1,0.25,66,38,111,,,0.312,0.321,14,9",
     StrengthSheet::jg1,
     {{"dd", "2.28287"}, {"wq1", "675.50276"}, {"wq2", "794.44327"}}},
    {"helix-factor formulas",
     testing::kHelicalExample,
     StrengthSheet::jg3,
     {{"zd", "1.32281"},
      {"lx1", "0.65178"},
      {"lx2", "0.6764"},
      {"jx", "1"},
      {"wq2", "2302.02953"},
      {"jc", "895.6723"},
      {"cdy1", "62.80484"}}},
    {"inclined-contact formulas",
     testing::kInclinedExample,
     StrengthSheet::jg2,
     {{"zd", "0.8747"}, {"jx2", "0.4392"}, {"wq2", "22.25602"}, {"jc", "98.10444"}}},
};

TEST(WorkedPairs, SheetAndTexts) {
    for (const WorkedPair& p : kPairs) {
        const auto outcome = compute_strength(testing::strength_pair(p.input));
        const auto* result = std::get_if<StrengthResult>(&outcome);
        ASSERT_NE(result, nullptr) << p.what << ": " << std::get<Stop>(outcome).message;
        EXPECT_EQ(result->sheet, p.sheet) << p.what;
        for (const auto& [label, text] : p.texts) {
            EXPECT_EQ(result->labels[label], text) << p.what << ", " << label;
        }
        // Every label of the sheet is written, and only those.
        ASSERT_EQ(result->labels.entries().size(), strength_labels(p.sheet).size()) << p.what;
        for (const auto& [label, text] : result->labels.entries()) {
            EXPECT_FALSE(text.empty()) << p.what << ", " << label;
        }
    }
}

// One double below an overlap ratio of 1.1 the helical pair falls into the low-overlap
// case, whose load share is the whole number of pairs in contact: none here.
TEST(WorkedPairs, NoWholePairInContactCannotBeComputed) {
    const auto outcome = compute_strength(testing::strength_pair(
        "25.403411845346263,2,25,30,13.82300767596312,0.7,0.25,10,10,12,0,0,0.76,0.76,30,30"));
    ASSERT_TRUE(std::holds_alternative<Stop>(outcome));
    EXPECT_EQ(std::get<Stop>(outcome).message, msg::kCannotCompute);
}

TEST(WorkedPairs, DiametersKeptInSinglePrecision) {
    const auto outcome = compute_strength(testing::strength_pair(testing::kSpurExample));
    const auto& r = std::get<StrengthResult>(outcome);
    EXPECT_EQ(r.diameters.da1, 44.32f);
    EXPECT_EQ(r.diameters.da2, 83.68f);
    EXPECT_EQ(r.diameters.df1, 35.32f);
    EXPECT_EQ(r.diameters.df2, 74.68f);
}

}  // namespace
}  // namespace gp
