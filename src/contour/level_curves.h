// Tracing the zero curves of a function of two variables that may have no value
// in places, inside a rectangle: each curve is followed point by point by a
// predictor step along its tangent and a root finder across it, never read off a
// grid.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace gp {

struct LevelPoint {
    double x = 0;
    double y = 0;
};

// One stretch of a curve, its points in order along it. A closed curve's last
// point repeats its first.
struct LevelRun {
    std::vector<LevelPoint> points;
    bool closed = false;
};

struct LevelRectangle {
    double x_min = 0, x_max = 1, y_min = 0, y_max = 1;
};

// The function: its value at (x, y), or nothing where it has none (there every
// curve ends).
using LevelFunction = std::function<std::optional<double>(double x, double y)>;

// The function sampled on a regular grid over the rectangle (nx × ny nodes, the
// outer ones on its edges, x varying fastest): where the curves are looked for.
// Several functions of one calculation can share the samples' evaluation.
struct LevelGrid {
    int nx = 0, ny = 0;
    std::vector<std::optional<double>> values;

    double x(const LevelRectangle& r, int i) const;
    double y(const LevelRectangle& r, int j) const;
};

struct LevelTraceOptions {
    double spacing = 0.01;         // largest distance between neighbouring points
    double tolerance = 1e-7;       // largest |f| at a point of a curve
    long max_evaluations = 40000;  // of the function, for the whole trace
};

struct LevelTrace {
    std::vector<LevelRun> runs;
    long evaluations = 0;
    bool cut_short = false;  // the evaluations ran out before every curve was followed
};

// Every curve f = 0 that crosses an edge of the sampling grid between two nodes
// where f has values of opposite sign, followed both ways to the rectangle's edge
// (its last point on the edge), to where f has no value, or round to its start.
LevelTrace trace_level_curves(const LevelFunction& f, const LevelGrid& grid,
                              const LevelRectangle& rectangle, const LevelTraceOptions& options);

}  // namespace gp
