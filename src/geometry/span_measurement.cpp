#include "span_measurement.h"

#include "angle_functions.h"
#include "pi.h"

namespace gp {

SpanMeasurement span_measurement(const GeometryInputs& in, const TransverseGeometry& t,
                                 const ProfileShift& s) {
    SpanMeasurement sp;
    const Real cos_alpha_n = cos(in.alpha_n);
    const Real sin_alpha_n = sin(in.alpha_n);
    for (int i = 0; i < kGears; ++i) {
        // The helical gear measured in the normal plane behaves like a spur gear of
        // z' teeth; the calipers touch the flanks where the pressure angle is αx,
        // near mid-depth of the shifted tooth.
        const Real z_virtual = in.z[i] * t.inv_alpha_t / t.inv_alpha_n;
        const Real cos_alpha_x = z_virtual * cos_alpha_n / (z_virtual + 2.0 * s.xn[i]);
        const Real alpha_x = angle_of_cosine(cos_alpha_x);
        sp.k[i] = floor(z_virtual * alpha_x / kPi + 1.0);
        // k − 1 base pitches plus one base thickness, in the normal plane.
        sp.w[i] = in.mn * cos_alpha_n *
                  (kPi * (sp.k[i] - 0.5) + in.z[i] * t.inv_alpha_t + 2.0 * s.xn[i] * t.tan_alpha_n);
    }
    // The thickness deviations seen along the base tangent, the band narrowed on
    // both sides by the share of the radial runout that W, being independent of
    // eccentricity, cannot detect.
    for (int i = 0; i < kGears; ++i) {
        sp.ews[i] = in.ess[i] * cos_alpha_n - 0.72 * in.fr[i] * sin_alpha_n;
        sp.ewi[i] = in.esi[i] * cos_alpha_n + 0.72 * in.fr[i] * sin_alpha_n;
    }
    return sp;
}

}  // namespace gp
