#include "rating_geometry.h"

#include <cmath>

#include "messages/rating.h"
#include "pi.h"
#include "rating_math.h"
#include "stop.h"

namespace gp::rating {

double degrees(double r) { return r * 180.0 / kExactPi; }
double radians(double d) { return d * kExactPi / 180.0; }

MeshGeometry mesh_geometry(const RatedPair& p) {
    MeshGeometry g;
    g.alpha_n = radians(p.alpha_n_deg);
    g.beta = radians(p.beta_deg);
    const double cos_beta = std::cos(g.beta);
    g.alpha_t = std::atan(over(std::tan(g.alpha_n), cos_beta));
    g.beta_b = checked_asin(std::sin(g.beta) * std::cos(g.alpha_n));
    g.mt = over(p.mn, cos_beta);
    for (int i = 0; i < kGears; ++i) {
        g.d[i] = p.z[i] * g.mt;
        g.db[i] = g.d[i] * std::cos(g.alpha_t);
    }
    g.a0 = (g.d[0] + g.d[1]) / 2.0;
    const double cos_alpha_wt = over(g.a0 * std::cos(g.alpha_t), p.a);
    if (!(cos_alpha_wt < 1.0)) {
        throw StopSignal{msg::rating::kNoWorkingAngle,
                         msg::rating::working_angle_zero(detail_number(cos_alpha_wt))};
    }
    g.alpha_wt = checked_acos(cos_alpha_wt);
    g.u = over(p.z[1], p.z[0]);
    g.dw[0] = over(2.0 * p.a, g.u + 1.0);
    g.dw[1] = over(2.0 * p.a * g.u, g.u + 1.0);
    g.pbt = kExactPi * g.mt * std::cos(g.alpha_t);

    for (int i = 0; i < kGears; ++i) {
        if (!(p.da[i] > g.db[i])) {
            throw StopSignal{msg::rating::kTipInsideBase,
                             msg::rating::tip_not_above_base(p.typed_as[i], detail_number(p.da[i]),
                                                             detail_number(g.db[i]))};
        }
    }
    GearPairOf<double> tip_roll{};  // half the tip-to-base tangent of each gear
    for (int i = 0; i < kGears; ++i) {
        tip_roll[i] = std::sqrt(p.da[i] * p.da[i] - g.db[i] * g.db[i]);
    }
    const double line_of_action = p.a * std::sin(g.alpha_wt);
    for (int i = 0; i < kGears; ++i) {
        // Where the mate's tip starts (or ends) contact on this gear's flank.
        const double margin = line_of_action - 0.5 * tip_roll[1 - i];
        if (margin < 0.0) {
            throw StopSignal{msg::rating::kContactOffFlank,
                             msg::rating::contact_off_flank(p.typed_as[i], detail_number(margin))};
        }
    }
    g.g_alpha = 0.5 * (tip_roll[0] + tip_roll[1]) - line_of_action;
    g.eps_alpha = over(g.g_alpha, g.pbt);
    if (!(g.eps_alpha >= 1.0)) {
        throw StopSignal{msg::rating::kContactRatioBelowOne,
                         msg::rating::contact_ratio(detail_number(g.eps_alpha))};
    }
    g.eps_beta = over(p.b * std::sin(g.beta), kExactPi * p.mn);
    g.eps_gamma = g.eps_alpha + g.eps_beta;
    const double cos2_beta_b = std::cos(g.beta_b) * std::cos(g.beta_b);
    for (int i = 0; i < kGears; ++i) {
        g.zn[i] = over(p.z[i], cos2_beta_b * cos_beta);
        g.h[i] = (p.da[i] - p.df[i]) / 2.0;
    }
    g.eps_alpha_n = over(g.eps_alpha, cos2_beta_b);
    return g;
}

}  // namespace gp::rating
