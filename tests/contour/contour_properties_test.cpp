// Properties of the contour over many pairs and windows: what a window shows, a
// wider one shows too; the admissible limits as a point's neighbours tell them;
// the constant-centre-distance lines bounded for every window; the batch mode
// streamed and honest about a failed write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <streambuf>

#include "blocking_contour.h"
#include "contour_mode.h"
#include "golden_pairs.h"
#include "random_pairs.h"

namespace gp {
namespace {

using Points = std::map<std::string, std::vector<PlanePoint>>;

// The points of each curve by name, its runs together.
Points points_by_curve(const Contour& c) {
    Points points;
    for (const LimitCurve& curve : c.curves) {
        for (const auto& run : curve.runs) {
            auto& all = points[limit_name(curve.limit)];
            all.insert(all.end(), run.begin(), run.end());
        }
    }
    return points;
}

// The pairs to try: GEARPAIR_CONTOUR_PAIRS of them (the acceptance run takes 200),
// 20 by default.
int pair_count() {
    const char* n = std::getenv("GEARPAIR_CONTOUR_PAIRS");
    return n ? std::max(1, std::atoi(n)) : 20;
}

TEST(ContourProperties, WiderWindowFindsEveryCurveOfANarrowerOne) {
    std::mt19937 gen(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto widen = [&](double bound, double sign) {
        return std::clamp(bound + sign * std::pow(10.0, -1 + 3 * unit(gen)), -kShiftLimit,
                          kShiftLimit);
    };
    int compared = 0;
    for (int n = 0; n < pair_count(); ++n) {
        const GearPairInput form = testing::random_realistic_pair(gen);
        const auto plane = ShiftPlane::of(form);
        ASSERT_TRUE(std::holds_alternative<ShiftPlane>(plane)) << n;
        ContourOptions inner, outer;
        inner.window.x1_min = -1.5 + 2 * unit(gen), inner.window.x2_min = -1.5 + 2 * unit(gen);
        inner.window.x1_max = inner.window.x1_min + 0.5 + 2.5 * unit(gen);
        inner.window.x2_max = inner.window.x2_min + 0.5 + 2.5 * unit(gen);
        outer.window = {widen(inner.window.x1_min, -1), widen(inner.window.x1_max, 1),
                        widen(inner.window.x2_min, -1), widen(inner.window.x2_max, 1)};
        if (n % 4 == 0) outer.window = {-100, 100, -100, 100};
        const Contour a = blocking_contour(std::get<ShiftPlane>(plane), form, inner);
        const Contour b = blocking_contour(std::get<ShiftPlane>(plane), form, outer);
        ASSERT_FALSE(b.cut_short()) << n;
        const Points wide = points_by_curve(b);
        for (const auto& [name, points] : points_by_curve(a)) {
            SCOPED_TRACE("pair " + std::to_string(n) + " z " + form.cs1z1 + "/" + form.cs2z2 +
                         ", " + name);
            ASSERT_TRUE(wide.count(name));
            for (std::size_t k = 0; k < points.size(); k += 3) {
                double nearest = HUGE_VAL;
                for (const PlanePoint& q : wide.at(name)) {
                    nearest = std::min(nearest, std::hypot(points[k].x1 - q.x1, points[k].x2 - q.x2));
                }
                ASSERT_LE(nearest, 0.01) << "at " << points[k].x1 << ", " << points[k].x2;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 100 * pair_count());
}

// A limit's constants are told by what they do: across a limit curve the point
// beside it on one side breaks that limit and the point on the other does not,
// and an admissible point breaks nothing.
TEST(ContourProperties, LimitCurvesSeparateWhatBreaksTheLimitFromWhatDoesNot) {
    const std::vector<BatchRow> rows = testing::golden_forms();
    int crossed = 0;
    for (std::size_t r = 0; r < rows.size(); r += 5) {
        const auto plane = ShiftPlane::of(rows[r].input);
        if (!std::holds_alternative<ShiftPlane>(plane)) continue;
        const ShiftPlane& p = std::get<ShiftPlane>(plane);
        const auto c = blocking_contour(p, rows[r].input, {});
        for (const LimitCurve& curve : c.curves) {
            if (curve.limit == Limit::Sliding || curve.limit == Limit::Centre) continue;
            for (const auto& run : curve.runs) {
                const PlanePoint& m = run[run.size() / 2];
                const auto side = [&](double d) { return p.at(m.x1 + d, m.x2 + d); };
                const auto low = side(-1e-5), high = side(1e-5);
                if (!std::holds_alternative<ShiftValues>(low) ||
                    !std::holds_alternative<ShiftValues>(high)) {
                    continue;
                }
                const ShiftValues& a = std::get<ShiftValues>(low);
                const ShiftValues& b = std::get<ShiftValues>(high);
                EXPECT_NE(breaks_limit(curve.limit, a), breaks_limit(curve.limit, b))
                    << "row " << r + 1 << " " << limit_name(curve.limit);
                for (const ShiftValues* v : {&a, &b}) {
                    EXPECT_EQ(v->admissible, failing_limits(*v).empty());
                    EXPECT_EQ(v->admissible, failing_limits_text(*v).empty());
                }
                ++crossed;
            }
        }
    }
    EXPECT_GT(crossed, 200);
}

// Every window accepted, down to a width of 1e-300, gives a bounded number of
// lines, in rising order, each on the window's edges.
TEST(ContourProperties, CentreDistanceLinesAreBoundedForEveryWindow) {
    const std::vector<BatchRow> rows = testing::golden_forms();
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int windows = 0;
    for (std::size_t r = 0; r < rows.size() && windows < 2000; ++r) {
        const auto plane = ShiftPlane::of(rows[r].input);
        if (!std::holds_alternative<ShiftPlane>(plane)) continue;
        for (int k = 0; k < 20; ++k, ++windows) {
            const double width = std::pow(10.0, -300 + 302 * unit(gen));
            const double height = std::pow(10.0, -300 + 302 * unit(gen));
            const double x1 = -90 + 180 * unit(gen), x2 = -90 + 180 * unit(gen);
            const ShiftWindow w{x1, x1 + width, x2, x2 + height};
            if (!is_valid_window(w)) continue;
            const auto lines = centre_distance_lines(std::get<ShiftPlane>(plane), w, 1 + k);
            ASSERT_LE(lines.size(), static_cast<std::size_t>(kMostCentreDistanceLines));
            for (std::size_t n = 0; n < lines.size(); ++n) {
                if (n > 0) {
                    EXPECT_GT(lines[n].a, lines[n - 1].a);
                }
                EXPECT_TRUE(lines[n].from.x1 >= w.x1_min && lines[n].to.x1 <= w.x1_max);
            }
        }
    }
    EXPECT_GE(windows, 2000);
}

// No teeth in all (z1 + z2 = 0) has no centre distance anywhere, and says so.
TEST(ContourProperties, OppositeToothNumbersHaveNoCentreDistance) {
    GearPairInput form = testing::golden_forms().front().input;
    form.cs2z2 = "-" + form.cs1z1;
    const auto plane = ShiftPlane::of(form);
    if (!std::holds_alternative<ShiftPlane>(plane)) return;  // refused before: also sound
    EXPECT_FALSE(std::get<ShiftPlane>(plane).centre_distance(0.5));
    const auto at = std::get<ShiftPlane>(plane).at(0.1, 0.2);
    ASSERT_TRUE(std::holds_alternative<Stop>(at));
    EXPECT_FALSE(std::get<Stop>(at).message.empty());
}

// A stream whose writes fail after `room` bytes, as a full disk does.
class FullDisk : public std::streambuf {
  public:
    explicit FullDisk(std::size_t room) : room_(room) {}

  protected:
    int_type overflow(int_type c) override {
        if (room_ == 0) return traits_type::eof();
        --room_;
        return c;
    }

  private:
    std::size_t room_;
};

// The batch mode writes the same bytes on any number of threads; a failed write
// ends with a message and status 1.
TEST(ContourProperties, BatchModeStreamsOnThreadsAndReportsAFailedWrite) {
    const std::string file = ::testing::TempDir() + "contour-pairs.csv";
    {
        std::ofstream f(file);
        f << "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2\n";
        for (int z = 10; z < 22; ++z) {
            f << z + 20.5 << ",2,20,0,20,1,0.25," << z << ",20,-0.1,-0.1,-0.2,-0.2,0,0\n";
        }
    }
    std::ostringstream one, three, err;
    ASSERT_EQ(run_contour_mode({"contour", "--jobs", "1", file}, one, err), 0);
    ASSERT_EQ(run_contour_mode({"contour", "--jobs=3", file}, three, err), 0);
    EXPECT_EQ(one.str(), three.str());
    EXPECT_NE(one.str().find("\n12,current,"), std::string::npos);

    FullDisk disk(one.str().size() / 2);
    std::ostream full(&disk);
    std::ostringstream said;
    EXPECT_EQ(run_contour_mode({"contour", file}, full, said), 1);
    EXPECT_NE(said.str().find("standard output"), std::string::npos);
    EXPECT_EQ(run_contour_mode({"contour", "--jobs", "0", file}, one, said), 2);
}

}  // namespace
}  // namespace gp
