#include "load_distribution.h"

#include <algorithm>
#include <cmath>

#include "life_and_material.h"
#include "messages/rating.h"
#include "rating_math.h"
#include "stop.h"

namespace gp::rating {

namespace {

// ISO 6336-1's constant K′ of the pinion-shaft term, stiff (d1/dsh ≥ 1.15) and not.
struct ShaftConstant {
    double stiff, flexible;
};
constexpr ShaftConstant kShaftConstants[] = {
    {0.48, 0.8}, {-0.48, -0.8}, {1.33, 1.33}, {-0.36, -0.6}, {-0.6, -1.0}};  // a … e

// The pinion-shaft term T′ = K′·l·s/d1²·(d1/dsh)⁴; 0 without a shaft.
double shaft_term(const RatingNumbers& in, double d1) {
    const int k = static_cast<int>(in.shaft) - static_cast<int>(ShaftArrangement::a);
    if (k < 0 || k >= 5 || !in.l || !in.s || !in.dsh) return 0.0;
    const double ratio = over(d1, *in.dsh);
    const ShaftConstant K = kShaftConstants[k];
    const double K_prime = ratio >= 1.15 ? K.stiff : K.flexible;
    return K_prime * over(*in.l * *in.s, d1 * d1) * (ratio * ratio) * (ratio * ratio);
}

// The factors B1 (of the deformation) and B2 (of the manufacturing deviation)
// of a helix modification.
struct ModificationFactors {
    double B1, B2;
};
ModificationFactors modification_factors(HelixModification h) {
    switch (h) {
        case HelixModification::Crown:
            return {1.0, 0.5};
        case HelixModification::Correction:
            return {0.1, 1.0};
        case HelixModification::CorrectionAndCrown:
            return {0.1, 0.5};
        case HelixModification::EndRelief:
            return {0.7, 0.7};
        case HelixModification::None:
        case HelixModification::Unknown:
            break;
    }
    return {1.0, 1.0};
}

}  // namespace

FaceLoad face_load(const RatingNumbers& in, const MeshGeometry& g, const Tolerances& t,
                   const Stiffness& s, double Ft, double Kv, double v, double b) {
    FaceLoad f;
    f.wm = over(Ft * in.KA * Kv, b);
    const double b_over_d = over(b, g.d[0]);
    // The pinion's twist and bending, with the power-split factor B* and the
    // pinion-shaft term T′ (both neutral for a whole power on a plain shaft).
    const double B_star = 1.0 + over(2.0 * (100.0 - in.k), in.k);
    const double T_prime = shaft_term(in, g.d[0]);
    f.fsh = 0.023 * f.wm * (std::fabs(B_star + T_prime - 0.3) + 0.3) * (b_over_d * b_over_d);
    f.fma = std::sqrt(t.fHb[0] * t.fHb[0] + t.fHb[1] * t.fHb[1]);
    const ModificationFactors B = modification_factors(in.hmod);
    f.F_beta_x = std::max(
        {1.33 * B.B1 * f.fsh + B.B2 * f.fma, 0.005 * f.wm, 0.5 * std::max(t.fHb[0], t.fHb[1])});
    for (int i = 0; i < kGears; ++i) {
        f.y_beta += 0.5 * running_in_helix(in.mat[i], in.sHlim[i], f.F_beta_x, v);
    }
    f.F_beta_y = f.F_beta_x - f.y_beta;
    if (!(f.F_beta_y > 0.0)) {
        throw StopSignal{
            msg::rating::kRunInExceedsMisalignment,
            msg::rating::run_in_exceeds(detail_number(f.F_beta_x), detail_number(f.y_beta)), "KHb"};
    }
    const double k = 1.0 + over(s.c_gamma_beta * f.F_beta_y, 2.0 * f.wm);
    f.KHbeta = k <= 2.0 ? k : std::sqrt(over(2.0 * s.c_gamma_beta * f.F_beta_y, f.wm));
    return f;
}

double face_exponent(const MeshGeometry& g, double b) {
    const double h = std::max(g.h[0], g.h[1]);
    const double r = std::max(over(b, h), 3.0);
    return r * r / (1.0 + r + r * r);
}

TransverseLoad transverse_load(const MeshGeometry& g, const Tolerances& t, const RunningIn& y,
                               const Stiffness& s, double Zeps, double FtH, double b) {
    TransverseLoad l;
    l.X = over(s.c_gamma_alpha * (t.fpe - y.y_alpha), over(FtH, b));
    const double eg = g.eps_gamma;
    const double k = eg <= 2.0 ? 0.5 * eg * (0.9 + 0.4 * l.X)
                               : 0.9 + 0.4 * std::sqrt(over(2.0 * (eg - 1.0), eg)) * l.X;
    l.KHalpha = std::min(std::max(k, 1.0), over(eg, g.eps_alpha * Zeps * Zeps));
    l.KFalpha = std::min(std::max(k, 1.0), over(eg, 0.25 * g.eps_alpha + 0.75));
    return l;
}

}  // namespace gp::rating
