#include "transverse_geometry.h"

#include "number_text.h"
#include "pi.h"

namespace gp {

TransverseGeometry transverse_geometry(const GeometryInputs& in) {
    TransverseGeometry t;
    t.tan_alpha_n = tan(in.alpha_n);
    t.tan_alpha_t = t.tan_alpha_n / cos(in.beta);
    t.alpha_t = atan(t.tan_alpha_t);
    t.inv_alpha_n = t.tan_alpha_n - in.alpha_n;
    t.inv_alpha_t = t.tan_alpha_t - t.alpha_t;
    t.mt = in.mn / cos(in.beta);
    for (int i = 0; i < kGears; ++i) t.d[i] = in.z[i] * t.mt;

    // The lead pz = π·d / tan β: the axial advance of one full turn of the helix.
    // It is formed here, before any check of the pair, so that a lead too large to
    // round fails before anything else can.
    for (int i = 0; i < kGears; ++i) {
        if (in.beta == 0.0) continue;
        t.lead_text[i] = rounded_text(kPi * t.d[i] / tan(in.beta), 2);
    }
    return t;
}

}  // namespace gp
