#include "working_pressure_angle.h"

#include <cmath>
#include <string>

#include "angle_functions.h"
#include "messages/base.h"
#include "messages/geometry.h"
#include "stop.h"

namespace gp {
namespace {

// The pair meshes down to the centre distance at which the working pressure angle
// is 0, where a equals the sum of the base radii, a0·cos αt. The smallest distance
// shown is rounded up to 5 decimals and is itself accepted.
std::string unattainable_centre_distance(Real a, Real a0, Real cos_alpha_t) {
    const double base_radii = a0.value() * cos_alpha_t.value();
    double smallest = std::ceil(base_radii * 100000.0) / 100000.0;
    for (int i = 0; i < 10 && (a0.value() / smallest) * cos_alpha_t.value() > 1.0; ++i) {
        smallest += 0.00001;
    }
    return msg::detail::centre_distance_too_small(detail_number(a.value()), detail_number(smallest),
                                                  detail_number(a0.value()));
}

}  // namespace

WorkingPressureAngle working_pressure_angle(const GeometryInputs& in, const TransverseGeometry& t) {
    WorkingPressureAngle w;
    const Real cos_alpha_t = cos(t.alpha_t);
    for (int i = 0; i < kGears; ++i) w.db[i] = t.d[i] * cos_alpha_t;
    w.a0 = t.mt * (in.z[0] + in.z[1]) / 2.0;
    w.y = (in.a - w.a0) / in.mn;

    // The base circles do not change with the centre distance, so
    // a·cos αwt = a0·cos αt.
    const Real cos_alpha_wt = (w.a0 / in.a) * cos_alpha_t;
    if (cos_alpha_wt > 1.0) {
        throw StopSignal{msg::kCannotCompute,
                         unattainable_centre_distance(in.a, w.a0, cos_alpha_t)};
    }

    w.alpha_wt = angle_of_cosine(cos_alpha_wt);
    w.inv_alpha_wt = involute(w.alpha_wt);
    return w;
}

}  // namespace gp
