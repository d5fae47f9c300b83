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

// Two points where the function has values of opposite sign: a curve crosses the
// segment between them. Where the curves are looked for.
struct LevelBracket {
    LevelPoint a, b;
    double fa = 0, fb = 0;
};

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

// Every curve f = 0 that crosses a bracket inside the rectangle, followed both ways
// to the rectangle's edge (its last point on the edge), to where f has no value, or
// round to its start; the brackets are tried in their order, and one that a curve
// already followed passes through starts nothing.
LevelTrace trace_level_curves(const LevelFunction& f, const std::vector<LevelBracket>& brackets,
                              const LevelRectangle& rectangle, const LevelTraceOptions& options);

// The same with the brackets of a grid: each edge between two neighbouring nodes
// where f has values of opposite sign, row by row from the lower edge.
LevelTrace trace_level_curves(const LevelFunction& f, const LevelGrid& grid,
                              const LevelRectangle& rectangle, const LevelTraceOptions& options);

}  // namespace gp
