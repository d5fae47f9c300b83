#include "outline_simplicity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "pi.h"

namespace gp {
namespace {

// The first meeting pair of edges, comparing every pair: what the grid must find.
std::optional<OutlineCrossing> every_pair(const std::vector<OutlinePoint>& p) {
    const std::size_t n = p.size();
    const auto cross = [](OutlinePoint o, OutlinePoint a, OutlinePoint b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    const auto on = [](OutlinePoint a, OutlinePoint b, OutlinePoint q) {
        return std::fmin(a.x, b.x) <= q.x && q.x <= std::fmax(a.x, b.x) &&
               std::fmin(a.y, b.y) <= q.y && q.y <= std::fmax(a.y, b.y);
    };
    for (std::size_t e = 0; e < n; ++e) {
        for (std::size_t f = e + 2; f < n; ++f) {
            if (e == 0 && f == n - 1) continue;
            const OutlinePoint a = p[e], b = p[e + 1], c = p[f], d = p[(f + 1) % n];
            const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c),
                         d4 = cross(a, b, d);
            if ((d1 * d2 < 0 && d3 * d4 < 0) || (d1 == 0 && on(c, d, a)) ||
                (d2 == 0 && on(c, d, b)) || (d3 == 0 && on(a, b, c)) || (d4 == 0 && on(a, b, d))) {
                return OutlineCrossing{e, f};
            }
        }
    }
    return std::nullopt;
}

// Random polygons, from star-shaped ones (simple) to wild ones (crossing), on a
// coarse lattice so that touching points and collinear edges occur: the grid
// finds the same first pair as the comparison of every pair.
TEST(OutlineSimplicity, FindsTheFirstMeetingPairOfEveryPolygon) {
    std::mt19937 random(7);
    int simple = 0, crossing = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int n = std::uniform_int_distribution<int>(4, 60)(random);
        const double wild = trial % 2 ? 0.0 : 1.0;
        std::uniform_int_distribution<int> lattice(-20, 20);
        std::vector<OutlinePoint> p;
        for (int k = 0; k < n; ++k) {
            const double angle = 2 * kExactPi * k / n, r = 30 + lattice(random) * (0.5 + wild);
            p.push_back({std::round(r * std::cos(angle)) + wild * lattice(random),
                         std::round(r * std::sin(angle)) + wild * lattice(random)});
        }
        const auto expected = every_pair(p), found = outline_crossing(p);
        ASSERT_EQ(found.has_value(), expected.has_value()) << "trial " << trial;
        if (found) {
            EXPECT_EQ(found->first, expected->first) << "trial " << trial;
            EXPECT_EQ(found->second, expected->second) << "trial " << trial;
        }
        (expected ? crossing : simple) += 1;
    }
    EXPECT_GT(simple, 500);
    EXPECT_GT(crossing, 500);
}

}  // namespace
}  // namespace gp
