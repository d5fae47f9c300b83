#include "strength_core.h"

#include "messages/base.h"
#include "messages/strength.h"
#include "root_form_thickness.h"

namespace gp::strength {

StrengthCore strength_core(const GearPairInput& input) {
    StrengthCore s;
    Computing step{msg::step::kReadInputs};
    s.pair = read_strength_inputs(input);
    step.now(msg::step::kReferenceGeometry);
    s.geo = reference_geometry(s.pair);
    step.now(msg::step::kTangentialForce);
    s.ft = tangential_force(s.pair.torque, s.geo.gear[0].d);
    step.now(msg::step::kContactRatios);
    s.ratios = contact_ratios(s.pair, s.geo);
    step.now(msg::step::kRootThickness);
    for (int i = 0; i < 2; ++i) s.root[i].sF = root_form_thickness(s.pair, s.geo, i);
    step.now(msg::step::kStressConcentrationConstants);
    s.kf = stress_concentration_constants(s.pair.alpha_n);
    step.now(msg::step::kFilletCurvature);
    for (int i = 0; i < 2; ++i) {
        const GearGeometry& g = s.geo.gear[i];
        s.root[i].rhoF = fillet_curvature(s.pair.gear[i].fillet, g.hf, g.dv);
    }
    return s;
}

}  // namespace gp::strength
