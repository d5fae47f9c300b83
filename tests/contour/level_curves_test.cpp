// The tracer against functions whose zero sets are known: every traced point is
// on the set, every point of the set is near a traced point, and the runs end
// where the set leaves the rectangle or the function's values.
#include <gtest/gtest.h>

#include <cmath>

#include "level_curves.h"

namespace gp {
namespace {

struct Case {
    const char* name;
    LevelFunction f;
    // A point of the zero set for parameter t in [0, 1), or nothing outside the
    // rectangle or the function's values.
    std::function<std::optional<LevelPoint>(double t)> zero;
    std::size_t runs;  // expected number of runs; 0: any
    bool closed;       // a single closed run
};

TEST(LevelCurves, AnalyticZeroSetsAreTracedWhole) {
    const LevelRectangle r{-1, 1, -1, 1};
    const double pi = 3.14159265358979323846;
    const auto in = [&r](LevelPoint p) -> std::optional<LevelPoint> {
        if (p.x < r.x_min || p.x > r.x_max || p.y < r.y_min || p.y > r.y_max) return std::nullopt;
        return p;
    };
    const Case cases[] = {
        {"circle", [](double x, double y) { return x * x + y * y - 0.25; },
         [&](double t) { return in({0.5 * std::cos(2 * pi * t), 0.5 * std::sin(2 * pi * t)}); },
         1, true},
        // Where the lines cross the function has no slope: however the tracer
        // leaves the crossing, both lines are covered.
        {"crossing lines", [](double x, double y) { return (y - x) * (y + 0.5 * x); },
         [&](double t) {
             const double s = 4 * t - 2;
             return t < 0.5 ? in({s + 1, s + 1}) : in({4 * t - 3, -0.5 * (4 * t - 3)});
         },
         0, false},
        // Values only for x > −0.3: the line y = 0.2 ends there.
        {"no value on the left",
         [](double x, double y) -> std::optional<double> {
             if (x <= -0.3) return std::nullopt;
             return y - 0.2;
         },
         [&](double t) { return in({-0.29 + 1.29 * t, 0.2}); }, 1, false},
        // A wave that leaves through the top edge and comes back: two runs.
        {"leaves and re-enters", [](double x, double y) { return y - 0.8 - 0.4 * std::cos(3 * x); },
         [&](double t) { return in({2 * t - 1, 0.8 + 0.4 * std::cos(3 * (2 * t - 1))}); }, 2,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LevelGrid grid;
        grid.nx = grid.ny = 9;
        for (int j = 0; j < grid.ny; ++j) {
            for (int i = 0; i < grid.nx; ++i) grid.values.push_back(c.f(grid.x(r, i), grid.y(r, j)));
        }
        const LevelTraceOptions o;
        const LevelTrace trace = trace_level_curves(c.f, grid, r, o);
        EXPECT_FALSE(trace.cut_short);
        if (c.runs) {
            EXPECT_EQ(trace.runs.size(), c.runs);
        }
        if (c.closed) {
            EXPECT_TRUE(trace.runs.size() == 1 && trace.runs[0].closed);
        }
        for (const LevelRun& run : trace.runs) {
            for (std::size_t k = 0; k < run.points.size(); ++k) {
                const LevelPoint& p = run.points[k];
                EXPECT_LE(std::fabs(c.f(p.x, p.y).value_or(1.0)), o.tolerance);
                if (k > 0) {
                    const LevelPoint& q = run.points[k - 1];
                    EXPECT_LE(std::hypot(p.x - q.x, p.y - q.y), o.spacing * (1 + 1e-9));
                }
            }
        }
        // The set is covered: each of its points near a traced one (the crossing
        // itself aside).
        for (double t = 0.0005; t < 1; t += 0.001) {
            const auto z = c.zero(t);
            if (!z || std::hypot(z->x, z->y) < 0.05) continue;
            double nearest = HUGE_VAL;
            for (const LevelRun& run : trace.runs) {
                for (const LevelPoint& p : run.points) {
                    nearest = std::min(nearest, std::hypot(p.x - z->x, p.y - z->y));
                }
            }
            EXPECT_LE(nearest, o.spacing) << "at t = " << t;
        }
    }
}

}  // namespace
}  // namespace gp
