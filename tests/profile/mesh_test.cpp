// The mesh figures: the path of contact agrees with the sheet, the sliding obeys
// its identities, and the pair turned by the mesh kinematics touches on the line of
// action without overlapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../geometry/reference_pair.h"
#include "golden_pairs.h"
#include "mesh_figures.h"
#include "messages/profile.h"

namespace gp {
namespace {

double segment_distance(OutlinePoint p, OutlinePoint a, OutlinePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// The outline turned by `angle` about the origin and moved to `centre`.
std::vector<OutlinePoint> placed(const GearOutline& o, double angle, OutlinePoint centre) {
    std::vector<OutlinePoint> out;
    const double c = std::cos(angle), s = std::sin(angle);
    for (const auto& p : o.points)
        out.push_back({centre.x + p.x * c - p.y * s, centre.y + p.x * s + p.y * c});
    return out;
}

double distance_to(const std::vector<OutlinePoint>& poly, OutlinePoint p) {
    double best = INFINITY;
    for (std::size_t k = 0; k < poly.size(); ++k) {
        best = std::min(best, segment_distance(p, poly[k], poly[(k + 1) % poly.size()]));
    }
    return best;
}

bool inside(const std::vector<OutlinePoint>& poly, OutlinePoint p) {
    bool in = false;
    for (std::size_t k = 0, j = poly.size() - 1; k < poly.size(); j = k++) {
        const auto a = poly[k], b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

TEST(MeshFigures, PathOfContactAgreesWithTheSheetAndSlidingItsIdentities) {
    int compared = 0;
    for (const auto& pair : testing::golden_pairs({ThicknessChoice::Nominal, 0.05})) {
        const GeometryNumbers& n = pair.profile.numbers;
        const MeshFigures m = mesh_figures(n);
        SCOPED_TRACE("cases.csv row " + std::to_string(pair.row));
        // A and E are where the sheet's start-of-mesh circles cross the line.
        const double rb1 = n.db[0] / 2, rb2 = n.db[1] / 2;
        EXPECT_NEAR(2 * std::hypot(rb1, m.a), n.dc[0], 1e-9 * n.dc[0]);
        EXPECT_NEAR(2 * std::hypot(rb2, m.t1t2 - m.e), n.dc[1], 1e-9 * n.dc[1]);
        EXPECT_NEAR(m.eps_alpha, n.eps_alpha, 1e-9 * std::max(1.0, std::abs(n.eps_alpha)));
        // C divides the line in the ratio of the base circles.
        EXPECT_NEAR(m.c / (m.t1t2 - m.c), rb1 / rb2, 1e-9);
        const auto sliding = sliding_along_path(m, 9);
        if (const auto* stop = std::get_if<Stop>(&sliding)) {
            EXPECT_TRUE(stop->message == msg::kNoContact ||
                        stop->message == msg::kContactBeyondTangent);
            EXPECT_FALSE(m.has_contact && m.within_tangents);
            continue;
        }
        ++compared;
        const auto& z = std::get<std::vector<SpecificSliding>>(sliding);
        ASSERT_EQ(z.size(), 9u);
        EXPECT_EQ(z.front().s, m.a);
        EXPECT_EQ(z.back().s, m.e);
        for (const auto& p : z) {
            // (1 − ζ1)(1 − ζ2) = 1 everywhere; both vanish at the pitch point.
            EXPECT_NEAR((1 - p.zeta1) * (1 - p.zeta2), 1.0, 1e-9);
        }
        const auto at_c = specific_sliding(m, m.c);
        ASSERT_TRUE(at_c);
        EXPECT_NEAR(at_c->zeta1, 0, 1e-9);
        EXPECT_NEAR(at_c->zeta2, 0, 1e-9);
    }
    EXPECT_GT(compared, 300);
}

TEST(MeshFigures, TurningPairTouchesOnTheLineOfActionWithoutOverlap) {
    // The spur pair of the README, the same helical, and a pair whose centre
    // distance asks for shift: each cut without backlash at nominal thickness.
    for (const auto& form :
         {testing::reference_pair(), testing::reference_pair({{"lxjbt", "15"}, {"zxja", "62.5"}}),
          testing::reference_pair({{"cs1z1", "13"}, {"zxja", "54"}})}) {
        const auto outcome = pair_profile(form);
        const auto& p = std::get<PairProfile>(outcome);
        const auto& g1 = std::get<GearOutline>(p.outlines[0]);
        const auto& g2 = std::get<GearOutline>(p.outlines[1]);
        const MeshFigures m = mesh_figures(p.numbers);
        SCOPED_TRACE("z1 " + form.cs1z1 + ", beta " + form.lxjbt);
        for (double f : {0.0, 0.25, 0.5, 0.9, 1.0}) {
            const MeshPose pose = mesh_pose(m, g1, g2, f * m.pbt);
            ASSERT_FALSE(pose.contacts.empty());
            const auto one = placed(g1, pose.gear1_angle, {0, 0});
            const auto two = placed(g2, pose.gear2_angle, {m.centre_distance, 0});
            for (double s : pose.contacts) {
                EXPECT_GE(s, m.a);
                EXPECT_LE(s, m.e);
                const OutlinePoint c = point_on_line(m, s);
                EXPECT_LT(distance_to(one, c), 2 * kDefaultChordTolerance) << "s " << s;
                EXPECT_LT(distance_to(two, c), 2 * kDefaultChordTolerance) << "s " << s;
            }
            // No point of gear 2 lies inside gear 1 by more than the chord tolerance.
            for (const auto& q : two) {
                if (inside(one, q)) {
                    EXPECT_LT(distance_to(one, q), 2 * kDefaultChordTolerance);
                }
            }
        }
        // One base pitch later the picture repeats (the base pitch is formed with the
        // system's π, 3.141592654, the turn with the full one).
        const MeshPose start = mesh_pose(m, g1, g2, 0);
        const MeshPose later = mesh_pose(m, g1, g2, m.pbt);
        const double pitch1 = 2 * 3.141592653589793 / g1.teeth;
        EXPECT_NEAR(std::remainder(start.gear1_angle - later.gear1_angle, pitch1), 0, 1e-9);
    }
}

}  // namespace
}  // namespace gp
