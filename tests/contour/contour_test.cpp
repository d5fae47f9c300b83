// The blocking contour checked through the sheet's own calculation: every point
// the batch tool writes, read back from its text, is put into the form (shift
// coefficients and centre distance typed in) and computed as the geometry button
// computes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "blocking_contour.h"
#include "contour_mode.h"
#include "geometry_calculation.h"
#include "geometry_limits.h"
#include "golden_pairs.h"
#include "mesh_figures.h"
#include "number_text.h"

namespace gp {
namespace {

std::string text(double v) {
    std::string t(32, '\0');
    t.resize(static_cast<std::size_t>(
        std::to_chars(t.data(), t.data() + t.size(), v, std::chars_format::general, 17).ptr -
        t.data()));
    return t;
}

// The condition of curve `name` in the sheet's numbers; nothing for no sliding.
std::optional<double> condition(const std::string& name, const GeometryNumbers& n,
                                double typed_sum) {
    const int i = name.back() == '2' && name != "contact12" ? 1 : 0;
    if (name.rfind("undercut", 0) == 0) return n.zmin[i] - n.z[i];
    if (name.rfind("pointed", 0) == 0) return n.sta[i];
    if (name.rfind("thin", 0) == 0) return n.sta[i] - kLeastTipThicknessPerModule * n.mn;
    if (name == "contact1") return n.eps_alpha - 1.0;
    if (name == "contact12") return n.eps_alpha - kLeastContactRatio;
    if (name.rfind("interference", 0) == 0) return n.btf[i] - 1.0;
    if (name == "centre") return n.xn[0] + n.xn[1] - typed_sum;
    const MeshFigures m = mesh_figures(n);
    const auto at_a = specific_sliding(m, m.a), at_e = specific_sliding(m, m.e);
    if (sliding_stop(m) || !at_a || !at_e) return std::nullopt;
    return at_a->zeta1 - at_e->zeta2;
}

struct Line {
    int row;
    std::string curve;
    double x1, x2, a;
};

std::vector<Line> lines_of(const std::string& csv) {
    std::vector<Line> lines;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "row,curve,x1,x2,a");
    while (std::getline(in, line)) {
        std::istringstream cells(line);
        std::string row, x1, x2, a;
        Line l;
        std::getline(cells, row, ','), std::getline(cells, l.curve, ',');
        std::getline(cells, x1, ','), std::getline(cells, x2, ','), std::getline(cells, a, ',');
        l.row = std::stoi(row), l.x1 = std::stod(x1), l.x2 = std::stod(x2), l.a = std::stod(a);
        lines.push_back(l);
    }
    return lines;
}

Outcome<GeometryNumbers> sheet_at(GearPairInput form, const std::string& x1, const std::string& x2,
                                  double a) {
    form.xng1 = x1, form.xng2 = x2, form.zxja = text(a);
    return compute_geometry_numbers(form);
}

// Every golden pair's contour as the batch tool writes it: runs in the listed
// order, points no more than 0.01 apart inside the window, each (every third along
// a run, and each run's ends) on its condition to 1e-7 at the no-backlash centre
// distance, and the splits those of the sheet.
TEST(BlockingContour, GoldenPairsCurvesHoldOnTheSheetsGeometry) {
    const std::vector<BatchRow> rows = testing::golden_forms();
    std::ostringstream out, err;
    write_contour_table(rows, {}, out, err);
    const std::vector<Line> lines = lines_of(out.str());
    ASSERT_GT(lines.size(), 100000u);

    std::map<int, double> typed_sum;
    int checked = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const Line& l = lines[k];
        const GearPairInput& form = rows[static_cast<std::size_t>(l.row - 1)].input;
        SCOPED_TRACE("row " + std::to_string(l.row) + " " + l.curve + " at " + text(l.x1) + ", " +
                     text(l.x2));
        const std::string name = l.curve.substr(0, l.curve.find('#'));
        if (name == "dx1" || name == "dx2") {
            GearPairInput split = form;
            split.xng1.clear(), split.xng2.clear();
            split.rule = name == "dx1" ? ShiftRule::EqualStrength : ShiftRule::EqualNoise;
            const auto sheet = compute_geometry(split);
            ASSERT_TRUE(std::holds_alternative<GeometryResult>(sheet));
            const LabelTexts& labels = std::get<GeometryResult>(sheet).labels;
            EXPECT_EQ(rounded_text(l.x1, 5), labels.at(geometry_label("xn1")));
            EXPECT_EQ(rounded_text(l.x2, 5), labels.at(geometry_label("xn2")));
            continue;
        }
        if (name == "current") continue;
        const auto rank = std::find(kLimitNames.begin(), kLimitNames.end(), name);
        ASSERT_NE(rank, kLimitNames.end());
        EXPECT_TRUE(l.x1 >= -1 && l.x1 <= 2 && l.x2 >= -1 && l.x2 <= 2);

        const bool same_run = k > 0 && lines[k - 1].row == l.row && lines[k - 1].curve == l.curve;
        const bool run_ends = !same_run || k + 1 == lines.size() || lines[k + 1].row != l.row ||
                              lines[k + 1].curve != l.curve;
        if (same_run) {
            EXPECT_LE(std::hypot(l.x1 - lines[k - 1].x1, l.x2 - lines[k - 1].x2), 0.01);
        } else if (k > 0 && lines[k - 1].row == l.row) {
            // A new run: a later curve, or the next run of the same one.
            const std::string before = lines[k - 1].curve;
            const std::string base = before.substr(0, before.find('#'));
            const int run = l.curve == name ? 1 : std::stoi(l.curve.substr(name.size() + 1));
            const int run_before = before == base ? 1 : std::stoi(before.substr(base.size() + 1));
            if (base == name) {
                EXPECT_EQ(run, run_before + 1);
            } else {
                EXPECT_LT(std::find(kLimitNames.begin(), kLimitNames.end(), base), rank);
                EXPECT_EQ(run, 1);
            }
        }
        if (!run_ends && k % 3 != 0) continue;

        GearPairInput derived = form;
        derived.xng1.clear(), derived.xng2.clear();
        if (!typed_sum.count(l.row)) {
            const auto typed = compute_geometry_numbers(derived);
            typed_sum[l.row] = std::holds_alternative<GeometryNumbers>(typed)
                                   ? std::get<GeometryNumbers>(typed).x_sum
                                   : NAN;
        }
        const auto n = sheet_at(form, text(l.x1), text(l.x2), l.a);
        ASSERT_TRUE(std::holds_alternative<GeometryNumbers>(n));
        const GeometryNumbers& g = std::get<GeometryNumbers>(n);
        // The centre distance written is the no-backlash one of x1 + x2.
        const auto inv = [](double angle) { return std::tan(angle) - angle; };
        EXPECT_NEAR(
            (g.z[0] + g.z[1]) * (inv(g.alpha_wt) - inv(g.alpha_t)) / (2 * std::tan(g.alpha_n)),
            l.x1 + l.x2, 1e-9);
        const auto c = condition(name, g, typed_sum[l.row]);
        ASSERT_TRUE(c.has_value());
        EXPECT_LE(std::fabs(*c), 1e-7);
        ++checked;
    }
    EXPECT_GT(checked, 30000);
}

// The textbook pair z1 = 10, z2 = 20, mn = 2, αn = 20°: the pinion shifted by 0.5
// with an unshifted wheel is a sound pair, while both unshifted the pinion of 10
// teeth is undercut; the contour's undercut line lies where zmin1 = 10.
TEST(BlockingContour, TextbookPairHasItsAdmissiblePoint) {
    GearPairInput form;
    form.zxja = "30", form.fmn = "2", form.fjafn = "20", form.lxjbt = "0", form.ckbw = "20";
    form.h0 = "1", form.c0 = "0.25", form.cs1z1 = "10", form.cs2z2 = "20";
    form.ess1 = form.ess2 = "-0.1", form.esi1 = form.esi2 = "-0.2", form.fr1 = form.fr2 = "0";
    const auto plane = ShiftPlane::of(form);
    ASSERT_TRUE(std::holds_alternative<ShiftPlane>(plane));
    const auto at = [&](double x1, double x2) {
        const auto v = std::get<ShiftPlane>(plane).at(x1, x2);
        EXPECT_TRUE(std::holds_alternative<ShiftValues>(v));
        return std::get<ShiftValues>(v);
    };
    EXPECT_TRUE(at(0.5, 0).admissible);
    EXPECT_FALSE(at(0, 0).admissible);
    EXPECT_LT(at(0, 0).z[0], at(0, 0).zmin[0]);

    ContourOptions options;
    options.shading_columns = options.shading_rows = 81;
    const auto contour = blocking_contour(form, options);
    ASSERT_TRUE(std::holds_alternative<Contour>(contour));
    const auto& cells = std::get<Contour>(contour).shading.cells;
    EXPECT_GT(std::count(cells.begin(), cells.end(), PlaneCell::Admissible), 0);
    const LimitCurve& undercut = std::get<Contour>(contour).curves[0];
    ASSERT_EQ(undercut.runs.size(), 1u);
    const double sin_a = std::sin(20 * 3.14159265358979323846 / 180);
    for (const PlanePoint& p : undercut.runs[0]) EXPECT_NEAR(p.x1, 1 - 5 * sin_a * sin_a, 1e-8);

    // The window's lines of constant centre distance: round values 1 mm apart from
    // the sum of the base radii, 28.19 mm, to a(2 + 2) ≈ 35.5 mm, among them the
    // typed 30 mm on the centre line.
    const auto lines = centre_distance_lines(std::get<ShiftPlane>(plane), {}, 8);
    ASSERT_EQ(lines.size(), 7u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        EXPECT_DOUBLE_EQ(lines[k].a, 29 + 1.0 * k);
        EXPECT_NEAR(*std::get<ShiftPlane>(plane).centre_distance(lines[k].x_sum), lines[k].a, 1e-9);
        EXPECT_NEAR(lines[k].from.x1 + lines[k].from.x2, lines[k].x_sum, 1e-12);
    }
    EXPECT_NEAR(lines[1].x_sum, std::get<double>(std::get<Contour>(contour).typed_x_sum), 1e-12);
}

// The batch tool's contour mode keeps to the window it is given and refuses one
// that is not a rectangle.
TEST(BlockingContour, BatchModeTakesItsWindow) {
    const std::string file = ::testing::TempDir() + "contour-pair.csv";
    std::ofstream(file)
        << "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2\n"
           "30,2,20,0,20,1,0.25,10,20,-0.1,-0.1,-0.2,-0.2,0,0\n";
    std::ostringstream out, err;
    ASSERT_EQ(run_contour_mode({"contour", "--window", "0", "1", "-0.5", "0.5", file}, out, err),
              0);
    const std::vector<Line> lines = lines_of(out.str());
    ASSERT_GT(lines.size(), 100u);
    for (const Line& l : lines) {
        if (l.curve == "dx1" || l.curve == "dx2" || l.curve == "current") continue;
        EXPECT_TRUE(l.x1 >= 0 && l.x1 <= 1 && l.x2 >= -0.5 && l.x2 <= 0.5) << l.curve;
    }
    EXPECT_EQ(lines.back().curve, "current");
    for (const auto& window : {std::vector<std::string>{"1", "0", "0", "1"},
                               std::vector<std::string>{"0", "1", "0", "nan"},
                               std::vector<std::string>{"0", "1", "0"}}) {
        std::vector<std::string> args = {"contour", "--window"};
        args.insert(args.end(), window.begin(), window.end());
        EXPECT_EQ(run_contour_mode(args, out, err), 2);
    }
}

}  // namespace
}  // namespace gp
