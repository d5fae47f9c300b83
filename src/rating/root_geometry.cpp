#include "root_geometry.h"

#include <cmath>

#include "angle_functions.h"
#include "messages/rating.h"
#include "pi.h"
#include "rating_math.h"
#include "stop.h"

namespace gp::rating {
namespace {

constexpr int kMaxSteps = 200;

double inv(double alpha) { return involute(alpha).value(); }

struct VirtualGear {
    double dn, dbn, dan, pbn;
};

VirtualGear virtual_gear(const RatedPair& p, const MeshGeometry& g, int i) {
    const double cos_bb = std::cos(g.beta_b);
    VirtualGear v;
    v.dn = over(g.d[i], cos_bb * cos_bb);
    v.dbn = v.dn * std::cos(g.alpha_n);
    v.dan = v.dn + p.da[i] - g.d[i];
    v.pbn = kExactPi * p.mn * std::cos(g.alpha_n);
    return v;
}

// What lies beyond the base tangent of the outer point of single contact.
double single_contact_roll(const VirtualGear& v, double eps_alpha_n) {
    return std::sqrt((v.dan / 2.0) * (v.dan / 2.0) - (v.dbn / 2.0) * (v.dbn / 2.0)) -
           v.pbn * (eps_alpha_n - 1.0);
}

// Moment arm and load direction angle for the load at diameter dL.
struct Arm {
    double alpha_F, hF;
};
Arm moment_arm(const RatedPair& p, const MeshGeometry& g, const VirtualGear& v,
               const RootGeometry& r, int i, double dL) {
    const double mn = p.mn, zn = g.zn[i];
    const double alpha_L = checked_acos(over(v.dbn, dL));
    const double gamma_L = over(kExactPi / 2.0 + 2.0 * std::tan(g.alpha_n) * p.x[i], zn) +
                           inv(g.alpha_n) - inv(alpha_L);
    Arm a;
    a.alpha_F = alpha_L - gamma_L;
    a.hF = (mn / 2.0) *
           (over((std::cos(gamma_L) - std::sin(gamma_L) * std::tan(a.alpha_F)) * dL, mn) -
            zn * std::cos(kExactPi / 3.0 - r.theta) - over(r.G, std::cos(r.theta)) + p.rho_fP[i]);
    return a;
}

double form_factor(double hF, double alpha_F, double sFn, double mn, double alpha_n) {
    const double s = over(sFn, mn);
    return over(6.0 * over(hF, mn) * std::cos(alpha_F), s * s * std::cos(alpha_n));
}

double stress_correction(double sFn, double hF, double qs) {
    const double L = over(sFn, hF);
    return (1.2 + 0.13 * L) * std::pow(qs, over(1.0, 1.21 + over(2.3, L)));
}

[[noreturn]] void section_fails(int gear, const char* what, double value) {
    throw StopSignal{msg::rating::kCriticalSection,
                     msg::rating::critical_section(gear, what, detail_number(value))};
}

// The critical section of gear i: ϑ, the root chord and the fillet radius.
void critical_section(const RatedPair& p, const MeshGeometry& g, int i, RootGeometry& r) {
    const double mn = p.mn, zn = g.zn[i], rho_fP = p.rho_fP[i] * mn, hfP = p.hfP * mn;
    r.E = (kExactPi / 4.0) * mn - hfP * std::tan(g.alpha_n) -
          over((1.0 - std::sin(g.alpha_n)) * rho_fP, std::cos(g.alpha_n));
    r.G = over(rho_fP, mn) - over(hfP, mn) + p.x[i];
    r.H = over(2.0, zn) * (kExactPi / 2.0 - over(r.E, mn)) - kExactPi / 3.0;

    const double slope = over(2.0 * r.G, zn);
    double theta = kExactPi / 6.0;
    bool converged = false;
    for (r.steps = 1; r.steps <= kMaxSteps; ++r.steps) {
        const double next = slope * std::tan(theta) - r.H;
        if (!std::isfinite(next)) break;
        if (std::fabs(next - theta) < 1e-14) {
            theta = next;
            converged = true;
            break;
        }
        theta = next;
    }
    if (!converged) {
        throw StopSignal{msg::rating::kCriticalSection,
                         msg::rating::iteration_not_converged(p.typed_as[i])};
    }
    r.theta = theta;
    const double cos_t = std::cos(theta);
    r.sFn = mn * (zn * std::sin(kExactPi / 3.0 - theta) +
                  std::sqrt(3.0) * (over(r.G, cos_t) - over(rho_fP, mn)));
    if (!(r.sFn > 0.0)) section_fails(p.typed_as[i], "sFn", r.sFn);
    const double under = zn * cos_t * cos_t - 2.0 * r.G;
    if (!(under > 0.0)) section_fails(p.typed_as[i], "zn·cos²ϑ − 2G", under);
    r.rhoF = mn * (over(rho_fP, mn) + over(2.0 * r.G * r.G, cos_t * under));
    if (!(r.rhoF > 0.0)) section_fails(p.typed_as[i], "ρF", r.rhoF);
}

}  // namespace

GearPairOf<RootGeometry> root_geometry(const RatedPair& p, const MeshGeometry& g) {
    GearPairOf<VirtualGear> v{virtual_gear(p, g, 0), virtual_gear(p, g, 1)};
    GearPairOf<double> roll{};
    for (int i = 0; i < kGears; ++i) {
        roll[i] = single_contact_roll(v[i], g.eps_alpha_n);
        if (!(roll[i] >= 0.0)) {
            throw StopSignal{
                msg::rating::kSingleContactOffFlank,
                msg::rating::single_contact_off_flank(p.typed_as[i], detail_number(roll[i]))};
        }
    }
    GearPairOf<RootGeometry> roots{};
    for (int i = 0; i < kGears; ++i) {
        RootGeometry& r = roots[i];
        critical_section(p, g, i, r);
        const double half_base = v[i].dbn / 2.0;
        r.den = 2.0 * std::sqrt(roll[i] * roll[i] + half_base * half_base);
        const Arm at_e = moment_arm(p, g, v[i], r, i, r.den);
        r.alpha_Fen = at_e.alpha_F;
        r.hFe = at_e.hF;
        if (!(r.hFe > 0.0)) section_fails(p.typed_as[i], "hFe", r.hFe);
        r.YF = form_factor(r.hFe, r.alpha_Fen, r.sFn, p.mn, g.alpha_n);
        r.qs = over(r.sFn, 2.0 * r.rhoF);
        r.YS = stress_correction(r.sFn, r.hFe, r.qs);

        try {
            const Arm at_tip = moment_arm(p, g, v[i], r, i, v[i].dan);
            const double YFa = form_factor(at_tip.hF, at_tip.alpha_F, r.sFn, p.mn, g.alpha_n);
            const double YSa = stress_correction(r.sFn, at_tip.hF, r.qs);
            if (std::isfinite(YFa) && std::isfinite(YSa)) {
                r.alpha_Fan = at_tip.alpha_F;
                r.hFa = at_tip.hF;
                r.YFa = YFa;
                r.YSa = YSa;
            }
        } catch (const StopSignal&) {  // a check-only value: left empty, with a note
        }
    }
    return roots;
}

}  // namespace gp::rating
