#include "shift_notice.h"

#include <cmath>

#include "geometry_inputs.h"
#include "messages/geometry.h"
#include "number_parse.h"
#include "profile_shift.h"
#include "stop.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

std::optional<double> centre_distance_shift_sum(const GearPairInput& input) {
    GearPairInput derived = input;
    derived.xng1.clear();
    derived.xng2.clear();
    // The sum is the same under either split; the equal-noise split reads no text.
    derived.rule = ShiftRule::EqualNoise;
    try {
        const GeometryInputs in = read_geometry_inputs(derived);
        const TransverseGeometry t = transverse_geometry(in);
        const WorkingPressureAngle w = working_pressure_angle(in, t);
        return profile_shift(in, t, w).x_sum.value();
    } catch (const StopSignal&) {
        return std::nullopt;
    }
}

std::optional<std::string> shift_notice(const GearPairInput& input) {
    const auto x_sum = centre_distance_shift_sum(input);
    if (!x_sum) return std::nullopt;
    double xn1 = 0.0, xn2 = 0.0, a = 0.0;
    try {
        xn1 = lenient_parse(input.xng1);
        xn2 = lenient_parse(input.xng2);
        a = lenient_parse(input.zxja);
    } catch (const StopSignal&) {
        return std::nullopt;
    }
    if (!(std::fabs(xn1 + xn2 - *x_sum) > 0.00001)) return std::nullopt;
    return msg::sheet::shift_not_from_centre_distance(detail_number(xn1), detail_number(xn2),
                                                      detail_number(a), detail_number(*x_sum));
}

}  // namespace gp
