#include "load_and_contact_ratios.h"

#include "pi.h"

namespace gp::strength {

Real tangential_force(Real torque, Real d1) { return 2000.0 * torque / d1; }

ContactRatios contact_ratios(const StrengthInputs& p, const ReferenceGeometry& g) {
    const GearGeometry& g1 = g.gear[0];
    const GearGeometry& g2 = g.gear[1];
    const Real da1 = g1.da, da2 = g2.da;
    ContactRatios r;
    // Length of the path of contact: the two tip-to-base tangents less the part of the
    // line of action between the base circles.
    const Real path =
        (sqrt(abs(da1 * da1 - g1.db * g1.db)) + sqrt(abs(da2 * da2 - g2.db * g2.db))) / 2.0 -
        p.a * sin(g.alpha_wt);
    r.alpha = path / g.pbt;
    r.alpha_whole = floor(r.alpha);
    r.alpha_frac = r.alpha - r.alpha_whole;
    r.beta = p.b * sin(p.beta) / (p.mn * kPi);
    r.beta_whole = floor(r.beta);
    r.beta_frac = r.beta - r.beta_whole;
    r.gamma = r.alpha + r.beta;
    return r;
}

}  // namespace gp::strength
