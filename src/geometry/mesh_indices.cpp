#include "mesh_indices.h"

#include "messages/geometry.h"
#include "pi.h"

namespace gp {

MeshIndices mesh_indices(const GeometryInputs& in, const TransverseGeometry& t,
                         const WorkingPressureAngle& w, const ProfileShift& s, const GearSizes& g,
                         const ToothThickness& th) {
    MeshIndices m;
    Computing step{msg::step::kMinTeeth};
    const Real sin_alpha_t = sin(t.alpha_t);
    for (int i = 0; i < kGears; ++i) {
        m.zmin[i] = 2.0 * (in.han - s.xn[i]) * cos(in.beta) / (sin_alpha_t * sin_alpha_t);
    }

    // Along the line of action: rho_a from each base-circle tangent point to the
    // gear's own tip circle; rho_start to where the mate's tip circle crosses the
    // line, which is where the active profile of this gear starts.
    step.now(msg::step::kStartOfActiveProfile);
    GearPairOf<Real> rho_a;
    for (int i = 0; i < kGears; ++i) {
        rho_a[i] = sqrt(g.da[i] * g.da[i] - w.db[i] * w.db[i]) / 2.0;
    }
    const Real line_of_action = in.a * sin(w.alpha_wt);  // between the tangent points
    const GearPairOf<Real> rho_start = {line_of_action - rho_a[1], line_of_action - rho_a[0]};
    for (int i = 0; i < kGears; ++i) {
        m.dc[i] = sqrt(w.db[i] * w.db[i] + 4.0 * (rho_start[i] * rho_start[i]));
    }

    // Root form circle of a rack-cut tooth: where the rack tip rounding (clearance
    // cn·mn) stops generating the involute.
    step.now(msg::step::kRootFormCircle);
    for (int i = 0; i < kGears; ++i) {
        const Real u = ((t.d[i] - g.df[i]) - 2.0 * in.cn * in.mn) / sin_alpha_t;
        const Real along = t.d[i] * sin_alpha_t - u;
        m.dff[i] = sqrt(w.db[i] * w.db[i] + along * along);
    }
    // Below 1 the active profile starts above the end of the fillet: the mate's tip
    // stays clear of the fillet.
    step.now(msg::step::kTipInterference);
    for (int i = 0; i < kGears; ++i) m.btf[i] = m.dff[i] / m.dc[i];

    step.now(msg::step::kTransverseContactRatio);
    m.eps_alpha = (rho_a[0] - rho_start[0]) / th.pbt;
    step.now(msg::step::kOverlapRatio);
    m.eps_beta = in.b * sin(in.beta) / (kPi * in.mn);
    m.eps_gamma = m.eps_alpha + m.eps_beta;

    // Ratio of the driven gear's tip-side part of the path of contact to the
    // driving gear's.
    step.now(msg::step::kFrictionNoise);
    const Real tan_alpha_wt = tan(w.alpha_wt);
    m.btz = (2.0 * rho_a[1] - w.db[1] * tan_alpha_wt) / (2.0 * rho_a[0] - w.db[0] * tan_alpha_wt);

    step.now(msg::step::kSlipNoise);
    for (int i = 0; i < kGears; ++i) {
        m.btcg[i] = (w.db[i] + 0.3141592654 * in.mn) / m.dc[i];
    }
    return m;
}

}  // namespace gp
