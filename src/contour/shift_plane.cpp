#include "shift_plane.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry_numbers.h"
#include "mesh_figures.h"
#include "messages/base.h"
#include "messages/contour.h"

namespace gp {

bool is_valid_window(const ShiftWindow& w) {
    const auto bound = [](double v) { return std::isfinite(v) && std::fabs(v) <= kShiftLimit; };
    return bound(w.x1_min) && bound(w.x1_max) && bound(w.x2_min) && bound(w.x2_max) &&
           w.x1_min < w.x1_max && w.x2_min < w.x2_max;
}

std::optional<double> limit_condition(Limit limit, const ShiftValues& v,
                                      std::optional<double> typed_x_sum) {
    switch (limit) {
        case Limit::Undercut1:
            return v.zmin[0] - v.z[0];
        case Limit::Undercut2:
            return v.zmin[1] - v.z[1];
        case Limit::Pointed1:
            return v.sta[0];
        case Limit::Pointed2:
            return v.sta[1];
        case Limit::Thin1:
            return v.sta[0] - 0.25 * v.mn;
        case Limit::Thin2:
            return v.sta[1] - 0.25 * v.mn;
        case Limit::Contact1:
            return v.eps_alpha - 1.0;
        case Limit::Contact12:
            return v.eps_alpha - 1.2;
        case Limit::Interference1:
            return v.btf[0] - 1.0;
        case Limit::Interference2:
            return v.btf[1] - 1.0;
        case Limit::Sliding:
            if (!v.zeta1_a || !v.zeta2_e) return std::nullopt;
            return *v.zeta1_a - *v.zeta2_e;
        case Limit::Centre:
            if (!typed_x_sum) return std::nullopt;
            return v.at.x1 + v.at.x2 - *typed_x_sum;
    }
    return std::nullopt;
}

Outcome<ShiftPlane> ShiftPlane::of(const GearPairInput& form) {
    auto g = ShiftedPairGeometry::of(form);
    if (auto* stop = std::get_if<Stop>(&g)) return *stop;
    return ShiftPlane(std::get<ShiftedPairGeometry>(std::move(g)));
}

Outcome<ShiftValues> ShiftPlane::at(double x1, double x2) const {
    const auto a = std::isfinite(x1) && std::isfinite(x2) ? centre_distance(x1 + x2) : std::nullopt;
    if (!a) {
        return Stop{msg::kCannotCompute,
                    msg::contour::no_centre_distance(detail_number(x1), detail_number(x2))};
    }
    auto numbers = geometry_.at({x1, x2}, *a);
    if (auto* stop = std::get_if<Stop>(&numbers)) return std::move(*stop);
    return shift_values_of(std::get<GeometryNumbers>(numbers), {x1, x2, *a});
}

ShiftValues shift_values_of(const GeometryNumbers& n, const PlanePoint& at) {
    ShiftValues v;
    v.at = at;
    v.mn = n.mn;
    v.z = n.z;
    v.zmin = n.zmin;
    v.sta = n.sta;
    v.btf = n.btf;
    v.eps_alpha = n.eps_alpha;
    const MeshFigures m = mesh_figures(n);
    if (!sliding_stop(m)) {
        const auto at_a = specific_sliding(m, m.a);
        const auto at_e = specific_sliding(m, m.e);
        if (at_a && at_e) v.zeta1_a = at_a->zeta1, v.zeta2_e = at_e->zeta2;
    }
    v.admissible = true;
    for (int i = 0; i < kGears; ++i) {
        v.admissible =
            v.admissible && v.z[i] >= v.zmin[i] && v.sta[i] >= 0.25 * v.mn && v.btf[i] <= 1.0;
    }
    v.admissible = v.admissible && v.eps_alpha >= 1.2;
    return v;
}

namespace {

// 1, 2 or 5 times a power of ten, the first at least `rough`.
double round_step(double rough) {
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double k : {1.0, 2.0, 5.0, 10.0}) {
        if (k * decade >= rough) return k * decade;
    }
    return 10.0 * decade;
}

}  // namespace

std::vector<CentreDistanceLine> centre_distance_lines(const ShiftPlane& plane,
                                                      const ShiftWindow& window, int about) {
    std::vector<CentreDistanceLine> lines;
    if (!is_valid_window(window)) return lines;
    double low = window.x1_min + window.x2_min;
    const double high = window.x1_max + window.x2_max;
    const auto a_high = plane.centre_distance(high);
    if (!a_high) return lines;
    // Below the smallest sum that meshes, the lines start where it does.
    if (!plane.centre_distance(low)) {
        double bad = low, good = high;
        for (int k = 0; k < 60; ++k) {
            const double mid = bad + (good - bad) / 2;
            (plane.centre_distance(mid) ? good : bad) = mid;
        }
        low = good;
    }
    const double a_low = *plane.centre_distance(low);
    if (!(*a_high > a_low)) return lines;
    const double step = round_step((*a_high - a_low) / std::clamp(about, 1, 60));
    const double first = std::ceil(a_low / step), last = std::floor(*a_high / step);
    for (double k = first; k <= last && lines.size() < 60; ++k) {
        const double a = k * step;
        const auto sum = plane.shift_sum(a);
        if (!std::holds_alternative<double>(sum)) continue;
        const double s = std::get<double>(sum);
        const double x1_from = std::max(window.x1_min, s - window.x2_max);
        const double x1_to = std::min(window.x1_max, s - window.x2_min);
        if (x1_from > x1_to) continue;
        lines.push_back({a, s, {x1_from, s - x1_from, a}, {x1_to, s - x1_to, a}});
    }
    return lines;
}

}  // namespace gp
