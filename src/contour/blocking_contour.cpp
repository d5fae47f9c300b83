#include "blocking_contour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <unordered_map>
#include <utility>

#include "geometry_numbers.h"
#include "level_curves.h"
#include "number_parse.h"

namespace gp {
namespace {

// The split of the typed centre distance by `rule`, exactly as the sheet shows it.
Outcome<PlanePoint> split_point(const ShiftPlane& plane, GearPairInput form, ShiftRule rule) {
    form.xng1.clear();
    form.xng2.clear();
    form.rule = rule;
    const auto numbers = compute_geometry_numbers(form);
    if (const auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    const GeometryNumbers& n = std::get<GeometryNumbers>(numbers);
    return plane.point(n.xn[0], n.xn[1]);
}

Outcome<double> typed_x_sum(const ShiftPlane& plane, const GearPairInput& form) {
    auto a = run_to_outcome([&form] { return strict_convert(form.zxja, "zxja"); });
    if (const auto* stop = std::get_if<Stop>(&a)) return *stop;
    return plane.shift_sum(std::get<double>(a));
}

Outcome<PlanePoint> typed_point(const ShiftPlane& plane, const GearPairInput& form,
                                const Contour& c) {
    if (form.xng1.empty() || form.xng2.empty()) {
        return form.rule == ShiftRule::EqualStrength ? c.dx1 : c.dx2;
    }
    auto x = run_to_outcome([&form] {
        return std::pair<double, double>(strict_convert(form.xng1, "xng1"),
                                         strict_convert(form.xng2, "xng2"));
    });
    if (const auto* stop = std::get_if<Stop>(&x)) return *stop;
    const auto [x1, x2] = std::get<std::pair<double, double>>(x);
    return plane.point(x1, x2);
}

// The plane sampled where the curves are sought: the conditions of every limit at
// the nodes of a lattice over the window, evaluated once for all the curves.
class Lattice {
  public:
    // The conditions at one node; NaN where the limit has no value.
    struct Sample {
        long i = 0, j = 0;
        bool valued = false;
        std::array<double, kLimitCount> condition{};
    };

    Lattice(const ShiftPlane& plane, const ContourOptions& o, std::optional<double> typed_sum,
            long& evaluations)
        : plane_(plane), w_(o.window), typed_sum_(typed_sum), budget_(o.max_seed_evaluations),
          evaluations_(evaluations) {
        const auto cells = [&o](double width) {
            const double n = std::ceil(width / o.seed_spacing);
            return static_cast<long>(std::clamp(std::isfinite(n) ? n : 0.0,
                                                static_cast<double>(kLeastSeedCells), 1e6));
        };
        nx_ = cells(w_.x1_max - w_.x1_min) + 1;
        ny_ = cells(w_.x2_max - w_.x2_min) + 1;
    }

    double x1(long i) const {
        return i == nx_ - 1 ? w_.x1_max : w_.x1_min + (w_.x1_max - w_.x1_min) * i / (nx_ - 1);
    }
    double x2(long j) const {
        return j == ny_ - 1 ? w_.x2_max : w_.x2_min + (w_.x2_max - w_.x2_min) * j / (ny_ - 1);
    }
    bool inside(long i, long j) const { return i >= 0 && i < nx_ && j >= 0 && j < ny_; }
    bool cut_short() const { return cut_short_; }

    // Every node of the window where the geometry has values and that can be
    // reached from one that has through such nodes, with the nodes around them.
    void search(const std::vector<PlanePoint>& known) {
        std::deque<std::pair<long, long>> spread;
        // A coarse lattice first, about kLeastSeedCells cells a side.
        const long step_i = std::max(1L, (nx_ - 1) / kLeastSeedCells);
        const long step_j = std::max(1L, (ny_ - 1) / kLeastSeedCells);
        for (long j = 0; j < ny_; j = next(j, step_j, ny_)) {
            for (long i = 0; i < nx_; i = next(i, step_i, nx_)) {
                if (const Sample* s = sample(i, j); s && s->valued) spread.emplace_back(i, j);
            }
        }
        // A window whose part with values the coarse lattice misses (a wide window
        // around a small region) is entered from known points of the plane, over
        // the lattice continued beyond the window.
        if (spread.empty() && (step_i > 1 || step_j > 1)) spread = entries(known);
        while (!spread.empty() && !cut_short_) {
            const auto [i, j] = spread.front();
            spread.pop_front();
            for (const auto& [di, dj] : kNeighbours) {
                if (!inside(i + di, j + dj) || find(i + di, j + dj)) continue;
                if (const Sample* s = sample(i + di, j + dj); s && s->valued) {
                    spread.emplace_back(i + di, j + dj);
                }
            }
        }
    }

    // The brackets of `limit`, row by row from the window's lower edge, then those
    // along the window's edges between the lattice's nodes.
    std::vector<LevelBracket> brackets(int limit) {
        std::vector<LevelBracket> out;
        if (ordered_.empty()) {
            for (std::size_t k = 0; k < samples_.size(); ++k) {
                if (samples_[k].valued && inside(samples_[k].i, samples_[k].j)) {
                    ordered_.push_back(k);
                }
            }
            std::sort(ordered_.begin(), ordered_.end(), [this](std::size_t a, std::size_t b) {
                return std::pair(samples_[a].j, samples_[a].i) <
                       std::pair(samples_[b].j, samples_[b].i);
            });
        }
        const auto add = [&out, limit](LevelPoint a, const Sample& sa, LevelPoint b,
                                       const Sample& sb) {
            const double fa = sa.condition[limit], fb = sb.condition[limit];
            if (std::isfinite(fa) && std::isfinite(fb) && (fa < 0) != (fb < 0)) {
                out.push_back({a, b, fa, fb});
            }
        };
        for (const std::size_t k : ordered_) {
            const Sample& s = samples_[k];
            for (const auto& [di, dj] : {std::pair(1L, 0L), std::pair(0L, 1L)}) {
                const Sample* n = inside(s.i + di, s.j + dj) ? find(s.i + di, s.j + dj) : nullptr;
                if (n && n->valued) {
                    add({x1(s.i), x2(s.j)}, s, {x1(n->i), x2(n->j)}, *n);
                }
            }
        }
        for (const auto& cell : fine_cells_) {
            for (int b = 0; b <= kFineParts; ++b) {
                for (int a = 0; a <= kFineParts; ++a) {
                    const auto& p = cell[static_cast<std::size_t>(b * (kFineParts + 1) + a)];
                    if (a < kFineParts) {
                        const auto& q = cell[static_cast<std::size_t>(b * (kFineParts + 1) + a + 1)];
                        add(p.first, p.second, q.first, q.second);
                    }
                    if (b < kFineParts) {
                        const auto& q = cell[static_cast<std::size_t>((b + 1) * (kFineParts + 1) + a)];
                        add(p.first, p.second, q.first, q.second);
                    }
                }
            }
        }
        for (const auto& edge : edges_) {
            for (std::size_t k = 1; k < edge.size(); ++k) {
                add(edge[k - 1].first, edge[k - 1].second, edge[k].first, edge[k].second);
            }
        }
        return out;
    }

    // The window's edges sampled between the lattice's nodes where one of the two
    // has values.
    // The lattice's cells on the edge of the plane's values sampled kFineParts
    // times as finely: a limit curve may fold back there in a loop narrower than a
    // cell, both its ends on that edge.
    void sample_fine_cells() {
        std::vector<std::pair<long, long>> cells;
        for (const Sample& s : samples_) {
            if (!s.valued || !inside(s.i, s.j)) continue;
            for (const auto& [di, dj] : {std::pair(0L, 0L), std::pair(-1L, 0L), std::pair(0L, -1L),
                                         std::pair(-1L, -1L)}) {
                const long i = s.i + di, j = s.j + dj;
                if (!inside(i, j) || !inside(i + 1, j + 1)) continue;
                bool without = false;
                for (const auto& [a, b] : {std::pair(0L, 0L), std::pair(1L, 0L), std::pair(0L, 1L),
                                           std::pair(1L, 1L)}) {
                    const Sample* c = find(i + a, j + b);
                    without = without || (c && !c->valued);
                }
                if (without) cells.emplace_back(i, j);
            }
        }
        std::sort(cells.begin(), cells.end(),
                  [](const auto& a, const auto& b) { return std::pair(a.second, a.first) < std::pair(b.second, b.first); });
        cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
        for (const auto& [i, j] : cells) {
            if (cut_short_) break;
            std::vector<std::pair<LevelPoint, Sample>> fine;
            for (int b = 0; b <= kFineParts; ++b) {
                for (int a = 0; a <= kFineParts; ++a) {
                    const LevelPoint p{x1(i) + (x1(i + 1) - x1(i)) * a / kFineParts,
                                       x2(j) + (x2(j + 1) - x2(j)) * b / kFineParts};
                    const bool corner = (a == 0 || a == kFineParts) && (b == 0 || b == kFineParts);
                    const Sample* known = corner ? find(i + a / kFineParts, j + b / kFineParts) : nullptr;
                    fine.emplace_back(p, known ? *known : evaluate(p.x, p.y));
                }
            }
            fine_cells_.push_back(std::move(fine));
        }
    }

    void sample_edges() {
        const auto along = [this](long count, auto node_at) {
            std::vector<std::pair<LevelPoint, Sample>> edge;
            for (long k = 0; k < count && !cut_short_; ++k) {
                const auto [i, j] = node_at(k);
                const Sample* s = find(i, j);
                edge.emplace_back(LevelPoint{x1(i), x2(j)}, s ? *s : Sample{});
                if (k + 1 == count) break;
                const auto [i2, j2] = node_at(k + 1);
                const Sample* t = find(i2, j2);
                if (!(s && s->valued) && !(t && t->valued)) continue;
                for (int part = 1; part < kEdgeParts && !cut_short_; ++part) {
                    const double f = static_cast<double>(part) / kEdgeParts;
                    const LevelPoint p{x1(i) + (x1(i2) - x1(i)) * f, x2(j) + (x2(j2) - x2(j)) * f};
                    edge.emplace_back(p, evaluate(p.x, p.y));
                }
            }
            edges_.push_back(std::move(edge));
        };
        along(nx_, [](long k) { return std::pair(k, 0L); });
        along(nx_, [this](long k) { return std::pair(k, ny_ - 1); });
        along(ny_, [](long k) { return std::pair(0L, k); });
        along(ny_, [this](long k) { return std::pair(nx_ - 1, k); });
    }

  private:
    static constexpr std::pair<long, long> kNeighbours[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    static constexpr int kEdgeParts = 4;
    static constexpr int kFineParts = 4;

    static long next(long k, long step, long count) {
        return k == count - 1 ? count : std::min(k + step, count - 1);
    }

    // Nodes beyond the window are reached only within ±kShiftLimit of the plane's
    // origin, at the seed spacing: a few thousand either way.
    static std::uint64_t key(long i, long j) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(j)) << 32) |
               static_cast<std::uint32_t>(i);
    }

    const Sample* find(long i, long j) const {
        const auto it = index_.find(key(i, j));
        return it == index_.end() ? nullptr : &samples_[it->second];
    }

    Sample evaluate(double x1, double x2) {
        Sample s;
        if (evaluations_budget_spent()) return s;
        ++used_;
        ++evaluations_;
        const auto v = plane_.at(x1, x2);
        if (const auto* ok = std::get_if<ShiftValues>(&v)) {
            s.valued = true;
            for (int k = 0; k < kLimitCount; ++k) {
                s.condition[k] = limit_condition(kLimits[k], *ok, typed_sum_)
                                     .value_or(std::numeric_limits<double>::quiet_NaN());
            }
        }
        return s;
    }

    bool evaluations_budget_spent() {
        if (used_ >= budget_) cut_short_ = true;
        return cut_short_;
    }

    // The node's sample, evaluated the first time; nothing once the work is spent.
    const Sample* sample(long i, long j) {
        if (const Sample* s = find(i, j)) return s;
        if (evaluations_budget_spent()) return nullptr;
        Sample s = evaluate(x1(i), x2(j));
        s.i = i, s.j = j;
        index_.emplace(key(i, j), samples_.size());
        samples_.push_back(s);
        return &samples_.back();
    }

    // Nodes of the window with values, reached from the nodes nearest `known` over
    // nodes with values beyond the window, within ±kShiftLimit.
    std::deque<std::pair<long, long>> entries(const std::vector<PlanePoint>& known) {
        std::deque<std::pair<long, long>> found, spread;
        const double di = (w_.x1_max - w_.x1_min) / (nx_ - 1), dj = (w_.x2_max - w_.x2_min) / (ny_ - 1);
        const double reach_i = 2 * kShiftLimit / di, reach_j = 2 * kShiftLimit / dj;
        const auto within = [&](long i, long j) {
            return std::fabs(x1(i)) <= kShiftLimit && std::fabs(x2(j)) <= kShiftLimit;
        };
        for (const PlanePoint& p : known) {
            const double i = std::round((p.x1 - w_.x1_min) / di), j = std::round((p.x2 - w_.x2_min) / dj);
            if (!(std::fabs(i) <= reach_i) || !(std::fabs(j) <= reach_j)) continue;
            const long ni = static_cast<long>(i), nj = static_cast<long>(j);
            if (!within(ni, nj) || find(ni, nj)) continue;
            if (const Sample* s = sample(ni, nj); s && s->valued) spread.emplace_back(ni, nj);
        }
        while (!spread.empty() && !cut_short_) {
            const auto [i, j] = spread.front();
            spread.pop_front();
            if (inside(i, j)) {
                found.emplace_back(i, j);
                continue;  // the window's part is spread over from here
            }
            for (const auto& [a, b] : kNeighbours) {
                if (!within(i + a, j + b) || find(i + a, j + b)) continue;
                if (const Sample* s = sample(i + a, j + b); s && s->valued) {
                    spread.emplace_back(i + a, j + b);
                }
            }
        }
        return found;
    }

    const ShiftPlane& plane_;
    const ShiftWindow w_;
    const std::optional<double> typed_sum_;
    const long budget_;
    long& evaluations_;
    long used_ = 0;
    bool cut_short_ = false;
    long nx_ = 2, ny_ = 2;
    std::vector<Sample> samples_;
    std::unordered_map<std::uint64_t, std::size_t> index_;
    std::vector<std::size_t> ordered_;
    std::vector<std::vector<std::pair<LevelPoint, Sample>>> edges_;
    std::vector<std::vector<std::pair<LevelPoint, Sample>>> fine_cells_;
};

}  // namespace

bool Contour::cut_short() const {
    return search_cut_short ||
           std::any_of(curves.begin(), curves.end(), [](const LimitCurve& c) { return c.cut_short; });
}

Contour blocking_contour(const ShiftPlane& plane, const GearPairInput& form,
                         const ContourOptions& options) {
    Contour c;
    c.window = options.window;
    c.typed_x_sum = typed_x_sum(plane, form);
    c.dx1 = split_point(plane, form, ShiftRule::EqualStrength);
    c.dx2 = split_point(plane, form, ShiftRule::EqualNoise);
    c.current = typed_point(plane, form, c);
    for (int k = 0; k < kLimitCount; ++k) c.curves[k].limit = kLimits[k];
    if (!is_valid_window(options.window)) return c;

    const ShiftWindow& w = options.window;
    const LevelRectangle rectangle{w.x1_min, w.x1_max, w.x2_min, w.x2_max};
    const std::optional<double> sum = std::holds_alternative<double>(c.typed_x_sum)
                                          ? std::optional<double>(std::get<double>(c.typed_x_sum))
                                          : std::nullopt;
    Lattice lattice(plane, options, sum, c.evaluations);
    // Points of the plane that have values for any ordinary pair: the unshifted
    // pair, the typed point and the splits.
    std::vector<PlanePoint> known = {{0, 0, 0}};
    for (const auto* p : {&c.current, &c.dx1, &c.dx2}) {
        if (const auto* ok = std::get_if<PlanePoint>(p)) known.push_back(*ok);
    }
    lattice.search(known);
    lattice.sample_fine_cells();
    lattice.sample_edges();
    c.search_cut_short = lattice.cut_short();

    LevelTraceOptions trace_options;
    trace_options.spacing = options.spacing;
    trace_options.tolerance = options.tolerance;
    trace_options.max_evaluations = options.max_evaluations_per_curve;
    for (int k = 0; k < kLimitCount; ++k) {
        LimitCurve& curve = c.curves[k];
        const Limit limit = curve.limit;
        if (limit == Limit::Centre && !sum) continue;
        const LevelFunction f = [&plane, limit, sum](double x1,
                                                     double x2) -> std::optional<double> {
            const auto v = plane.at(x1, x2);
            if (const auto* ok = std::get_if<ShiftValues>(&v)) {
                return limit_condition(limit, *ok, sum);
            }
            return std::nullopt;
        };
        const LevelTrace trace =
            trace_level_curves(f, lattice.brackets(k), rectangle, trace_options);
        c.evaluations += trace.evaluations;
        curve.cut_short = trace.cut_short;
        for (const LevelRun& run : trace.runs) {
            std::vector<PlanePoint> points;
            points.reserve(run.points.size());
            for (const LevelPoint& p : run.points) {
                // Every traced point has values, hence a centre distance.
                points.push_back({p.x, p.y, plane.centre_distance(p.x + p.y).value_or(0.0)});
            }
            curve.runs.push_back(std::move(points));
        }
    }

    if (options.shading_columns > 0 && options.shading_rows > 0) {
        // The region changes only across the curves of the limits.
        std::vector<std::vector<PlanePoint>> boundaries;
        for (const LimitCurve& curve : c.curves) {
            if (curve.limit == Limit::Sliding || curve.limit == Limit::Centre) continue;
            boundaries.insert(boundaries.end(), curve.runs.begin(), curve.runs.end());
        }
        c.shading = plane_shading(plane, w, options.shading_columns, options.shading_rows,
                                  boundaries);
        c.evaluations += c.shading.evaluations;
    }
    return c;
}

Outcome<Contour> blocking_contour(const GearPairInput& form, const ContourOptions& options) {
    auto plane = ShiftPlane::of(form);
    if (const auto* stop = std::get_if<Stop>(&plane)) return *stop;
    return blocking_contour(std::get<ShiftPlane>(plane), form, options);
}

}  // namespace gp
