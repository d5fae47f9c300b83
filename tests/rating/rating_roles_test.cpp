// The pinion is the gear with fewer teeth whichever drives: typing a golden pair
// with the other gear driving (its gear columns exchanged, the torque T1·z2/z1,
// the speed n1·z1/z2) leaves every gear's stresses and safety factors as they
// were, and scales the driving gear's T1max by z2/z1.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "number_parse.h"
#include "pair_file.h"
#include "rating_calculation.h"

namespace gp::rating {
namespace {

std::string text_of(double v) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, end);
}

// The partner of a per-gear column (xng1 ↔ xng2, cs1z1 ↔ cs2z2), or "".
std::string partner(std::string name) {
    if (name == "cs1z1") return "cs2z2";
    if (name == "cs2z2") return "cs1z1";
    if (name.empty() || (name.back() != '1' && name.back() != '2')) return "";
    name.back() = name.back() == '1' ? '2' : '1';
    return name;
}

template <typename Texts, typename Fields, typename Find>
void exchange_gears(Texts& t, const Fields& fields, Find find) {
    for (const auto& f : fields) {
        const std::string other = partner(f.name);
        if (other.empty() || other < f.name) continue;
        if (const auto g = find(other)) std::swap(t.*f.text, t.*g->text);
    }
}

TEST(RatingRoles, OtherGearDrivingOverTheGoldenPairsWithTypedShifts) {
    std::ifstream file(GEARPAIR_GOLDEN_DIR "/rating-cases.csv", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const auto read = read_pair_file(bytes);
    ASSERT_TRUE(std::holds_alternative<PairFile>(read));
    int compared = 0, increasing = 0;
    for (const PairRow& row : std::get<PairFile>(read).rows) {
        if (row.input.xng1.empty() || row.input.xng2.empty() || row.rating.n1.empty()) continue;
        const double z1 = strict_convert(row.input.cs1z1), z2 = strict_convert(row.input.cs2z2);
        PairRow other = row;
        exchange_gears(other.input, kInputFields, find_input_field);
        exchange_gears(other.rating, kRatingFields, find_rating_field);
        other.input.nj = text_of(strict_convert(row.input.nj) * z2 / z1);
        other.rating.n1 = text_of(strict_convert(row.rating.n1) * z1 / z2);

        const auto a = rate(row.input, row.rating), b = rate(other.input, other.rating);
        SCOPED_TRACE("line " + std::to_string(row.line));
        ASSERT_EQ(a.index(), b.index());
        if (const auto* stop = std::get_if<Stop>(&a)) {
            EXPECT_EQ(stop->message, std::get<Stop>(b).message);
            continue;
        }
        const auto& r = std::get<RatingResult>(a);
        const auto& s = std::get<RatingResult>(b);
        const auto near = [](double x, double y) {
            return std::fabs(x - y) <= 1e-9 * std::fabs(x);
        };
        for (int i = 0; i < kGears; ++i) {
            const int j = 1 - i;
            EXPECT_PRED2(near, r.contact_stress.sigma_H[i], s.contact_stress.sigma_H[j]);
            EXPECT_PRED2(near, r.contact_stress.SH[i], s.contact_stress.SH[j]);
            EXPECT_PRED2(near, r.root_stress.sigma_F[i], s.root_stress.sigma_F[j]);
            EXPECT_PRED2(near, r.root_stress.SF[i], s.root_stress.SF[j]);
            EXPECT_PRED2(near, r.pitting.sigma_HP[i], s.pitting.sigma_HP[j]);
            EXPECT_PRED2(near, r.bending_limits.sigma_FP[i], s.bending_limits.sigma_FP[j]);
        }
        ASSERT_EQ(r.T1max.has_value(), s.T1max.has_value());
        if (r.T1max) {
            EXPECT_PRED2(near, *r.T1max * z2 / z1, *s.T1max);
        }
        ++compared;
        increasing += z1 > z2;
    }
    EXPECT_GT(compared, 20);
    EXPECT_GT(increasing, 3);  // typed the larger gear driving, either way round
}

}  // namespace
}  // namespace gp::rating
