#include "shift_plane.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry_limits.h"
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
            return v.sta[0] - kLeastTipThicknessPerModule * v.mn;
        case Limit::Thin2:
            return v.sta[1] - kLeastTipThicknessPerModule * v.mn;
        case Limit::Contact1:
            return v.eps_alpha - 1.0;
        case Limit::Contact12:
            return v.eps_alpha - kLeastContactRatio;
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

// Written so that a value that is no number breaks the limit.
bool breaks_limit(Limit limit, const ShiftValues& v) {
    const auto thin = [&v](int i) { return !(v.sta[i] >= kLeastTipThicknessPerModule * v.mn); };
    switch (limit) {
        case Limit::Undercut1:
            return !(v.z[0] >= v.zmin[0]);
        case Limit::Undercut2:
            return !(v.z[1] >= v.zmin[1]);
        case Limit::Pointed1:
            return !(v.sta[0] > 0);
        case Limit::Pointed2:
            return !(v.sta[1] > 0);
        case Limit::Thin1:
            return v.sta[0] > 0 && thin(0);
        case Limit::Thin2:
            return v.sta[1] > 0 && thin(1);
        case Limit::Contact1:
            return !(v.eps_alpha >= 1.0);
        case Limit::Contact12:
            return v.eps_alpha >= 1.0 && !(v.eps_alpha >= kLeastContactRatio);
        case Limit::Interference1:
            return !(v.btf[0] <= 1.0);
        case Limit::Interference2:
            return !(v.btf[1] <= 1.0);
        case Limit::Sliding:
        case Limit::Centre:
            return false;
    }
    return false;
}

std::vector<Limit> failing_limits(const ShiftValues& v) {
    std::vector<Limit> failing;
    for (const Limit limit : kLimits) {
        if (breaks_limit(limit, v)) failing.push_back(limit);
    }
    return failing;
}

std::string failing_limits_text(const ShiftValues& v) {
    std::string text;
    for (const Limit limit : failing_limits(v)) {
        text += text.empty() ? msg::contour::kNotAdmissibleBecause : msg::contour::kLimitJoin;
        text += msg::contour::kBrokenLimits[static_cast<int>(limit)];
    }
    return text;
}

Outcome<ShiftPlane> ShiftPlane::of(const GearPairInput& form) {
    auto g = ShiftedPairGeometry::of(form);
    if (auto* stop = std::get_if<Stop>(&g)) return *stop;
    return ShiftPlane(std::get<ShiftedPairGeometry>(std::move(g)));
}

std::optional<double> ShiftPlane::centre_distance(double x_sum) const {
    const GeometryInputs& in = geometry_.inputs();
    if (!(in.z[0].value() + in.z[1].value() != 0.0)) return std::nullopt;
    return geometry_.no_backlash_centre_distance(x_sum);
}

Outcome<PlanePoint> ShiftPlane::point(double x1, double x2) const {
    const auto a = std::isfinite(x1) && std::isfinite(x2) ? centre_distance(x1 + x2) : std::nullopt;
    if (!a) {
        return Stop{msg::kCannotCompute,
                    msg::contour::no_centre_distance(detail_number(x1), detail_number(x2))};
    }
    return PlanePoint{x1, x2, *a};
}

Outcome<ShiftValues> ShiftPlane::at(double x1, double x2) const {
    auto p = point(x1, x2);
    if (auto* stop = std::get_if<Stop>(&p)) return std::move(*stop);
    const PlanePoint at = std::get<PlanePoint>(p);
    auto numbers = geometry_.at({x1, x2}, at.a);
    if (auto* stop = std::get_if<Stop>(&numbers)) return std::move(*stop);
    return shift_values_of(std::get<GeometryNumbers>(numbers), at);
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
    v.admissible = std::none_of(kLimits.begin(), kLimits.end(),
                                [&v](Limit limit) { return breaks_limit(limit, v); });
    return v;
}

namespace {

// 1, 2 or 5 times a power of ten, the first at least `rough`; nothing for a step
// too small (or too large) for a double.
std::optional<double> round_step(double rough) {
    if (!(rough > 0) || !std::isfinite(rough)) return std::nullopt;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    if (!(decade > 0) || !std::isfinite(decade)) return std::nullopt;
    for (const double k : {1.0, 2.0, 5.0}) {
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
    const int wanted = std::clamp(about, 1, kMostCentreDistanceLines);
    const auto step = round_step((*a_high - a_low) / wanted);
    if (!step) return lines;
    // The lines counted with an integer: multiples of a step far below the centre
    // distance's own size are not told apart by a double, so their number is
    // bounded and a line equal to the one before is left out.
    const double first = std::ceil(a_low / *step), last = std::floor(*a_high / *step);
    if (!std::isfinite(first) || !std::isfinite(last) || !(last >= first)) return lines;
    const int count =
        static_cast<int>(std::min(last - first, kMostCentreDistanceLines - 1.0)) + 1;
    for (int n = 0; n < count; ++n) {
        const double a = (first + n) * *step;
        if (!lines.empty() && a <= lines.back().a) continue;
        const auto sum = plane.shift_sum(a);
        if (!std::holds_alternative<double>(sum)) continue;
        const double s = std::get<double>(sum);
        const double x1_from = std::max(window.x1_min, s - window.x2_max);
        const double x1_to = std::min(window.x1_max, s - window.x2_min);
        if (!(x1_from <= x1_to)) continue;
        lines.push_back({a, s, {x1_from, s - x1_from, a}, {x1_to, s - x1_to, a}});
    }
    return lines;
}

}  // namespace gp
