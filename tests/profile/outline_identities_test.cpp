// The outlines agree with the geometry sheet over every golden pair that computes:
// root and tip circles, thickness at the reference circle, tip land, chord
// tolerance, closed counter-clockwise curve, symmetry of tooth 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "golden_pairs.h"

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
                            4 * kFineTolerance);
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
                EXPECT_LE(worst, kDefaultChordTolerance + kFineTolerance) << "piece " << s;
            }
        }
    }
    // The golden cases reach every kind of tooth.
    EXPECT_GT(drawn, 600);
    EXPECT_GT(undercut, 10);
    EXPECT_GT(pointed, 0);
    EXPECT_GT(helical, 300);
}

}  // namespace
}  // namespace gp
