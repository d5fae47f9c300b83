#include "root_form_thickness.h"

#include "strength_trig.h"

namespace gp::strength {
namespace {

constexpr long kMaxFilletSteps = 1'000'000;

}  // namespace

Real fillet_thickness(const FilletScan& s) {
    // e: depth of the tip-radius centre below the reference line; c: its offset
    // along the pitch line from the tooth centre line.
    const Real e = s.hf - s.rho;
    const Real c = 3.141592654 * s.mn / 4.0 +
                   (s.xn * s.mn + s.hf - s.rho * (1.0 - sin(s.alpha_n))) * tan(s.alpha_n) +
                   s.rho * cos(s.alpha_n);
    const Real end = 1.570796327 - s.alpha_n;

    // p, q: coordinates of the fillet point in the rack frame; phi: rolling angle.
    Real p = 0.0, q = 0.0, phi = 0.0;
    long steps = 0;
    for (Real theta = 0.0; theta <= end; theta += 0.0001) {
        if (++steps > kMaxFilletSteps) throw ArithmeticFault{};
        p = s.dv / 2.0 - e - s.rho * cos(theta);
        q = e * tan(theta) + s.rho * sin(theta);
        phi = 2.0 * (c + e * tan(theta)) / s.dv;
        const Real diameter = 2.0 * (p * cos(phi) + q * sin(phi)) - s.dv + s.d;
        if (abs(s.dF - diameter) < 0.001) break;
    }
    return 2.0 * (p * sin(phi) - q * cos(phi));
}

Real root_form_thickness(const PairReading& p, const ReferenceGeometry& g, int i) {
    const GearGeometry& gi = g.gear[i];
    const GearReading& in = p.gear[i];
    if (gi.dF < gi.db) {
        return fillet_thickness({p.mn, p.alpha_n, in.xn, in.fillet, gi.hf, gi.d, gi.dv, gi.dF});
    }
    // On the involute: the reference thickness carried to the form circle.
    const Real alpha_F = arccos(gi.db / gi.dF);
    return gi.dF * cos(gi.beta_F) * (gi.st / gi.d + g.inv_alpha_t - involute(alpha_F));
}

}  // namespace gp::strength
