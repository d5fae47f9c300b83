#include "pitting.h"

#include <algorithm>
#include <cmath>

#include "life_and_material.h"
#include "pi.h"
#include "rating_math.h"

namespace gp::rating {

ContactFactors contact_factors(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in) {
    ContactFactors z;
    const double cos_at = std::cos(g.alpha_t);
    z.ZH = std::sqrt(over(2.0 * std::cos(g.beta_b) * std::cos(g.alpha_wt),
                          cos_at * cos_at * std::sin(g.alpha_wt)));
    z.ZE = std::sqrt(over(1.0, kExactPi * (over(1.0 - in.nu[0] * in.nu[0], in.E[0]) +
                                           over(1.0 - in.nu[1] * in.nu[1], in.E[1]))));
    const double ea = g.eps_alpha, eb = g.eps_beta;
    if (eb == 0.0) {
        z.Zeps = std::sqrt((4.0 - ea) / 3.0);
    } else if (eb < 1.0) {
        z.Zeps = std::sqrt((4.0 - ea) / 3.0 * (1.0 - eb) + over(eb, ea));
    } else {
        z.Zeps = std::sqrt(over(1.0, ea));
    }
    z.Zbeta = over(1.0, std::sqrt(std::cos(g.beta)));

    GearPairOf<double> gamma{};
    for (int i = 0; i < kGears; ++i) {
        gamma[i] = std::sqrt(over(p.da[i] * p.da[i], g.db[i] * g.db[i]) - 1.0);
    }
    const double pitch1 = over(2.0 * kExactPi, p.z[0]), pitch2 = over(2.0 * kExactPi, p.z[1]);
    const double tan_awt = std::tan(g.alpha_wt);
    z.M1 = over(tan_awt, std::sqrt((gamma[0] - pitch1) * (gamma[1] - (ea - 1.0) * pitch2)));
    z.M2 = over(tan_awt, std::sqrt((gamma[1] - pitch2) * (gamma[0] - (ea - 1.0) * pitch1)));
    if (eb >= 1.0) {
        z.ZB = z.ZD = 1.0;
    } else if (eb == 0.0) {
        z.ZB = std::max(z.M1, 1.0);
        z.ZD = std::max(z.M2, 1.0);
    } else {
        z.ZB = std::max(z.M1 - eb * (z.M1 - 1.0), 1.0);
        z.ZD = std::max(z.M2 - eb * (z.M2 - 1.0), 1.0);
    }
    return z;
}

namespace {

bool through_hardened(MaterialClass c) {
    return c == MaterialClass::St || c == MaterialClass::V || c == MaterialClass::GGG ||
           c == MaterialClass::GTS;
}

bool surface_hardened(MaterialClass c) {
    return c == MaterialClass::Eh || c == MaterialClass::IF || c == MaterialClass::NT ||
           c == MaterialClass::NV;
}

// ISO 6336-2:2006: a softer gear of known Brinell hardness that runs against a
// smooth (Rz ≤ 6 µm) surface-hardened mate gains strength; the hardened gear never.
double work_hardening(const RatingNumbers& in, int i) {
    const int mate = 1 - i;
    if (!in.HB[i] || !through_hardened(in.mat[i]) || !surface_hardened(in.mat[mate]) ||
        !(6.0 * in.Ra[mate] <= 6.0)) {
        return 1.0;
    }
    const double H = std::clamp(*in.HB[i], 130.0, 470.0);
    return 1.2 - (H - 130.0) / 1700.0;
}

}  // namespace

PittingLimits pitting_limits(const MeshGeometry& g, const RatingNumbers& in, double v,
                             const std::optional<GearPairOf<double>>& cycles) {
    PittingLimits l;
    const double s = std::min(in.sHlim[0], in.sHlim[1]);
    double czl = 0.91;
    if (s < 850.0) {
        czl = 0.83;
    } else if (s <= 1200.0) {
        czl = s / 4375.0 + 0.6357;
    }
    const double film = 1.2 + over(134.0, in.nu40);
    l.ZL = czl + 4.0 * (1.0 - czl) / (film * film);
    const double czv = czl + 0.02;
    l.Zv = czv + over(2.0 * (1.0 - czv), std::sqrt(0.8 + over(32.0, v)));

    const double tan_awt = std::tan(g.alpha_wt);
    const double rho1 = 0.5 * g.db[0] * tan_awt, rho2 = 0.5 * g.db[1] * tan_awt;
    l.rho_red = over(rho1 * rho2, rho1 + rho2);
    const double rz1 = 6.0 * in.Ra[0], rz2 = 6.0 * in.Ra[1];
    l.Rz10 = 0.5 * (rz1 + rz2) * std::cbrt(over(10.0, l.rho_red));
    double czr = 0.08;
    if (s < 850.0) {
        czr = 0.15;
    } else if (s <= 1200.0) {
        czr = 0.32 - 0.0002 * s;
    }
    l.ZR = std::pow(over(3.0, l.Rz10), czr);

    for (int i = 0; i < kGears; ++i) {
        if (cycles) l.ZNT[i] = pitting_life_factor(in.mat[i], (*cycles)[i], in.YN10);
        l.ZW[i] = work_hardening(in, i);
        l.sigma_HG[i] = in.sHlim[i] * l.ZNT[i] * l.ZL * l.Zv * l.ZR * l.ZW[i] * l.ZX;
        l.sigma_HP[i] = over(l.sigma_HG[i], in.SHmin);
    }
    return l;
}

ContactStress contact_stress(const MeshGeometry& g, const ContactFactors& z,
                             const PittingLimits& lim, double Ft, double b, double load_factor) {
    ContactStress c;
    c.sigma_H0 =
        z.ZH * z.ZE * z.Zeps * z.Zbeta * std::sqrt(over(over(Ft, g.d[0] * b) * (g.u + 1.0), g.u));
    const double k = std::sqrt(load_factor);
    c.sigma_H[0] = z.ZB * c.sigma_H0 * k;
    c.sigma_H[1] = z.ZD * c.sigma_H0 * k;
    for (int i = 0; i < kGears; ++i) c.SH[i] = over(lim.sigma_HG[i], c.sigma_H[i]);
    return c;
}

}  // namespace gp::rating
