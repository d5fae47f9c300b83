#include "root_form_thickness.h"

#include "strength_trig.h"

namespace gp::strength {

std::optional<FilletScan> fillet_scan_of(const StrengthInputs& p, const ReferenceGeometry& g,
                                         int i) {
    const GearGeometry& gi = g.gear[i];
    const GearInputs& in = p.gear[i];
    if (!(gi.dF < gi.db)) return std::nullopt;
    return FilletScan{p.mn, p.alpha_n, in.xn, in.fillet, gi.hf, gi.d, gi.dv, gi.dF};
}

Real root_form_thickness(const StrengthInputs& p, const ReferenceGeometry& g, int i) {
    if (const auto scan = fillet_scan_of(p, g, i)) return fillet_thickness(*scan);
    const GearGeometry& gi = g.gear[i];
    // On the involute: the reference thickness carried to the form circle.
    const Real alpha_F = arccos(gi.db / gi.dF);
    return gi.dF * cos(gi.beta_F) * (gi.st / gi.d + g.inv_alpha_t - involute(alpha_F));
}

}  // namespace gp::strength
