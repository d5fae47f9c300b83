// The worked examples of the geometry calculation, to the last displayed digit.
#include <gtest/gtest.h>

#include <variant>

#include "geometry_calculation.h"
#include "reference_pair.h"

namespace gp {
namespace {

using testing::FieldTexts;
using testing::reference_pair;

struct Example {
    const char* name;
    FieldTexts form;      // changes to the reference pair
    FieldTexts expected;  // label, displayed text
};

const Example kExamples[] = {
    {"equal strength split at the reference distance",
     {},
     {{"pz1", ""},
      {"pz2", ""},
      {"xn0", "0"},
      {"xn1", "0.08"},
      {"xn2", "-0.08"},
      {"da1", "44.32"},
      {"da2", "83.68"}}},
    {"equal noise split at the reference distance",
     {{"dx", "dx2"}},
     {{"xn0", "0"},
      {"xn1", "0.20475"},
      {"xn2", "-0.20475"},
      {"da1", "44.81899"},
      {"da2", "83.18101"},
      {"df1", "35.81899"},
      {"h1", "4.5"},
      {"h2", "4.5"}}},
    {"shortened centre distance gives a negative shift sum",
     {{"zxja", "59"}},
     {{"xn0", "-0.46649"}, {"xn1", "-0.23794"}, {"xn2", "-0.22856"}}},
    {"typed shifts are used as typed, the distance only reduces the tips",
     {{"xng1", "0.3"}, {"xng2", "0.2"}},
     {{"xn0", "0.5"},
      {"xn1", "0.3"},
      {"xn2", "0.2"},
      {"ha1", "1.6"},
      {"ha2", "1.4"},
      {"da1", "43.2"},
      {"da2", "82.8"},
      {"df1", "36.2"},
      {"df2", "75.8"}}},
    {"a single typed shift is ignored",
     {{"xng1", "0.3"}},
     {{"xn0", "0"}, {"xn1", "0.08"}, {"xn2", "-0.08"}}},
    {"helical pair: leads, shift split and contact ratios",
     {{"lxjbt", "15"}, {"zxja", "62.5"}},
     {{"d1", "41.41105"},
      {"xn0", "0.1958"},
      {"xn1", "0.20998"},
      {"xn2", "-0.01418"},
      {"pz1", "485.53"},
      {"pz2", "971.05"},
      {"epsp", "1.49946"},
      {"epsbt", "1.23577"},
      {"eps", "2.73523"},
      {"btz", "0.84261"}}},
    {"tooth thicknesses, each row showing the mate's thickness",
     {},
     {{"sn1", "3.25806"},
      {"sn2", "3.02512"},
      {"snb1", "3.12512"},
      {"snb2", "3.35806"},
      {"sta1", "1.33087"},
      {"sta2", "1.5514"}}},
    {"dimension over pins with suggested pins, even teeth",
     {},
     {{"dp1", "3.219"},
      {"dp2", "3.467"},
      {"m1", "44.23028"},
      {"m2", "84.59509"},
      {"ems1", "-0.23493"},
      {"emi1", "-0.46986"},
      {"ems2", "-0.24993"},
      {"emi2", "-0.49986"}}},
    {"dimension over pins, odd teeth",
     {{"cs1z1", "21"}, {"zxja", "61"}},
     {{"m1", "46.11338"}, {"ems1", "-0.23564"}}},
    {"typed pin diameter replaces the suggested one",
     {{"dpg1", "3.5"}},
     {{"dp1", "3.5"}, {"dp2", "3.467"}}},
    {"span measurement",
     {},
     {{"k1", "3"},
      {"k2", "5"},
      {"w1", "15.43033"},
      {"w2", "27.58018"},
      {"ews1", "-0.10628"},
      {"ews2", "-0.10628"},
      {"ewi1", "-0.17563"},
      {"ewi2", "-0.17563"}}},
    {"undercut limit, active profile and root form",
     {},
     {{"zmin1", "15.72948"},
      {"zmin2", "18.46505"},
      {"dc1", "37.83133"},
      {"dc2", "77.19905"},
      {"dff1", "37.70105"},
      {"dff2", "76.60508"},
      {"btf1", "0.99656"},
      {"btf2", "0.99231"}}},
    {"noise indices and contact ratios of the spur pair",
     {},
     {{"btcg1", "1.01017"},
      {"btcg2", "0.98193"},
      {"btz", "0.95844"},
      {"epsp", "1.62561"},
      {"epsbt", "0"},
      {"eps", "1.62561"}}},
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, ShowsTheWorkedValues) {
    const Example& ex = GetParam();
    const auto outcome = compute_geometry(reference_pair(ex.form));
    ASSERT_TRUE(std::holds_alternative<GeometryResult>(outcome)) << std::get<Stop>(outcome).message;
    const LabelTexts& labels = std::get<GeometryResult>(outcome).labels;
    for (const auto& [label, text] : ex.expected) EXPECT_EQ(labels[label], text) << label;
}

INSTANTIATE_TEST_SUITE_P(Geometry, WorkedExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return testing::test_name(info.param.name); });

TEST(GeometryResultTexts, EveryLabelIsFilledInSheetOrder) {
    const auto outcome = compute_geometry(reference_pair({{"lxjbt", "15"}, {"zxja", "62.5"}}));
    ASSERT_TRUE(std::holds_alternative<GeometryResult>(outcome));
    const auto& entries = std::get<GeometryResult>(outcome).labels.entries();
    ASSERT_EQ(entries.size(), kGeometryLabels.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].first, kGeometryLabels[i]);
        EXPECT_FALSE(entries[i].second.empty()) << entries[i].first;
    }
}

}  // namespace
}  // namespace gp
