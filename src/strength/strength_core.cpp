#include "strength_core.h"

#include "root_form_thickness.h"

namespace gp::strength {

StrengthCore strength_core(const GearPairInput& input) {
    StrengthCore s;
    Computing step{"读取输入参数"};
    s.pair = read_pair(input);
    step.now("计算分度圆、齿顶圆、齿根圆、基圆直径和啮合角");
    s.geo = reference_geometry(s.pair);
    step.now("计算圆周力");
    s.ft = tangential_force(s.pair.torque, s.geo.gear[0].d);
    step.now("计算端面重合度和轴面重合度");
    s.ratios = contact_ratios(s.pair, s.geo);
    step.now("计算齿根危险截面（齿根过渡曲线起点）的齿厚");
    for (int i = 0; i < 2; ++i) s.root[i].sF = root_form_thickness(s.pair, s.geo, i);
    step.now("计算齿根应力集中系数的常数");
    s.kf = stress_concentration_constants(s.pair.alpha_n);
    step.now("计算齿根过渡曲线的曲率半径");
    for (int i = 0; i < 2; ++i) {
        const GearGeometry& g = s.geo.gear[i];
        s.root[i].rhoF = fillet_curvature(s.pair.gear[i].fillet, g.hf, g.dv);
    }
    return s;
}

}  // namespace gp::strength
