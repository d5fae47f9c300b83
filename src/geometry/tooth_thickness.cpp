#include "tooth_thickness.h"

#include <string>

#include "angle_functions.h"
#include "messages/base.h"
#include "messages/geometry.h"
#include "pi.h"
#include "stop.h"

namespace gp {
namespace {

std::string tip_inside_base_circle(int gear, Real da, Real db) {
    return msg::detail::tip_inside_base_circle(gear, detail_number(da.value()),
                                               detail_number(db.value()));
}

}  // namespace

ToothThickness tooth_thickness(const GeometryInputs& in, const TransverseGeometry& t,
                               const WorkingPressureAngle& w, const ProfileShift& s,
                               const GearSizes& g) {
    ToothThickness th;
    th.pbt = kPi * t.mt * cos(t.alpha_t);

    // Half a pitch, widened by the shift on both flanks.
    for (int i = 0; i < kGears; ++i) {
        th.sn[i] = in.mn * (1.570796327 + 2.0 * s.xn[i] * t.tan_alpha_n);
    }
    // Each gear's row shows the mating gear's thickness less its own upper
    // deviation: the thickness the standard mate would need for the same backlash.
    th.snb[0] = th.sn[1] - in.ess[0];
    th.snb[1] = th.sn[0] - in.ess[1];

    // Pressure angle at the tip: cos αa = db / da, which must not exceed 1.
    GearPairOf<Real> cos_alpha_a;
    for (int i = 0; i < kGears; ++i) {
        cos_alpha_a[i] = w.db[i] / g.da[i];
        if (cos_alpha_a[i] > 1.0) {
            throw StopSignal{msg::kCannotCompute, tip_inside_base_circle(i, g.da[i], w.db[i])};
        }
    }
    for (int i = 0; i < kGears; ++i) {
        const Real inv_alpha_a = involute(angle_of_cosine(cos_alpha_a[i]));
        // Thickness carried along the involute from the reference to the tip circle;
        // a negative value means a pointed tooth and is shown as it is.
        th.sta[i] = g.da[i] * (th.sn[i] / (in.mn * in.z[i]) + t.inv_alpha_t - inv_alpha_a);
    }
    return th;
}

}  // namespace gp
