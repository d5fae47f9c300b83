#include "contact_stress.h"

#include "strength_case.h"
#include "strength_trig.h"

namespace gp::strength {

Real contact_stress(const StrengthCore& s) {
    const StrengthInputs& p = s.pair;
    const Real u = p.gear[1].z / p.gear[0].z;  // gear ratio
    const Real torque = 1000.0 * p.torque;     // kgf·mm
    const Real u1_cubed = (1.0 + u) * (1.0 + u) * (1.0 + u);
    const Real sin_2alpha_wt = sin(2.0 * s.geo.alpha_wt);
    if (p.beta != 0.0) {
        // Base helix angle and the total length of the contact lines.
        const Real sin_beta_b = sin(p.beta) * cos(p.alpha_n);
        const Real beta_b = arcsin(sin_beta_b);
        const Real eps_c = contact_line_ratio(s.ratios);
        const Real length = eps_c * p.b / cos(beta_b);
        return (105.0 / p.a) * sqrt(abs(torque * u1_cubed / (length * u * sin_2alpha_wt)));
    }
    return (85.8 / p.a) * sqrt(abs(torque * u1_cubed / (p.b * u * sin_2alpha_wt)));
}

}  // namespace gp::strength
