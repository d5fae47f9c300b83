#include "reference_geometry.h"

#include <cmath>

#include "pi.h"
#include "strength_trig.h"

namespace gp::strength {
namespace {

// The smallest magnitude that rounds to infinity in single precision:
// the largest float plus half its last step.
constexpr double kSingleOverflow = 0x1.ffffffp+127;

}  // namespace

float to_single(Real x) {
    if (std::fabs(x.value()) >= kSingleOverflow) throw ArithmeticFault{};
    return static_cast<float>(x.value());
}

ReferenceGeometry reference_geometry(const StrengthInputs& p) {
    ReferenceGeometry g;
    const Real z1 = p.gear[0].z, z2 = p.gear[1].z;
    const Real xn1 = p.gear[0].xn, xn2 = p.gear[1].xn;

    // Transverse module and reference diameters.
    const Real mt = p.mn / cos(p.beta);
    const Real d1 = mt * z1;
    const Real d2 = mt * z2;

    // Centre-distance modification y and tip shortening dy = x_sum - y.
    const Real x_sum = xn1 + xn2;
    const Real a0 = mt * (z1 + z2) / 2.0;
    const Real y = (p.a - a0) / p.mn;
    const Real dy = x_sum - y;

    // Addenda (shortened by dy) and dedenda.
    const Real ha1 = p.mn * (p.han + xn1 - dy);
    const Real ha2 = p.mn * (p.han + xn2 - dy);
    const Real hf1 = p.mn * (p.han + p.cn - xn1);
    const Real hf2 = p.mn * (p.han + p.cn - xn2);

    GearGeometry& g1 = g.gear[0];
    GearGeometry& g2 = g.gear[1];
    g1.d = d1;
    g2.d = d2;
    g1.da = to_single(d1 + 2.0 * ha1);
    g2.da = to_single(d2 + 2.0 * ha2);
    g1.df = to_single(d1 - 2.0 * hf1);
    g2.df = to_single(d2 - 2.0 * hf2);

    // Transverse pressure angle from tan(alpha_t) = tan(alpha_n) / cos(beta).
    g.tan_alpha_t = tan(p.alpha_n) / cos(p.beta);
    g.alpha_t = atan(g.tan_alpha_t);
    g.inv_alpha_t = g.tan_alpha_t - g.alpha_t;

    for (int i = 0; i < 2; ++i) {
        GearGeometry& gi = g.gear[i];
        const GearInputs& in = p.gear[i];
        // Transverse arc thickness at the reference circle.
        gi.st = (1.570796327 + 2.0 * in.xn * tan(p.alpha_n)) * p.mn / cos(p.beta);
        // Root form circle: the fillet of radius rho ends that far above the root.
        gi.dF = Real(gi.df) + 2.0 * in.fillet * (1.0 - sin(p.alpha_n));
        gi.beta_F = atan(gi.dF * tan(p.beta) / gi.d);
        gi.db = gi.d * cos(g.alpha_t);
    }

    // Working transverse pressure angle from the centre distance.
    const Real cos_alpha_wt = ((d1 + d2) / 2.0) * cos(g.alpha_t) / p.a;
    g.alpha_wt = arccos(cos_alpha_wt);

    // Transverse pitch and base pitch.
    const Real pt = kPi * p.mn / cos(p.beta);
    g.pbt = pt * cos(g.alpha_t);

    for (GearGeometry& gi : g.gear) {
        gi.alpha_at = arccos(gi.db / Real(gi.da));
        gi.dv = gi.d / (cos(p.beta) * cos(p.beta));
        gi.hf = (gi.d - Real(gi.df)) / 2.0;
    }
    return g;
}

}  // namespace gp::strength
