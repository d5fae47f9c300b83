#include "working_pressure_angle.h"

#include "angle_functions.h"
#include "messages.h"
#include "stop.h"

namespace gp {

WorkingPressureAngle working_pressure_angle(const GeometryInputs& in, const TransverseGeometry& t) {
    WorkingPressureAngle w;
    const Real cos_alpha_t = cos(t.alpha_t);
    for (int i = 0; i < kGears; ++i) w.db[i] = t.d[i] * cos_alpha_t;
    w.a0 = t.mt * (in.z[0] + in.z[1]) / 2.0;
    w.y = (in.a - w.a0) / in.mn;

    // The base circles do not change with the centre distance, so
    // a·cos αwt = a0·cos αt.
    const Real cos_alpha_wt = (w.a0 / in.a) * cos_alpha_t;
    if (cos_alpha_wt > 1.0) throw StopSignal{msg::kCannotCompute};

    w.alpha_wt = angle_of_cosine(cos_alpha_wt);
    w.inv_alpha_wt = involute(w.alpha_wt);
    return w;
}

}  // namespace gp
