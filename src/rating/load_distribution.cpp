#include "load_distribution.h"

#include <algorithm>
#include <cmath>

#include "life_and_material.h"
#include "messages/rating.h"
#include "rating_math.h"
#include "stop.h"

namespace gp::rating {

FaceLoad face_load(const RatingNumbers& in, const MeshGeometry& g, const Tolerances& t,
                   const Stiffness& s, double Ft, double Kv, double v, double b) {
    FaceLoad f;
    f.wm = over(Ft * in.KA * Kv, b);
    const double b_over_d = over(b, g.d[0]);
    // No shaft deflection and no helix modification: only the pinion's own twist.
    f.fsh = 0.023 * f.wm * (b_over_d * b_over_d);
    f.fma = std::sqrt(t.fHb[0] * t.fHb[0] + t.fHb[1] * t.fHb[1]);
    f.F_beta_x = std::max({1.33 * f.fsh + f.fma, 0.005 * f.wm, 0.5 * std::max(t.fHb[0], t.fHb[1])});
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
