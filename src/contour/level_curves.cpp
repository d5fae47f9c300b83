#include "level_curves.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>

namespace gp {

double LevelGrid::x(const LevelRectangle& r, int i) const {
    if (i >= nx - 1) return r.x_max;
    return r.x_min + (r.x_max - r.x_min) * i / (nx - 1);
}

double LevelGrid::y(const LevelRectangle& r, int j) const {
    if (j >= ny - 1) return r.y_max;
    return r.y_min + (r.y_max - r.y_min) * j / (ny - 1);
}

namespace {

struct Vec {
    double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double length(Vec a) { return std::hypot(a.x, a.y); }
// The normal on the left of a direction.
Vec left_of(Vec t) { return {-t.y, t.x}; }

class Tracer {
  public:
    Tracer(const LevelFunction& f, const LevelRectangle& r, const LevelTraceOptions& o,
           LevelTrace& out)
        : f_(f), r_(r), o_(o), out_(out) {
        // Aim well inside the tolerance, so that a point still meets it when the
        // function is evaluated again from the written coordinates.
        target_ = o.tolerance * 1e-3;
        step_ = 0.99 * o.spacing;
        min_step_ = 1e-3 * o.spacing;
        const double wide = std::max(r.x_max - r.x_min, r.y_max - r.y_min);
        delta_ = 1e-7 * std::max(1.0, wide);
        // Followed points are remembered in square cells a few steps wide, or a
        // 64th of the rectangle when that is smaller.
        cell_ = std::min(4 * o.spacing, wide / 64);
    }

    void run(const std::vector<LevelBracket>& brackets) {
        for (const LevelBracket& b : brackets) {
            if (spent()) break;
            seed_between({b.a.x, b.a.y}, b.fa, {b.b.x, b.b.y}, b.fb);
        }
    }

  private:
    bool spent() const { return out_.cut_short; }

    std::optional<double> eval(Vec p) {
        if (out_.evaluations >= o_.max_evaluations) {
            out_.cut_short = true;
            return std::nullopt;
        }
        ++out_.evaluations;
        const auto v = f_(p.x, p.y);
        if (v && !std::isfinite(*v)) return std::nullopt;
        return v;
    }

    bool inside(Vec p) const {
        return p.x >= r_.x_min && p.x <= r_.x_max && p.y >= r_.y_min && p.y <= r_.y_max;
    }

    // --- Remembering where curves were followed, by cell.
    std::int64_t cell_of(double v, double low) const {
        const double k = std::floor((v - low) / cell_);
        // Far outside the rectangle every cell is the same one.
        return static_cast<std::int64_t>(std::isnan(k) ? 0.0 : std::clamp(k, -1e9, 1e9));
    }
    static std::int64_t key(std::int64_t i, std::int64_t j) { return i * 4000000007LL + j; }
    void remember(Vec p) {
        followed_[key(cell_of(p.x, r_.x_min), cell_of(p.y, r_.y_min))].push_back(p);
    }
    bool near_followed(Vec p, double radius) const {
        const std::int64_t i0 = cell_of(p.x - radius, r_.x_min), i1 = cell_of(p.x + radius, r_.x_min);
        const std::int64_t j0 = cell_of(p.y - radius, r_.y_min), j1 = cell_of(p.y + radius, r_.y_min);
        if ((i1 - i0 + 1) * (j1 - j0 + 1) > static_cast<std::int64_t>(followed_.size())) {
            // A radius of many cells: every point remembered, once.
            for (const auto& [k, points] : followed_) {
                for (const Vec& q : points) {
                    if (length(q - p) <= radius) return true;
                }
            }
            return false;
        }
        for (std::int64_t j = j0; j <= j1; ++j) {
            for (std::int64_t i = i0; i <= i1; ++i) {
                const auto cell = followed_.find(key(i, j));
                if (cell == followed_.end()) continue;
                for (const Vec& q : cell->second) {
                    if (length(q - p) <= radius) return true;
                }
            }
        }
        return false;
    }

    // --- Root finders.

    // A zero between a and b, where f has opposite signs (regula falsi, Illinois
    // variant).
    std::optional<Vec> root_between(Vec a, double fa, Vec b, double fb) {
        double lo = 0, hi = 1;
        double flo = fa, fhi = fb;
        int side = 0;
        Vec best = std::fabs(fa) < std::fabs(fb) ? a : b;
        double fbest = std::min(std::fabs(fa), std::fabs(fb));
        for (int k = 0; k < 100 && fbest > target_ && !spent(); ++k) {
            double m = (lo * fhi - hi * flo) / (fhi - flo);
            if (!(m > lo && m < hi)) m = (lo + hi) / 2;
            const Vec p = a + m * (b - a);
            const auto fm = eval(p);
            if (!fm) return std::nullopt;
            if (std::fabs(*fm) < fbest) best = p, fbest = std::fabs(*fm);
            if ((*fm < 0) == (flo < 0)) {
                lo = m, flo = *fm;
                if (side == -1) fhi /= 2;
                side = -1;
            } else {
                hi = m, fhi = *fm;
                if (side == 1) flo /= 2;
                side = 1;
            }
            if ((hi - lo) * length(b - a) < 1e-15) break;
        }
        if (fbest > o_.tolerance * 0.1) return std::nullopt;
        return best;
    }

    // The zero of f on the line q + s·dir nearest q, |s| within `reach`. `slope`
    // is the derivative of f along dir (NaN: unknown); it comes back updated.
    std::optional<Vec> root_along(Vec q, Vec dir, double& slope, double reach) {
        const auto g0 = eval(q);
        if (!g0) return std::nullopt;
        if (std::fabs(*g0) <= target_) return q;
        if (!std::isfinite(slope) || slope == 0.0) {
            const auto g1 = eval(q + delta_ * dir);
            if (!g1) return std::nullopt;
            slope = (*g1 - *g0) / delta_;
            if (!std::isfinite(slope) || slope == 0.0) return std::nullopt;
        }
        double s_prev = 0, g_prev = *g0;
        double s = -g_prev / slope;
        Vec best = q;
        double fbest = std::fabs(*g0);
        for (int k = 0; k < 12; ++k) {
            if (!(std::fabs(s) <= reach)) break;
            const Vec p = q + s * dir;
            const auto g = eval(p);
            if (!g) return std::nullopt;
            if (std::fabs(*g) < fbest) best = p, fbest = std::fabs(*g);
            if (std::fabs(*g) <= target_) break;
            const double secant = (*g - g_prev) / (s - s_prev);
            if (!std::isfinite(secant) || secant == 0.0) break;
            slope = secant;
            s_prev = s, g_prev = *g;
            s = s - *g / secant;
            if (std::fabs(s - s_prev) <= 1e-15 * (1.0 + length(q))) break;
        }
        if (fbest > o_.tolerance * 0.1) return std::nullopt;
        return best;
    }

    // The point where the curve leaves the rectangle between p (inside) and r
    // (outside), on the edge itself.
    std::optional<Vec> edge_point(Vec p, Vec r) {
        double lambda = 1;
        int edge = -1;  // 0, 1: x = x_min, x_max; 2, 3: y = y_min, y_max
        const auto cut = [&](double from, double to, double bound, int which) {
            if ((to < bound) != (from < bound) || to == bound) {
                const double l = (bound - from) / (to - from);
                if (l >= 0 && l <= lambda) lambda = l, edge = which;
            }
        };
        if (r.x < r_.x_min) cut(p.x, r.x, r_.x_min, 0);
        if (r.x > r_.x_max) cut(p.x, r.x, r_.x_max, 1);
        if (r.y < r_.y_min) cut(p.y, r.y, r_.y_min, 2);
        if (r.y > r_.y_max) cut(p.y, r.y, r_.y_max, 3);
        if (edge < 0) return std::nullopt;
        Vec e = p + lambda * (r - p);
        const bool vertical = edge < 2;
        if (vertical)
            e.x = edge == 0 ? r_.x_min : r_.x_max;
        else
            e.y = edge == 2 ? r_.y_min : r_.y_max;
        double slope = std::numeric_limits<double>::quiet_NaN();
        const Vec along = vertical ? Vec{0, 1} : Vec{1, 0};
        auto root = root_along(e, along, slope, o_.spacing);
        if (!root || !inside(*root)) return std::nullopt;
        return root;
    }

    // --- Following a curve.

    // From `start` along the unit tangent `t`, where `slope` is f's derivative
    // along left_of(t). The points after `start`; `closed` when the curve came
    // round to `seed`.
    std::vector<LevelPoint> march(Vec start, Vec t, double slope, Vec seed, bool& closed) {
        std::vector<LevelPoint> points;
        Vec p = start;
        double h = step_, travelled = 0;
        Vec chord_before = t;
        bool have_chord = false;
        while (!spent()) {
            // Round to the start: the seed is within one step ahead.
            if (travelled > 4 * o_.spacing && length(seed - p) <= o_.spacing &&
                dot(seed - p, t) > 0) {
                points.push_back({seed.x, seed.y});
                closed = true;
                break;
            }
            if (h < min_step_) break;  // f has no value ahead, or the curve is lost
            double s = slope;
            const auto r = root_along(p + h * t, left_of(t), s, o_.spacing);
            if (!r) {
                h /= 2;
                continue;
            }
            const Vec d = *r - p;
            const double dist = length(d);
            if (dist > o_.spacing || dot(d, t) <= 0 || dist == 0) {
                h /= 2;
                continue;
            }
            if (!inside(*r)) {
                const auto e = edge_point(p, *r);
                if (!e || length(*e - p) > o_.spacing) {
                    if (e || h >= 2 * min_step_) {
                        h /= 2;
                        continue;
                    }
                    break;
                }
                if (length(*e - p) > 1e-12) points.push_back({e->x, e->y});
                break;
            }
            points.push_back({r->x, r->y});
            remember(*r);
            travelled += dist;
            // The next chord turns from this one about as this one turned from the
            // last: predicting along it keeps the predictor on a circle's arc.
            const Vec chord = (1.0 / dist) * d;
            const double turn_sin = chord_before.x * chord.y - chord_before.y * chord.x;
            const double turn_cos = dot(chord_before, chord);
            t = chord;
            if (have_chord && turn_cos > 0.95) {
                t = {turn_cos * chord.x - turn_sin * chord.y,
                     turn_sin * chord.x + turn_cos * chord.y};
                t = (1.0 / length(t)) * t;
            }
            chord_before = chord, have_chord = true;
            slope = s;
            p = *r;
            h = step_;
        }
        return points;
    }

    void seed_between(Vec a, double fa, Vec b, double fb) {
        if (!std::isfinite(fa) || !std::isfinite(fb) || (fa < 0) == (fb < 0)) return;
        if (!inside(a) || !inside(b)) return;
        // A curve already followed through this edge is not followed again.
        const Vec guess = a + (fa / (fa - fb)) * (b - a);
        if (near_followed(guess, 0.25 * length(b - a))) return;
        const auto seed = root_between(a, fa, b, fb);
        if (!seed || near_followed(*seed, 1.5 * o_.spacing)) return;
        const auto f0 = eval(*seed);
        if (!f0) return;
        // The gradient, from the side where f has values.
        Vec grad;
        for (int axis = 0; axis < 2; ++axis) {
            const Vec e = axis == 0 ? Vec{1, 0} : Vec{0, 1};
            double h = delta_;
            auto f1 = eval(*seed + h * e);
            if (!f1) h = -delta_, f1 = eval(*seed + h * e);
            if (!f1) return;
            (axis == 0 ? grad.x : grad.y) = (*f1 - *f0) / h;
        }
        const double norm = length(grad);
        if (!(norm > 0) || !std::isfinite(norm)) return;
        const Vec t{grad.y / norm, -grad.x / norm};  // left_of(t) is the gradient's direction

        remember(*seed);
        bool closed = false;
        std::vector<LevelPoint> ahead = march(*seed, t, norm, *seed, closed);
        LevelRun run;
        if (!closed) {
            bool unused = false;
            std::vector<LevelPoint> behind = march(*seed, -1.0 * t, -norm, *seed, unused);
            run.points.assign(behind.rbegin(), behind.rend());
        }
        run.points.push_back({seed->x, seed->y});
        run.points.insert(run.points.end(), ahead.begin(), ahead.end());
        run.closed = closed;
        if (run.points.size() >= 2) out_.runs.push_back(std::move(run));
    }

    const LevelFunction& f_;
    const LevelRectangle r_;
    const LevelTraceOptions o_;
    LevelTrace& out_;
    double target_ = 0, step_ = 0, min_step_ = 0, delta_ = 0, cell_ = 1;
    std::unordered_map<std::int64_t, std::vector<Vec>> followed_;
};

}  // namespace

LevelTrace trace_level_curves(const LevelFunction& f, const std::vector<LevelBracket>& brackets,
                              const LevelRectangle& rectangle, const LevelTraceOptions& options) {
    LevelTrace out;
    if (!(rectangle.x_max > rectangle.x_min) || !(rectangle.y_max > rectangle.y_min) ||
        !(options.spacing > 0) || !(options.tolerance > 0)) {
        return out;
    }
    Tracer(f, rectangle, options, out).run(brackets);
    return out;
}

LevelTrace trace_level_curves(const LevelFunction& f, const LevelGrid& grid,
                              const LevelRectangle& rectangle, const LevelTraceOptions& options) {
    if (grid.nx < 2 || grid.ny < 2 ||
        grid.values.size() != static_cast<std::size_t>(grid.nx) * grid.ny) {
        return {};
    }
    std::vector<LevelBracket> brackets;
    const auto add = [&](int i, int j, int i2, int j2) {
        const auto& fa = grid.values[static_cast<std::size_t>(j) * grid.nx + i];
        const auto& fb = grid.values[static_cast<std::size_t>(j2) * grid.nx + i2];
        if (fa && fb && (*fa < 0) != (*fb < 0)) {
            brackets.push_back({{grid.x(rectangle, i), grid.y(rectangle, j)},
                                {grid.x(rectangle, i2), grid.y(rectangle, j2)}, *fa, *fb});
        }
    };
    for (int j = 0; j < grid.ny; ++j) {
        for (int i = 0; i < grid.nx; ++i) {
            if (i + 1 < grid.nx) add(i, j, i + 1, j);
            if (j + 1 < grid.ny) add(i, j, i, j + 1);
        }
    }
    return trace_level_curves(f, brackets, rectangle, options);
}

}  // namespace gp
