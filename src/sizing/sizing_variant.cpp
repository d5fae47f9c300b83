#include "sizing_variant.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "number_text.h"
#include "pi.h"
#include "rating_calculation.h"
#include "shift_plane.h"
#include "shifted_geometry.h"
#include "messages/sizing.h"
#include "rating_numbers.h"

namespace gp::sizing {
namespace {

namespace m = msg::sizing;

struct BlockPair {
    double mn = 0, beta = 0;
    int z1 = 0, z2 = 0;
    bool ratio_ok = false;
};

BlockPair pair_of_block(const Space& s, std::uint64_t block) {
    const std::uint64_t nb = s.betas.size(), nt = s.teeth.size();
    const Space::Teeth& t = s.teeth[(block / nb) % nt];
    return {s.modules[block / (nb * nt)], s.betas[block % nb], t.z1, t.z2, t.ratio_ok};
}

GearPairInput form_for(const Space& s, const BlockPair& p, double b) {
    GearPairInput f;
    f.fmn = full_precision_text(p.mn);
    f.fjafn = full_precision_text(s.req.alpha_n);
    f.lxjbt = full_precision_text(p.beta);
    f.ckbw = f.ck1 = f.ck2 = full_precision_text(b);
    f.h0 = full_precision_text(s.req.h0);
    f.c0 = full_precision_text(s.req.c0);
    f.nj = full_precision_text(s.T1 / rating::kNewtonMetresPerKgfMetre);
    f.cs1z1 = std::to_string(p.z1);
    f.cs2z2 = std::to_string(p.z2);
    f.ess1 = f.ess2 = f.esi1 = f.esi2 = f.fr1 = f.fr2 = "0";
    f.rule = s.req.split == SplitRule::EqualNoise ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
    return f;
}

// The limits of the shift plane in the order the checks run, each with the failure
// it counts as; the plane judges each (breaks_limit).
constexpr std::array<std::pair<Limit, Failure>, 10> kChecks = {{
    {Limit::Undercut1, Failure::Undercut},
    {Limit::Undercut2, Failure::Undercut},
    {Limit::Pointed1, Failure::ThinTip},
    {Limit::Pointed2, Failure::ThinTip},
    {Limit::Thin1, Failure::ThinTip},
    {Limit::Thin2, Failure::ThinTip},
    {Limit::Contact1, Failure::ContactRatio},
    {Limit::Contact12, Failure::ContactRatio},
    {Limit::Interference1, Failure::Interference},
    {Limit::Interference2, Failure::Interference},
}};

std::optional<Failure> plane_failure(const ShiftValues& v) {
    for (const auto& [limit, failure] : kChecks) {
        if (breaks_limit(limit, v)) return failure;
    }
    return std::nullopt;
}

// The geometry and the shift-plane values at one point.
struct Point {
    GeometryNumbers n;
    ShiftValues v;
};

std::optional<Point> point_at(const ShiftedPairGeometry& g, double x1, double x2, double a) {
    auto numbers = g.at({x1, x2}, a);
    if (!std::holds_alternative<GeometryNumbers>(numbers)) return std::nullopt;
    Point p{std::get<GeometryNumbers>(numbers), {}};
    p.v = shift_values_of(p.n, {x1, x2, a});
    return p;
}

// ζ1(A) − ζ2(E) along x1 + x2 = x_sum, or nothing where the sliding has no value.
std::optional<double> sliding_gap(const ShiftedPairGeometry& g, double x1, double x_sum, double a) {
    const auto p = point_at(g, x1, x_sum - x1, a);
    if (!p) return std::nullopt;
    return limit_condition(Limit::Sliding, p->v, std::nullopt);
}

// The pinion's shift that balances the sliding on x1 + x2 = x_sum: a bracket found
// outward from `start`, then regula falsi (Illinois) to the last bits.
std::optional<double> balanced_sliding_x1(const ShiftedPairGeometry& g, double start,
                                          double x_sum, double a) {
    const auto f0 = sliding_gap(g, start, x_sum, a);
    if (!f0) return std::nullopt;
    if (*f0 == 0.0) return start;
    double lo = start, flo = *f0, hi = start, fhi = *f0;
    bool found = false;
    for (double h = 0.05; h <= 3.2 && !found; h *= 2) {
        for (const double x : {start + h, start - h}) {
            const auto f = sliding_gap(g, x, x_sum, a);
            if (f && (*f > 0.0) != (*f0 > 0.0)) {
                hi = x, fhi = *f, found = true;
                break;
            }
        }
    }
    if (!found) return std::nullopt;
    int side = 0;
    for (int k = 0; k < 100 && std::fabs(hi - lo) > 1e-13 * (1.0 + std::fabs(lo)); ++k) {
        double x = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(x > std::min(lo, hi) && x < std::max(lo, hi))) x = lo + (hi - lo) / 2;
        const auto f = sliding_gap(g, x, x_sum, a);
        if (!f) return std::nullopt;
        if (*f == 0.0) return x;
        if ((*f > 0.0) == (flo > 0.0)) {
            lo = x, flo = *f;
            if (side == -1) fhi /= 2;
            side = -1;
        } else {
            hi = x, fhi = *f;
            if (side == 1) flo /= 2;
            side = 1;
        }
    }
    return std::fabs(flo) < std::fabs(fhi) ? lo : hi;
}

// The shifts at the centre distance `a` by the requirements' split rule.
std::optional<GearPairOf<double>> shifts_at(const Space& s, const ShiftedPairGeometry& g,
                                            double a) {
    const ShiftRule rule =
        s.req.split == SplitRule::EqualStrength ? ShiftRule::EqualStrength : ShiftRule::EqualNoise;
    const auto split = g.split_shift_sum(a, rule);
    if (!std::holds_alternative<GearPairOf<double>>(split)) return std::nullopt;
    GearPairOf<double> x = std::get<GearPairOf<double>>(split);
    if (s.req.split != SplitRule::BalancedSliding) return x;
    const double x_sum = x[0] + x[1];
    const auto x1 = balanced_sliding_x1(g, x[0], x_sum, a);
    if (!x1) return std::nullopt;
    return GearPairOf<double>{*x1, x_sum - *x1};
}

double cylinders_mass(const GeometryNumbers& n, const rating::RatingNumbers& r) {
    double mass = 0;
    for (int i = 0; i < kGears; ++i) {
        mass += r.rho[i] * kExactPi / 4.0 * n.d[i] * n.d[i] * n.b * 1e-9;  // mm³ → m³
    }
    return mass;
}

void count(BlockOutcome& out, Failure f) { ++out.failures[static_cast<int>(f)]; }

void rate_variant(const Space& s, const BlockPair& p, const ShiftedPairGeometry& g, double a,
                  Variant v, BlockOutcome& out) {
    const auto x = shifts_at(s, g, a);
    const auto point = x ? point_at(g, (*x)[0], (*x)[1], a) : std::nullopt;
    if (!point) return count(out, Failure::GeometryStop);
    if (const auto f = plane_failure(point->v)) return count(out, *f);
    const GeometryNumbers& n = point->n;
    const rating::RatedPair pair =
        rating::rated_pair_of(n, s.req.alpha_n, std::fabs(p.beta), s.T1, {});
    const auto rated = rating::rate(pair, s.rating);
    if (const auto* stop = std::get_if<Stop>(&rated)) {
        if (out.first_rating_stop.empty()) out.first_rating_stop = stop->message;
        return count(out, Failure::RatingStop);
    }
    const rating::RatingResult& r = std::get<rating::RatingResult>(rated);
    v.SH = r.contact_stress.SH;
    v.SF = r.root_stress.SF;
    if (!(std::min(v.SH[0], v.SH[1]) >= s.rating.SHmin)) return count(out, Failure::Pitting);
    if (!(std::min(v.SF[0], v.SF[1]) >= s.rating.SFmin)) return count(out, Failure::Bending);
    if (s.with_max_torque) {
        const auto found = rating::max_torque(pair, s.rating);
        const auto* limit = std::get_if<rating::MaxTorque>(&found);
        if (limit && limit->T1max && std::isfinite(*limit->T1max)) v.T1max = limit->T1max;
    }
    v.x1 = (*x)[0];
    v.x2 = (*x)[1];
    v.a = a;
    v.eps_alpha = n.eps_alpha;
    v.eps_beta = n.eps_beta;
    v.eps_gamma = n.eps_alpha + n.eps_beta;
    v.mass = cylinders_mass(n, s.rating);
    v.zeta1_a = point->v.zeta1_a;
    v.zeta2_e = point->v.zeta2_e;
    v.safety = std::min({v.SH[0] / s.rating.SHmin, v.SH[1] / s.rating.SHmin,
                         v.SF[0] / s.rating.SFmin, v.SF[1] / s.rating.SFmin});
    out.rows.push_back(v);
}

}  // namespace

const char* failure_text(Failure f) {
    static constexpr std::array<const char*, kFailureKinds> texts = {
        m::kFailRatio,   m::kFailGeometry,     m::kFailUndercut, m::kFailThinTip, m::kFailContact,
        m::kFailInterference, m::kFailRating, m::kFailPitting, m::kFailBending};
    return texts[static_cast<int>(f)];
}

void rate_block(const Space& s, std::uint64_t block, BlockOutcome& out,
                const std::atomic<bool>* cancel) {
    const BlockPair p = pair_of_block(s, block);
    const std::uint64_t per_block = s.per_block();
    std::uint64_t index = block * per_block;
    if (!p.ratio_ok) {
        out.tried += per_block;
        out.failures[static_cast<int>(Failure::Ratio)] += per_block;
        return;
    }
    // The reference diameter of the pinion, for the face width by b/d1.
    const double d1 = p.mn * p.z1 / std::cos(p.beta * kExactPi / 180.0);
    for (const double w : s.widths) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return;
        const double b = s.width_is_ratio ? w * d1 : w;
        const std::size_t centres = std::max<std::size_t>(1, s.centres.size());
        out.tried += centres;
        const auto plane = ShiftedPairGeometry::of(form_for(s, p, b));
        const auto* g = std::get_if<ShiftedPairGeometry>(&plane);
        for (std::size_t k = 0; k < centres; ++k, ++index) {
            if (!g) {
                count(out, Failure::GeometryStop);
                continue;
            }
            std::optional<double> a =
                s.centres.empty() ? g->no_backlash_centre_distance(0.0) : s.centres[k];
            if (!a) {
                count(out, Failure::GeometryStop);
                continue;
            }
            Variant v;
            v.index = index;
            v.z1 = p.z1;
            v.z2 = p.z2;
            v.mn = p.mn;
            v.beta = p.beta;
            v.b = b;
            v.i = static_cast<double>(p.z2) / p.z1;
            v.i_err = (v.i - s.req.i) / s.req.i * 100.0;
            rate_variant(s, p, *g, *a, v, out);
        }
    }
}

GearPairInput form_of(const Space& s, const Variant& v) {
    GearPairInput f = form_for(s, {v.mn, v.beta, v.z1, v.z2, true}, v.b);
    f.zxja = full_precision_text(v.a);
    f.xng1 = full_precision_text(v.x1);
    f.xng2 = full_precision_text(v.x2);
    return f;
}

}  // namespace gp::sizing
