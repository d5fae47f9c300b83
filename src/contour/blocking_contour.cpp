#include "blocking_contour.h"

#include <algorithm>
#include <utility>

#include "geometry_numbers.h"
#include "level_curves.h"
#include "messages/base.h"
#include "messages/contour.h"
#include "number_parse.h"

namespace gp {
namespace {

Outcome<PlanePoint> plane_point(const ShiftPlane& plane, double x1, double x2) {
    const auto a = plane.centre_distance(x1 + x2);
    if (!a) {
        return Stop{msg::kCannotCompute,
                    msg::contour::no_centre_distance(detail_number(x1), detail_number(x2))};
    }
    return PlanePoint{x1, x2, *a};
}

// The split of the typed centre distance by `rule`, exactly as the sheet shows it.
Outcome<PlanePoint> split_point(const ShiftPlane& plane, GearPairInput form, ShiftRule rule) {
    form.xng1.clear();
    form.xng2.clear();
    form.rule = rule;
    const auto numbers = compute_geometry_numbers(form);
    if (const auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    const GeometryNumbers& n = std::get<GeometryNumbers>(numbers);
    return plane_point(plane, n.xn[0], n.xn[1]);
}

// A field the contour reads itself: empty and non-numeric texts stop as the
// geometry button's checks would.
std::optional<Stop> unreadable(const std::string& text) {
    if (text.empty()) return Stop{msg::kIncomplete};
    if (!is_numeric(text)) return Stop{msg::kLettersOrSymbols};
    return std::nullopt;
}

Outcome<double> typed_x_sum(const ShiftPlane& plane, const GearPairInput& form) {
    if (auto stop = unreadable(form.zxja)) return *stop;
    auto a = run_to_outcome([&form] { return lenient_parse(form.zxja); });
    if (const auto* stop = std::get_if<Stop>(&a)) return *stop;
    return plane.shift_sum(std::get<double>(a));
}

Outcome<PlanePoint> typed_point(const ShiftPlane& plane, const GearPairInput& form,
                                const Contour& c) {
    if (form.xng1.empty() || form.xng2.empty()) {
        return form.rule == ShiftRule::EqualStrength ? c.dx1 : c.dx2;
    }
    if (auto stop = unreadable(form.xng1)) return *stop;
    if (auto stop = unreadable(form.xng2)) return *stop;
    auto x = run_to_outcome([&form] {
        return std::pair<double, double>(lenient_parse(form.xng1), lenient_parse(form.xng2));
    });
    if (const auto* stop = std::get_if<Stop>(&x)) return *stop;
    const auto [x1, x2] = std::get<std::pair<double, double>>(x);
    return plane_point(plane, x1, x2);
}

}  // namespace

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
    // The limits at the grid's nodes, evaluated once for all the curves.
    LevelGrid grid;
    grid.nx = grid.ny = c.grid = std::clamp(options.grid, 2, 257);
    std::vector<std::optional<ShiftValues>> nodes;
    nodes.reserve(static_cast<std::size_t>(grid.nx) * grid.ny);
    for (int j = 0; j < grid.ny; ++j) {
        for (int i = 0; i < grid.nx; ++i) {
            auto v = plane.at(grid.x(rectangle, i), grid.y(rectangle, j));
            ++c.evaluations;
            if (auto* ok = std::get_if<ShiftValues>(&v)) {
                c.nodes.push_back(ok->admissible ? Contour::Node::Admissible
                                                 : Contour::Node::NotAdmissible);
                nodes.emplace_back(std::move(*ok));
            } else {
                c.nodes.push_back(Contour::Node::Stops);
                nodes.emplace_back();
            }
        }
    }

    const std::optional<double> sum = std::holds_alternative<double>(c.typed_x_sum)
                                          ? std::optional<double>(std::get<double>(c.typed_x_sum))
                                          : std::nullopt;
    LevelTraceOptions trace_options;
    trace_options.spacing = options.spacing;
    trace_options.tolerance = options.tolerance;
    trace_options.max_evaluations = options.max_evaluations_per_curve;
    for (LimitCurve& curve : c.curves) {
        const Limit limit = curve.limit;
        if (limit == Limit::Centre && !sum) continue;
        grid.values.clear();
        for (const auto& node : nodes) {
            grid.values.push_back(node ? limit_condition(limit, *node, sum) : std::nullopt);
        }
        const LevelFunction f = [&plane, limit, sum](double x1,
                                                     double x2) -> std::optional<double> {
            const auto v = plane.at(x1, x2);
            if (const auto* ok = std::get_if<ShiftValues>(&v)) {
                return limit_condition(limit, *ok, sum);
            }
            return std::nullopt;
        };
        const LevelTrace trace = trace_level_curves(f, grid, rectangle, trace_options);
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
    return c;
}

Outcome<Contour> blocking_contour(const GearPairInput& form, const ContourOptions& options) {
    auto plane = ShiftPlane::of(form);
    if (const auto* stop = std::get_if<Stop>(&plane)) return *stop;
    return blocking_contour(std::get<ShiftPlane>(plane), form, options);
}

}  // namespace gp
