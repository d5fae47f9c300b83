#include "profile_shift.h"

#include "number_parse.h"

namespace gp {
namespace {

// Shift of the pinion that gives both gears about the same root bending strength
// (an empirical fit over the tip and base diameters). The addendum coefficient is
// read again from its text here, strictly.
Real equal_strength_pinion_shift(const GeometryInputs& in, const TransverseGeometry& t,
                                 const WorkingPressureAngle& w, Real x_sum) {
    const Real han = strict_convert(in.han_text, "h0");
    const Real cos_alpha_wt = cos(w.alpha_wt);
    return (t.d[1] + 2.0 * in.mn * (0.14 * han + 1.6 * x_sum) - 0.86 * t.d[0] +
            (0.86 * w.db[0] - w.db[1]) / cos_alpha_wt) /
           (3.5 * t.mt);
}

// Shift of the pinion that balances the specific sliding at the two ends of the
// path of contact, the main source of sliding noise.
Real equal_noise_pinion_shift(const TransverseGeometry& t, Real x_sum) {
    return t.inv_alpha_t * (t.d[1] - t.d[0]) / (4.0 * t.mt * t.tan_alpha_n) + x_sum / 2.0;
}

}  // namespace

ProfileShift given_profile_shift(const GearPairOf<Real>& xn) {
    ProfileShift s;
    s.xn = xn;
    s.x_sum = s.xn[0] + s.xn[1];
    return s;
}

Real no_backlash_shift_sum(const GeometryInputs& in, const TransverseGeometry& t,
                           const WorkingPressureAngle& w) {
    // The involute equation of backlash-free mesh:
    // inv αwt = inv αt + 2·xΣ·tan αn / (z1 + z2).
    return (in.z[0] + in.z[1]) * (w.inv_alpha_wt - t.inv_alpha_t) / (t.tan_alpha_n + t.tan_alpha_n);
}

ProfileShift profile_shift(const GeometryInputs& in, const TransverseGeometry& t,
                           const WorkingPressureAngle& w) {
    if (!in.xn_text[0].empty() && !in.xn_text[1].empty()) {
        // Typed coefficients are taken as they are; the centre distance still sets
        // αwt and y, so a mismatch shows up only in the addendum reduction.
        const Real x1 = lenient_parse(in.xn_text[0]);
        const Real x2 = lenient_parse(in.xn_text[1]);
        return given_profile_shift({x1, x2});
    }
    ProfileShift s;
    s.x_sum = no_backlash_shift_sum(in, t, w);
    s.xn[0] = in.rule == ShiftRule::EqualStrength ? equal_strength_pinion_shift(in, t, w, s.x_sum)
                                                  : equal_noise_pinion_shift(t, s.x_sum);
    s.xn[1] = s.x_sum - s.xn[0];
    return s;
}

}  // namespace gp
