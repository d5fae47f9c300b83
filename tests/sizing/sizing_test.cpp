// The sizing checked against the program's ordinary paths: every listed variant
// typed into the form and rated as the rating window rates it, and a space small
// enough to walk by hand found to hold exactly the admissible pairs the form's
// geometry sheet (its limit flags) and rating accept.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

#include "geometry_limits.h"
#include "geometry_numbers.h"
#include "number_text.h"
#include "rating_calculation.h"
#include "messages/sizing.h"
#include "sizing_mode.h"
#include "sizing_run.h"
#include "sizing_table.h"
#include "rating_numbers.h"

namespace gp::sizing {
namespace {

RatingInputs case_hardened() {
    RatingInputs r;
    r.n1 = "1450";
    r.Lh = "20000";
    r.SHmin = "1";
    r.SFmin = "1.4";
    return r;
}

Space space(const std::string& text, const RatingInputs& rating = case_hardened()) {
    const auto req = read_requirements(text);
    EXPECT_TRUE(std::holds_alternative<Requirements>(req)) << std::get<Stop>(req).detail;
    auto s = space_of(std::get<Requirements>(req), rating);
    EXPECT_TRUE(std::holds_alternative<Space>(s)) << std::get<Stop>(s).detail;
    return std::get<Space>(s);
}

std::pair<std::vector<Variant>, Summary> run_all(const Space& s, int workers) {
    std::vector<Variant> rows;
    SizingRun run(s, workers);
    const Summary summary = run.run([&rows](const Variant& v) { rows.push_back(v); });
    return {rows, summary};
}

// Every variant of a small space, each split rule: the form the variant fills
// gives, through the geometry button's and the rating window's own paths, the same
// shifts, contact ratios, safety factors and T1max, to the last bit; and the rows
// do not depend on the number of threads.
TEST(Sizing, EveryListedVariantRatesTheSameThroughTheForm) {
    for (const char* split : {"dx1", "dx2", "sliding"}) {
        const Space s = space(std::string("T1,300\ni,2.5\ni_tol,4\nmn_min,2\nmn_max,3\nz1_min,17\n"
                                          "z1_max,21\nbeta_min,0\nbeta_max,12\nbeta_step,12\n"
                                          "bd_min,0.5\nbd_max,0.9\nbd_step,0.4\nsplit,") + split);
        const auto [rows, summary] = run_all(s, 1);
        ASSERT_GT(rows.size(), 10u) << split;
        EXPECT_EQ(summary.tried, s.variant_count());
        for (const Variant& v : rows) {
            const GearPairInput form = form_of(s, v);
            const auto n = std::get<GeometryNumbers>(compute_geometry_numbers(form));
            const auto r = std::get<rating::RatingResult>(rating::rate(form, case_hardened()));
            EXPECT_TRUE(geometry_limit_flags(n).empty());
            EXPECT_EQ(std::tie(n.xn[0], n.xn[1], n.eps_alpha, n.eps_beta),
                      std::tie(v.x1, v.x2, v.eps_alpha, v.eps_beta));
            EXPECT_EQ(r.contact_stress.SH, v.SH);
            EXPECT_EQ(r.root_stress.SF, v.SF);
            EXPECT_EQ(r.T1max, v.T1max);
            if (std::string(split) == "sliding") {
                EXPECT_NEAR(*v.zeta1_a, *v.zeta2_e, 1e-9);
            }
        }
        const auto [rows3, summary3] = run_all(s, 3);
        std::string one, three;
        for (const Variant& v : rows) one += csv_line(v);
        for (const Variant& v : rows3) three += csv_line(v);
        EXPECT_EQ(one, three);
        EXPECT_EQ(summary.failures, summary3.failures);
    }
}

// A fixed centre distance and a space walked by the loops below: each pair typed
// with the centre distance and no shifts (the geometry splits them), kept when its
// sheet flags no limit and its rating meets both minima.
TEST(Sizing, FindsExactlyTheAdmissibleSetOfAHandWalkedSpace) {
    const Space s = space("T1,400\ni,3\ni_tol,5\na,125\nmn_min,2\nmn_max,3\nz1_min,17\nz1_max,25\n"
                          "beta_min,8\nbeta_max,12\nbeta_step,2\nb,40\n");
    std::set<std::tuple<double, int, int, double>> expected, found;
    int tried = 0;
    for (const double mn : {2.0, 2.5, 3.0}) {
        for (int z1 = 17; z1 <= 25; ++z1) {
            for (int z2 = 1; z2 < 200; ++z2) {
                if (std::fabs(z2 / double(z1) - 3.0) > 0.15) continue;
                for (const double beta : {8.0, 10.0, 12.0}) {
                    ++tried;
                    GearPairInput f;
                    f.zxja = "125", f.fmn = full_precision_text(mn), f.fjafn = "20";
                    f.lxjbt = full_precision_text(beta), f.ckbw = "40", f.h0 = "1", f.c0 = "0.25";
                    f.nj = full_precision_text(400 / rating::kNewtonMetresPerKgfMetre);
                    f.cs1z1 = std::to_string(z1), f.cs2z2 = std::to_string(z2);
                    f.ess1 = f.ess2 = f.esi1 = f.esi2 = f.fr1 = f.fr2 = "0";
                    const auto n = compute_geometry_numbers(f);
                    if (!std::holds_alternative<GeometryNumbers>(n) ||
                        !geometry_limit_flags(std::get<GeometryNumbers>(n)).empty()) {
                        continue;
                    }
                    const auto r = rating::rate(f, case_hardened());
                    if (!std::holds_alternative<rating::RatingResult>(r)) continue;
                    const auto& rr = std::get<rating::RatingResult>(r);
                    if (std::min(rr.contact_stress.SH[0], rr.contact_stress.SH[1]) >= 1.0 &&
                        std::min(rr.root_stress.SF[0], rr.root_stress.SF[1]) >= 1.4) {
                        expected.insert({mn, z1, z2, beta});
                    }
                }
            }
        }
    }
    const auto [rows, summary] = run_all(s, 2);
    for (const Variant& v : rows) found.insert({v.mn, v.z1, v.z2, v.beta});
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(found, expected);
    std::uint64_t failed = 0;
    for (const auto n : summary.failures) failed += n;
    EXPECT_EQ(summary.tried - summary.failures[int(Failure::Ratio)], std::uint64_t(tried));
    EXPECT_EQ(failed + summary.admissible, summary.tried);
}

// No member of the front is dominated; every other row is dominated by a member.
TEST(Sizing, ParetoFrontHoldsExactlyTheUndominatedRows) {
    const Space s = space("T1,300\ni,2.5\nmn_min,2\nmn_max,3\nz1_min,17\nz1_max,30\nbeta_max,16\n"
                          "beta_step,4\n");
    const auto rows = run_all(s, 2).first;
    for (const auto& [x, y] : {std::pair{Column::a, Column::safety}, {Column::mass, Column::T1max},
                               {Column::b, Column::eps_gamma}}) {
        const auto front = pareto_front(rows, x, y);
        ASSERT_FALSE(front.empty());
        const auto cost = [&](std::size_t k, Column c) {
            return column_info(c).larger_is_better ? -*value_of(rows[k], c) : *value_of(rows[k], c);
        };
        const auto dominates = [&](std::size_t p, std::size_t q) {
            return cost(p, x) <= cost(q, x) && cost(p, y) <= cost(q, y) &&
                   (cost(p, x) < cost(q, x) || cost(p, y) < cost(q, y));
        };
        const std::set<std::size_t> on(front.begin(), front.end());
        for (std::size_t q = 0; q < rows.size(); ++q) {
            bool dominated = false;
            for (std::size_t p = 0; p < rows.size() && !dominated; ++p) dominated = dominates(p, q);
            EXPECT_EQ(dominated, !on.count(q)) << q;
        }
    }
}

// What the user is told: an empty space, a torque no variant carries, and the
// requirements that make no sense, each naming its key.
TEST(Sizing, SaysWhyNothingIsListed) {
    const auto [none, empty] = run_all(space("T1,300\ni,2.5\nmn_min,1.1\nmn_max,1.2\n"), 2);
    EXPECT_EQ(outcome_note(empty), msg::sizing::kEmptySpace);
    const auto [rows, heavy] = run_all(space("T1,1e7\ni,2.5\nmn_max,3\nz1_max,20\n"), 2);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(outcome_note(heavy).rfind(msg::sizing::kNoneAdmissible, 0), 0u);
    EXPECT_GT(heavy.failures[int(Failure::Pitting)], 0u);

    const std::pair<const char*, const char*> faults[] = {
        {"T1,abc\ni,3\n", "T1"},        {"i,3\n", "T1"},          {"T1,1\nP,2\ni,3\n", "T1"},
        {"T1,1\n", "i"},                {"T1,1\ni,3\nz1_min,2.5\n", "z1_min"},
        {"T1,1\ni,3\nfoo,1\n", "foo"},  {"T1,1\ni,3\ni,3\n", "i"}, {"T1,1\ni,3\nsplit,x\n", "split"},
        {"T1,1\ni,3\na_min,100\n", "a_min"}, {"T1,1\ni,3\nbeta_max,60\n", "beta_max"},
        {"T1,1\ni,3\nbd_step,0\n", "bd_max"}, {"T1,1\ni,3\na,100\na_min,90\na_max,95\n", "a"},
        {"T1,1\ni,3\nz1_max,2000\nbeta_max,45\nbeta_step,1e-4\nbd_step,1e-4\n", "mn_max"},
    };
    for (const auto& [text, key] : faults) {
        auto req = read_requirements(text);
        Outcome<Space> s = std::holds_alternative<Stop>(req)
                               ? Outcome<Space>(std::get<Stop>(req))
                               : space_of(std::get<Requirements>(req), case_hardened());
        ASSERT_TRUE(std::holds_alternative<Stop>(s)) << text;
        EXPECT_EQ(std::get<Stop>(s).field, key) << text;
    }
}

// The batch tool: the header, the rows and the counts on standard error.
TEST(Sizing, BatchToolWritesRowsAndCounts) {
    std::istringstream in("T1,300\ni,2.5\nmn_min,2\nmn_max,2\nz1_min,17\nz1_max,19\nn1,1450\n");
    std::ostringstream out, err;
    ASSERT_EQ(run_sizing_mode({"sizing", "--jobs", "2"}, in, out, err), 0);
    EXPECT_EQ(out.str().rfind(csv_header(), 0), 0u);
    EXPECT_NE(err.str().find("tried,845\n"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("\nbending,"), std::string::npos);
    std::istringstream none;
    EXPECT_EQ(run_sizing_mode({"sizing", "--jobs", "0"}, none, out, err), 2);
}

}  // namespace
}  // namespace gp::sizing
