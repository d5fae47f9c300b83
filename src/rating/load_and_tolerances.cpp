#include "load_and_tolerances.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "life_and_material.h"
#include "pi.h"
#include "rating_math.h"

namespace gp::rating {
namespace {

constexpr std::array<double, 9> kModuleBounds = {0.5, 2, 3.5, 6, 10, 16, 25, 40, 70};
constexpr std::array<double, 13> kDiameterBounds = {5,    20,   50,   125,  280,  560,  1000,
                                                    1600, 2500, 4000, 6000, 8000, 10000};
constexpr std::array<double, 10> kWidthBounds = {4, 10, 20, 40, 80, 160, 250, 400, 650, 1000};

// The geometric mean of the bounds of the range holding `value` (a value on a
// bound belongs to the lower range); outside every range, the nearest one.
double representative(double value, std::span<const double> bounds, bool& outside) {
    if (value < bounds.front() || value > bounds.back()) outside = true;
    std::size_t k = 1;
    while (k + 1 < bounds.size() && value > bounds[k]) ++k;
    return std::sqrt(bounds[k - 1] * bounds[k]);
}

// To 1 µm from 10 µm up, to 0.5 µm from 5 µm, to 0.1 µm below.
double rounded_tolerance(double t) {
    if (t >= 10.0) return std::round(t);
    if (t >= 5.0) return std::round(t * 2.0) / 2.0;
    return std::round(t * 10.0) / 10.0;
}

}  // namespace

Load load_of(const MeshGeometry& g, double T1, double n1, double KA, double b) {
    Load l;
    l.T1 = T1;
    l.Ft = over(2000.0 * T1, g.d[0]);
    l.v = kExactPi * g.d[0] * n1 / 60000.0;
    l.w = over(l.Ft * KA, b);
    return l;
}

GearPairOf<double> load_cycles(const MeshGeometry& g, double n1, double Lh) {
    const double nl1 = 60.0 * n1 * Lh;
    return {nl1, over(nl1, g.u)};
}

Tolerances tolerances(const RatedPair& p, const MeshGeometry& g, const GearPairOf<double>& grade) {
    Tolerances t;
    bool outside = false;
    const double m = representative(p.mn, kModuleBounds, outside);
    const double b = representative(p.b, kWidthBounds, outside);
    for (int i = 0; i < kGears; ++i) {
        const double d = representative(g.d[i], kDiameterBounds, outside);
        const double k = std::pow(2.0, (grade[i] - 5.0) / 2.0);
        t.fpt[i] = rounded_tolerance(k * (0.3 * (m + 0.4 * std::sqrt(d)) + 4.0));
        t.ffa[i] = rounded_tolerance(k * (2.5 * std::sqrt(m) + 0.17 * std::sqrt(d) + 0.5));
        t.fHb[i] = rounded_tolerance(k * (0.07 * std::sqrt(d) + 0.45 * std::sqrt(b) + 3.0));
    }
    t.outside_ranges = outside;
    t.fpb = std::max(t.fpt[0], t.fpt[1]) * std::cos(g.alpha_t);
    t.ffa_pair = std::max(t.ffa[0], t.ffa[1]);
    t.fpe = std::max(t.fpb, t.ffa_pair);
    return t;
}

RunningIn running_in(const RatingNumbers& in, const Tolerances& t, double v) {
    RunningIn r;
    for (int i = 0; i < kGears; ++i) {
        r.y_alpha += 0.5 * running_in_transverse(in.mat[i], in.sHlim[i], t.fpb, v);
        r.y_f += 0.5 * running_in_transverse(in.mat[i], in.sHlim[i], t.ffa_pair, v);
    }
    return r;
}

}  // namespace gp::rating
