// The outline is what the rack leaves: at every radius of the flank, the outline's
// angle is the edge of the region the rack's tooth sweeps over as it rolls, found
// here by brute force (the rack as a solid, tried at every rolling position)
// instead of by envelopes. Undercut pairs are where this bites.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "golden_pairs.h"

namespace gp {
namespace {

constexpr double kPi = std::numbers::pi;

// The generating rack of one gear as a solid in the transverse plane: rolling line
// at y = r over the gear centre, one tooth centred on x = 0 pointing at the centre.
struct RackSolid {
    double r, pitch, cos_beta, tan_alpha_n, cos_alpha_n, alpha_n;
    double half_space_n, tip, rho, corner_n;

    RackSolid(const GeometryNumbers& n, int i, double rho) : r(n.d[i] / 2), rho(rho) {
        const double z = n.z[i];
        pitch = 2 * kPi * r / z;
        cos_beta = std::cos(n.beta);
        alpha_n = n.alpha_n;
        tan_alpha_n = std::tan(alpha_n);
        cos_alpha_n = std::cos(alpha_n);
        half_space_n = (pitch - n.sn[i] / cos_beta) / 2 * cos_beta;
        tip = (n.df[i] - n.d[i]) / 2;
        corner_n = half_space_n + (tip + rho) * tan_alpha_n - rho / cos_alpha_n;
    }

    // How deep (mm, normal section) the point (u, v) lies inside the tooth at u = 0.
    double depth_in_tooth(double u, double v) const {
        const double un = std::abs(u) * cos_beta;
        const double dx = un - corner_n, dy = v - (tip + rho);
        if (dx > 0 && dy < 0 && std::atan2(dx, -dy) <= kPi / 2 - alpha_n) {
            return rho - std::hypot(dx, dy);
        }
        return std::min(v - tip, (half_space_n + v * tan_alpha_n - un) * cos_alpha_n);
    }
    double depth(double u, double v) const {
        double d = -INFINITY;
        for (int k = -1; k <= 1; ++k) d = std::max(d, depth_in_tooth(u - k * pitch, v));
        return d;
    }

    // Deepest the rack ever reaches into the gear point at radius R, clockwise
    // angle t from +y, over all rolling positions.
    double deepest(double R, double t, double span) const {
        const double gx = R * std::sin(t), gy = R * std::cos(t);
        const auto at = [&](double phi) {
            const double c = std::cos(phi), s = std::sin(phi);
            return depth(gx * c + gy * s - r * phi, -gx * s + gy * c - r);
        };
        constexpr int kGrid = 1500;
        int best = 0;
        double best_depth = -INFINITY;
        for (int k = 0; k <= kGrid; ++k) {
            const double d = at(-span + 2 * span * k / kGrid);
            if (d > best_depth) {
                best_depth = d;
                best = k;
            }
        }
        double a = -span + 2 * span * (best - 1) / kGrid, b = -span + 2 * span * (best + 1) / kGrid;
        const double g = (std::sqrt(5.0) - 1) / 2;
        for (int it = 0; it < 60; ++it) {
            const double c1 = b - g * (b - a), c2 = a + g * (b - a);
            if (at(c1) > at(c2)) {
                b = c2;
            } else {
                a = c1;
            }
        }
        return std::max(best_depth, at((a + b) / 2));
    }
};

TEST(OutlineAsCut, FlanksFollowTheEdgeOfWhatTheRackSweeps) {
    int compared = 0, undercut = 0;
    const auto pairs = testing::golden_pairs({ThicknessChoice::Nominal, 1e-6});
    for (const auto& pair : pairs) {
        for (int i = 0; i < kGears; ++i) {
            const auto* o = std::get_if<GearOutline>(&pair.profile.outlines[i]);
            if (!o || !(o->undercut || pair.row % 15 == 0)) continue;
            SCOPED_TRACE("cases.csv row " + std::to_string(pair.row) + ", gear " +
                         std::to_string(i + 1));
            const GeometryNumbers& n = pair.profile.numbers;
            const RackSolid rack(n, i, o->rounding.radius);
            const double half_pitch = kPi / o->teeth;
            // Tooth 1's left flank, tip to root: up to the middle of the next space.
            const std::size_t end = o->points.size() / o->teeth / 2;
            for (int k = 1; k <= 6; ++k) {
                const double R = o->root_radius + (o->outer_radius - o->root_radius) * k / 7;
                int crossings = 0;
                double outline_angle = 0;
                for (std::size_t p = 0; p < end; ++p) {
                    const auto a = o->points[p], b = o->points[p + 1];
                    const double ra = std::hypot(a.x, a.y), rb = std::hypot(b.x, b.y);
                    if ((ra - R) * (rb - R) > 0 || ra == rb) continue;
                    const double f = (ra - R) / (ra - rb);
                    const double x = a.x + f * (b.x - a.x), y = a.y + f * (b.y - a.y);
                    // As a clockwise angle from the middle of the space that tooth 1's
                    // left flank borders.
                    outline_angle = half_pitch - std::atan2(-x, y);
                    ++crossings;
                }
                if (crossings != 1) continue;  // the cusp of an undercut flank
                double lo = 0, hi = half_pitch;
                for (int it = 0; it < 45; ++it) {
                    const double mid = (lo + hi) / 2;
                    if (rack.deepest(R, mid, 3.6 * kPi / o->teeth) >= 0) {
                        lo = mid;
                    } else {
                        hi = mid;
                    }
                }
                EXPECT_NEAR(outline_angle * R, lo * R, 2e-5) << "radius " << R;
                ++compared;
            }
            undercut += o->undercut;
        }
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(undercut, 15);
}

}  // namespace
}  // namespace gp
