// The outlines agree with the geometry sheet over every golden pair that computes:
// root and tip circles, thickness at the reference circle, tip land, chord
// tolerance, closed counter-clockwise curve, symmetry of tooth 1; and every outline
// drawn, near the undercut limit too, is a simple closed curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "golden_pairs.h"
#include "outline_simplicity.h"

namespace gp {
namespace {

using testing::golden_pairs;

constexpr double kSheetTolerance = 0.0005;  // mm, radii against the sheet's values
constexpr double kFineTolerance = 1e-5;     // chord tolerance of the reference outlines

double radius(OutlinePoint p) { return std::hypot(p.x, p.y); }

double signed_area(const std::vector<OutlinePoint>& pts) {
    double twice = 0;
    for (std::size_t k = 0; k < pts.size(); ++k) {
        const OutlinePoint a = pts[k], b = pts[(k + 1) % pts.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

double segment_distance(OutlinePoint p, OutlinePoint a, OutlinePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Transverse arc thickness of tooth 1 at radius r: where its left flank (walked
// down from the tip, point 0 onwards) crosses the circle.
double arc_thickness_at(const GearOutline& o, double r) {
    for (std::size_t k = 0; k + 1 < o.points.size(); ++k) {
        const OutlinePoint a = o.points[k], b = o.points[k + 1];
        if (radius(a) >= r && radius(b) < r) {
            const double t = (radius(a) - r) / (radius(a) - radius(b));
            const OutlinePoint c{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            return 2 * r * std::atan2(-c.x, c.y);
        }
    }
    return NAN;
}

std::string text(double v) {
    std::string s(32, '\0');
    s.resize(std::to_chars(s.data(), s.data() + s.size(), v).ptr - s.data());
    return s;
}

// Pinions near the undercut limit, where the fillet cuts into the involute: spur and
// helical, z 7 … 17, several fillet radii, shifts from well below the limit of a
// sharp rack to just above it, each with a 40-tooth wheel at the reference centre
// distance.
std::vector<GearPairInput> near_undercut_pairs() {
    std::vector<GearPairInput> forms;
    for (double beta : {0.0, 12.0, 25.0}) {
        const double cos_beta = std::cos(beta * std::numbers::pi / 180);
        const double sin_alpha_t =
            std::sin(std::atan(std::tan(20 * std::numbers::pi / 180) / cos_beta));
        for (int z = 7; z <= 17; ++z) {
            const double limit = 1 - z * sin_alpha_t * sin_alpha_t / (2 * cos_beta);
            for (double rounding : {0.0, 0.2, 0.5, 0.76}) {
                for (double below : {0.3, 0.15, 0.05, 0.0, -0.05}) {
                    GearPairInput in;
                    in.zxja = text((z + 40) / cos_beta), in.fmn = "2", in.fjafn = "20";
                    in.lxjbt = text(beta), in.ckbw = "30", in.h0 = "1", in.c0 = "0.25";
                    in.cs1z1 = text(z), in.cs2z2 = "40", in.ess1 = in.ess2 = "-0.05";
                    in.esi1 = in.esi2 = "-0.12", in.fr1 = in.fr2 = "0.05";
                    in.xng1 = text(limit - below), in.xng2 = text(below - limit);
                    in.cgyj1 = in.cgyj2 = text(rounding);
                    forms.push_back(in);
                }
            }
        }
    }
    return forms;
}

const OutlineSegment* first_segment(const GearOutline& o, SegmentKind kind, int tooth) {
    for (const auto& s : o.segments) {
        if (s.kind == kind && s.tooth == tooth) return &s;
    }
    return nullptr;
}

TEST(OutlineIdentities, EveryGoldenPairAgreesWithItsSheet) {
    const auto pairs = golden_pairs();
    const auto fine = golden_pairs({ThicknessChoice::Nominal, kFineTolerance});
    ASSERT_EQ(pairs.size(), fine.size());
    ASSERT_GT(pairs.size(), 300u);
    int drawn = 0, undercut = 0, pointed = 0, helical = 0;
    for (std::size_t c = 0; c < pairs.size(); ++c) {
        const GeometryNumbers& n = pairs[c].profile.numbers;
        for (int i = 0; i < kGears; ++i) {
            const auto* coarse = std::get_if<GearOutline>(&pairs[c].profile.outlines[i]);
            const auto* exact = std::get_if<GearOutline>(&fine[c].profile.outlines[i]);
            ASSERT_EQ(coarse != nullptr, exact != nullptr);
            if (!coarse) continue;
            SCOPED_TRACE("cases.csv row " + std::to_string(pairs[c].row) + ", gear " +
                         std::to_string(i + 1));
            const GearOutline& o = *coarse;
            ++drawn;
            undercut += o.undercut;
            pointed += o.pointed;
            helical += n.beta != 0;

            // A closed counter-clockwise curve, first point not repeated, finite.
            ASSERT_GE(o.points.size(), 3u * o.teeth);
            EXPECT_GT(signed_area(o.points), 0);
            EXPECT_GT(std::hypot(o.points.front().x - o.points.back().x,
                                 o.points.front().y - o.points.back().y),
                      0);
            for (const auto& p : o.points) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));

            // The pieces follow each other around the whole outline, back to point 0;
            // each tooth has two involute flanks (none when the fillet reaches the tip).
            std::size_t next = 0;
            int involutes = 0;
            for (const auto& piece : o.segments) {
                ASSERT_EQ(piece.first, next);
                next = piece.last;
                involutes += piece.kind == SegmentKind::Involute;
            }
            EXPECT_EQ(next, 0u);
            EXPECT_EQ(involutes, o.form_radius < o.outer_radius ? 2 * o.teeth : 0);

            // Root and tip circles of the sheet.
            double r_min = INFINITY, r_max = 0;
            for (const auto& p : o.points) {
                r_min = std::min(r_min, radius(p));
                r_max = std::max(r_max, radius(p));
            }
            EXPECT_NEAR(r_min, n.df[i] / 2, kSheetTolerance);
            EXPECT_EQ(o.pointed, n.sta[i] <= 0);
            if (n.sta[i] > 0) {
                EXPECT_NEAR(r_max, n.da[i] / 2, kSheetTolerance);
            } else {
                EXPECT_LT(r_max, n.da[i] / 2);
            }

            // Tooth 1 on +y, symmetric: point k mirrors point N − k.
            const std::size_t count = o.points.size();
            EXPECT_EQ(o.points[0].x, 0.0);
            for (std::size_t k = 1; k < count; ++k) {
                const OutlinePoint a = o.points[k], b = o.points[count - k];
                ASSERT_NEAR(a.x, -b.x, 1e-9 * n.d[i]);
                ASSERT_NEAR(a.y, b.y, 1e-9 * n.d[i]);
            }

            // Tip land as wide as the sheet's tip thickness (tooth 2 has it whole),
            // where the involute reaches the tip (with no addendum the fillet does).
            const auto* tip = first_segment(o, SegmentKind::TipLand, 2);
            if (tip && o.form_radius < o.tip_radius) {
                const OutlinePoint a = o.points[tip->first], b = o.points[tip->last % count];
                const double sweep = std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
                EXPECT_NEAR(o.tip_radius * sweep, n.sta[i], 1e-9 * n.d[i]);
            }

            // Arc thickness at the reference circle: sn / cos β, where that circle
            // meets the involute.
            const double r = n.d[i] / 2;
            if (exact->form_radius < r && r < exact->outer_radius) {
                EXPECT_NEAR(arc_thickness_at(*exact, r), n.sn[i] / std::cos(n.beta),
                            4 * exact->tolerance);
            }

            // No chord of teeth 1 and 2 strays from the curve by more than the
            // tolerance: every point of the fine outline of a piece lies that close to
            // the coarse piece.
            EXPECT_FALSE(o.capped);
            EXPECT_EQ(o.tolerance, kDefaultChordTolerance);
            ASSERT_EQ(o.segments.size(), exact->segments.size());
            for (std::size_t s = 0; s < o.segments.size() && s < 14; ++s) {
                const OutlineSegment& cs = o.segments[s];
                const OutlineSegment& fs = exact->segments[s];
                ASSERT_EQ(cs.kind, fs.kind);
                double worst = 0;
                for (std::size_t f = fs.first; f <= fs.last; ++f) {
                    const OutlinePoint p = exact->points[f % exact->points.size()];
                    double nearest = INFINITY;
                    for (std::size_t k = cs.first; k < cs.last; ++k) {
                        nearest = std::min(nearest, segment_distance(p, o.points[k % count],
                                                                     o.points[(k + 1) % count]));
                    }
                    worst = std::max(worst, nearest);
                }
                EXPECT_LE(worst, kDefaultChordTolerance + exact->tolerance) << "piece " << s;
            }
        }
    }
    // The golden cases reach every kind of tooth.
    EXPECT_GT(drawn, 600);
    EXPECT_GT(undercut, 10);
    EXPECT_GT(pointed, 0);
    EXPECT_GT(helical, 300);
}

// No two edges of an outline meet but neighbours at their shared point, for every
// thickness: over the golden gears and over pinions near the undercut limit, where
// the fillet cuts into the involute just above the base circle.
TEST(OutlineIdentities, OutlinesAreSimpleClosedCurves) {
    const auto forms = near_undercut_pairs();
    int simple = 0, undercut = 0;
    for (auto thickness : {ThicknessChoice::Nominal, ThicknessChoice::Upper, ThicknessChoice::Lower,
                           ThicknessChoice::Mean}) {
        std::vector<std::pair<std::string, PairProfile>> pairs;
        for (const auto& p : golden_pairs({thickness}))
            pairs.emplace_back("cases.csv row " + text(p.row), p.profile);
        for (const auto& form : forms) {
            pairs.emplace_back("z1 " + form.cs1z1 + ", β " + form.lxjbt + ", ρ " + form.cgyj1 +
                                   ", xn1 " + form.xng1,
                               std::get<PairProfile>(pair_profile(form, {thickness})));
        }
        for (const auto& [where, profile] : pairs) {
            for (int i = 0; i < kGears; ++i) {
                const auto* o = std::get_if<GearOutline>(&profile.outlines[i]);
                if (!o) continue;
                const auto crossing = outline_crossing(o->points);
                EXPECT_FALSE(crossing)
                    << where << ", gear " << i + 1 << ", thickness " << int(thickness) << ": edges "
                    << crossing->first << ", " << crossing->second;
                simple += !crossing;
                undercut += o->undercut;
            }
        }
    }
    EXPECT_GT(simple, 4 * (600 + 2 * 660));  // golden gears, pinions and wheels
    EXPECT_GT(undercut, 4 * 600);
}

}  // namespace
}  // namespace gp
