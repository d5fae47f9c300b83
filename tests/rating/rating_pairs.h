// The two worked pairs of the rating, with their own tip diameters, and a builder
// of consistent pairs from their tooth numbers and shifts.
#pragma once

#include <cmath>

#include "rated_pair.h"
#include "rating_numbers.h"

namespace gp::rating::testing {

// Root diameters from the basic rack: d − 2·mn·(hfP* − x).
inline void set_root_diameters(RatedPair& p) {
    const double cos_beta = std::cos(p.beta_deg * std::numbers::pi / 180.0);
    for (int i = 0; i < 2; ++i) {
        p.df[i] = p.z[i] * p.mn / cos_beta - 2.0 * p.mn * (p.hfP - p.x[i]);
    }
}

// ISO/TR 6336-30 Example 1: single helical, case-carburised.
inline RatedPair tr_pair() {
    RatedPair p;
    p.z = {17, 103};
    p.mn = 8;
    p.alpha_n_deg = 20;
    p.beta_deg = 15.8;
    p.b = 100;
    p.a = 500;
    p.x = {0.145, 0};
    p.da = {159.66, 872.35};
    p.hfP = 1.4;
    p.rho_fP = {0.39, 0.39};
    p.T1 = 9000;
    set_root_diameters(p);
    return p;
}

inline RatingNumbers tr_inputs() {
    RatingNumbers in;
    in.n1 = 360;
    in.Q = {5, 5};
    in.Ca = 70;
    in.nu40 = 320;
    in.Lh = 50000;
    return in;
}

// The spur pair whose root geometry a published DIN 3990 program's output lists.
inline RatedPair spur_pair() {
    RatedPair p;
    p.z = {19, 104};
    p.mn = 4;
    p.alpha_n_deg = 20;
    p.beta_deg = 0;
    p.b = 50;
    p.a = 248.506843355171;
    p.x = {0.5, 0.15};
    p.da = {88.0, 425.2};
    p.hfP = 1.25;
    p.rho_fP = {0.25, 0.25};
    p.T1 = 535.9299104;
    set_root_diameters(p);
    return p;
}

// A pair on its working centre distance for the shifts typed (no tip shortening).
inline RatedPair pair_of(double z1, double z2, double mn, double alpha_n_deg, double beta_deg,
                         double b, double x1, double x2, double T1) {
    RatedPair p;
    p.z = {z1, z2};
    p.mn = mn;
    p.alpha_n_deg = alpha_n_deg;
    p.beta_deg = beta_deg;
    p.b = b;
    p.x = {x1, x2};
    p.hfP = 1.25;
    p.rho_fP = {0.38, 0.38};
    p.T1 = T1;
    const double pi = std::numbers::pi;
    const double an = alpha_n_deg * pi / 180.0, beta = beta_deg * pi / 180.0;
    const double at = std::atan(std::tan(an) / std::cos(beta));
    const double inv_wt = std::tan(at) - at + 2.0 * std::tan(an) * (x1 + x2) / (z1 + z2);
    double awt = at;  // Newton on inv α = inv_wt
    for (int k = 0; k < 50; ++k) awt -= (std::tan(awt) - awt - inv_wt) / std::pow(std::tan(awt), 2);
    const double a0 = (z1 + z2) * mn / std::cos(beta) / 2.0;
    p.a = a0 * std::cos(at) / std::cos(awt);
    for (int i = 0; i < 2; ++i) p.da[i] = p.z[i] * mn / std::cos(beta) + 2.0 * mn * (1.0 + p.x[i]);
    set_root_diameters(p);
    return p;
}

}  // namespace gp::rating::testing
