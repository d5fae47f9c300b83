#include "geometry_numbers_of.h"

#include <cmath>

namespace gp {
namespace {

GearPairOf<double> values(const GearPairOf<Real>& pair) {
    return {pair[0].value(), pair[1].value()};
}

}  // namespace

GeometryNumbers geometry_numbers(const GeometryInputs& in, const GeometryQuantities& q) {
    GeometryNumbers n;
    n.a = in.a.value();
    n.mn = in.mn.value();
    n.alpha_n = in.alpha_n.value();
    n.beta = in.beta.value();
    n.b = in.b.value();
    n.han = in.han.value();
    n.cn = in.cn.value();
    n.z = values(in.z);
    n.ess = values(in.ess);
    n.esi = values(in.esi);

    n.mt = q.transverse.mt.value();
    n.alpha_t = q.transverse.alpha_t.value();
    n.alpha_wt = q.working.alpha_wt.value();
    n.a0 = q.working.a0.value();
    n.y = q.working.y.value();
    n.delta_y = q.sizes.delta_y.value();
    n.pbt = q.thickness.pbt.value();
    n.line_of_action = n.a * std::sin(n.alpha_wt);

    n.x_sum = q.shift.x_sum.value();
    n.xn = values(q.shift.xn);

    n.d = values(q.transverse.d);
    n.db = values(q.working.db);
    const double cos_alpha_wt = std::cos(n.alpha_wt);
    for (int i = 0; i < kGears; ++i) n.dw[i] = n.db[i] / cos_alpha_wt;
    n.da = values(q.sizes.da);
    n.df = values(q.sizes.df);
    n.dc = values(q.mesh.dc);
    n.dff = values(q.mesh.dff);

    n.sn = values(q.thickness.sn);
    n.sta = values(q.thickness.sta);

    n.zmin = values(q.mesh.zmin);
    n.btf = values(q.mesh.btf);
    n.eps_alpha = q.mesh.eps_alpha.value();
    n.eps_beta = q.mesh.eps_beta.value();
    return n;
}

}  // namespace gp
