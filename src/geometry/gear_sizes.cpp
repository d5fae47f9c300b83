#include "gear_sizes.h"

namespace gp {

GearSizes gear_sizes(const GeometryInputs& in, const TransverseGeometry& t,
                     const WorkingPressureAngle& w, const ProfileShift& s) {
    GearSizes g;
    // The tips are shortened by Δy so that the bottom clearance stays cn·mn at the
    // working centre distance.
    g.delta_y = s.x_sum - w.y;
    for (int i = 0; i < kGears; ++i) {
        g.ha[i] = in.mn * (in.han + s.xn[i] - g.delta_y);
        g.hf[i] = in.mn * (in.han + in.cn - s.xn[i]);
        g.h[i] = g.ha[i] + g.hf[i];
        g.da[i] = t.d[i] + 2.0 * g.ha[i];
        g.df[i] = t.d[i] - 2.0 * g.hf[i];
    }
    return g;
}

}  // namespace gp
