#include "stiffness_and_dynamic.h"

#include <cmath>

#include "pi.h"
#include "rating_math.h"

namespace gp::rating {

Stiffness stiffness_at_full_load(const RatedPair& p, const MeshGeometry& g) {
    constexpr double C1 = 0.04723, C2 = 0.15551, C3 = 0.25791, C4 = -0.00635, C5 = -0.11654,
                     C6 = -0.00193, C7 = -0.24188, C8 = 0.00529, C9 = 0.00182;
    const double zn1 = g.zn[0], zn2 = g.zn[1], x1 = p.x[0], x2 = p.x[1];
    Stiffness s;
    s.q_prime = C1 + over(C2, zn1) + over(C3, zn2) + C4 * x1 + over(C5 * x1, zn1) + C6 * x2 +
                over(C7 * x2, zn2) + C8 * x1 * x1 + C9 * x2 * x2;
    s.c_th = over(1.0, s.q_prime);
    constexpr double CM = 0.8, CR = 1.0;  // solid disc blanks
    s.CB = (1.0 + 0.5 * (1.2 - p.hfP)) * (1.0 - 0.02 * (20.0 - p.alpha_n_deg));
    s.c_prime = s.c_th * CM * CR * s.CB * std::cos(g.beta);
    return s;
}

Stiffness stiffness_at(const Stiffness& full, const MeshGeometry& g, double w) {
    Stiffness s = full;
    if (w < 100.0) s.c_prime = s.c_prime * std::pow(w / 100.0, 0.25);
    s.c_gamma_alpha = s.c_prime * (0.75 * g.eps_alpha + 0.25);
    s.c_gamma_beta = 0.85 * s.c_gamma_alpha;
    return s;
}

double reduced_mass(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in) {
    const double rho1 = in.rho[0] * 1e-9, rho2 = in.rho[1] * 1e-9;  // kg/mm³
    const double dm1 = (p.da[0] + p.df[0]) / 2.0;
    const double ratio = over(dm1, g.db[0]);
    return over((kExactPi / 8.0) * (ratio * ratio) * (dm1 * dm1),
                over(1.0, rho1) + over(1.0, rho2 * g.u * g.u));
}

double tip_relief(const RatingNumbers& in) {
    if (in.Ca) return *in.Ca;
    double cay = 0;
    for (int i = 0; i < kGears; ++i) {
        const double r = in.sHlim[i] / 97.0 - 18.45;
        cay += 0.5 * ((1.0 / 18.0) * (r * r) + 1.5);
    }
    return cay;
}

DynamicFactor dynamic_factor(const MeshGeometry& g, const Stiffness& s, const Tolerances& t,
                             const RunningIn& y, double mred, double Ca, double n1, double z1,
                             double w) {
    DynamicFactor k;
    k.mred = mred;
    k.nE1 = over(30000.0, kExactPi * z1) * std::sqrt(over(s.c_gamma_alpha, mred));
    k.N = over(n1, k.nE1);
    k.NS = w < 100.0 ? 0.5 + 0.35 * std::sqrt(w / 100.0) : 0.85;
    k.Ca = Ca;
    k.Bp = over(s.c_prime * (t.fpb - y.y_alpha), w);
    k.Bf = over(s.c_prime * (t.ffa_pair - y.y_f), w);
    k.Bk = std::fabs(1.0 - over(s.c_prime * Ca, w));

    const double eg = g.eps_gamma;
    constexpr double Cv1 = 0.32, Cv5 = 0.47;
    const double Cv2 = eg <= 2.0 ? 0.34 : 0.57 / (eg - 0.3);
    const double Cv3 = eg <= 2.0 ? 0.23 : 0.096 / (eg - 1.56);
    const double Cv4 = eg <= 2.0 ? 0.90 : (0.57 - 0.05 * eg) / (eg - 1.44);
    const double Cv6 = eg <= 2.0 ? 0.47 : 0.12 / (eg - 1.74);
    double Cv7 = 1.0;
    if (eg <= 1.5) {
        Cv7 = 0.75;
    } else if (eg <= 2.5) {
        Cv7 = 0.125 * std::sin(kExactPi * (eg - 2.0)) + 0.875;
    }

    const double kv_main = Cv1 * k.Bp + Cv2 * k.Bf + Cv4 * k.Bk + 1.0;
    const double kv_super = Cv5 * k.Bp + Cv6 * k.Bf + Cv7;
    if (k.N <= k.NS) {
        k.range = KvRange::Subcritical;
        k.Kv = k.N * (Cv1 * k.Bp + Cv2 * k.Bf + Cv3 * k.Bk) + 1.0;
    } else if (k.N <= 1.15) {
        k.range = KvRange::MainResonance;
        k.Kv = kv_main;
    } else if (k.N < 1.5) {
        k.range = KvRange::Intermediate;
        k.Kv = kv_super + (kv_main - kv_super) * (1.5 - k.N) / 0.35;
    } else {
        k.range = KvRange::Supercritical;
        k.Kv = kv_super;
    }
    return k;
}

}  // namespace gp::rating
