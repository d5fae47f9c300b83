#include "strength_core.h"

#include "root_form_thickness.h"

namespace gp::strength {

StrengthCore strength_core(const GearPairInput& input) {
    StrengthCore s;
    s.pair = read_pair(input);
    s.geo = reference_geometry(s.pair);
    s.ft = tangential_force(s.pair.torque, s.geo.gear[0].d);
    s.ratios = contact_ratios(s.pair, s.geo);
    for (int i = 0; i < 2; ++i) s.root[i].sF = root_form_thickness(s.pair, s.geo, i);
    s.kf = stress_concentration_constants(s.pair.alpha_n);
    for (int i = 0; i < 2; ++i) {
        const GearGeometry& g = s.geo.gear[i];
        s.root[i].rhoF = fillet_curvature(s.pair.gear[i].fillet, g.hf, g.dv);
    }
    return s;
}

}  // namespace gp::strength
