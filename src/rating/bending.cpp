#include "bending.h"

#include <algorithm>
#include <cmath>

#include "life_and_material.h"
#include "messages/rating.h"
#include "rating_math.h"
#include "stop.h"

namespace gp::rating {

BendingFactors bending_factors(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in) {
    BendingFactors f;
    f.Ybeta = 1.0 - std::min(g.eps_beta, 1.0) * std::min(p.beta_deg, 30.0) / 120.0;
    const double ean = g.eps_alpha_n;
    if (std::max(in.Q[0], in.Q[1]) > 4.0 || ean <= 2.05) {
        f.YDT = 1.0;
    } else if (ean > 2.5) {
        f.YDT = 0.7;
    } else {
        f.YDT = 2.366 - 0.666 * ean;
    }
    for (int i = 0; i < kGears; ++i) {
        const auto& sR = in.sR[i];
        f.YB[i] = !sR || over(*sR, g.h[i]) >= 1.2 ? 1.0 : 1.6 * std::log(over(2.242 * g.h[i], *sR));
    }
    return f;
}

void check_rims(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in) {
    for (int i = 0; i < kGears; ++i) {
        if (!in.sR[i]) continue;
        const double ratio = over(*in.sR[i], g.h[i]);
        if (ratio <= 0.5) {
            throw StopSignal{msg::rating::kRimTooThin,
                             msg::rating::rim_too_thin(p.typed_as[i], detail_number(ratio)),
                             p.typed_as[i] == 0 ? "sR1" : "sR2"};
        }
    }
}

BendingLimits bending_limits(const RatedPair& p, const RatingNumbers& in,
                             const GearPairOf<RootGeometry>& roots, const BendingFactors& f,
                             const std::optional<GearPairOf<double>>& cycles) {
    BendingLimits l;
    for (int i = 0; i < kGears; ++i) {
        const MaterialClass c = in.mat[i];
        if (cycles) l.YNT[i] = bending_life_factor(c, (*cycles)[i], in.YN10);
        l.YdrelT[i] = relative_notch_sensitivity(c, roots[i].qs);
        l.YRrelT[i] = relative_surface_factor(c, in.RzF[i].value_or(6.0 * in.Ra[i]));
        l.YX[i] = size_factor(c, p.mn);
        l.sigma_FG[i] = in.sFlim[i] * f.YST * l.YNT[i] * l.YdrelT[i] * l.YRrelT[i] * l.YX[i];
        l.sigma_FP[i] = over(l.sigma_FG[i], in.SFmin);
    }
    return l;
}

RootStress root_stress(const RatedPair& p, const GearPairOf<RootGeometry>& roots,
                       const BendingFactors& f, const BendingLimits& lim, double Ft,
                       double load_factor) {
    RootStress s;
    for (int i = 0; i < kGears; ++i) {
        s.sigma_F0[i] =
            over(Ft, p.b * p.mn) * roots[i].YF * roots[i].YS * f.Ybeta * f.YB[i] * f.YDT;
        s.sigma_F[i] = s.sigma_F0[i] * load_factor;
        s.SF[i] = over(lim.sigma_FG[i], s.sigma_F[i]);
    }
    return s;
}

}  // namespace gp::rating
