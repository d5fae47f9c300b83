#include "pin_measurement.h"

#include <string>

#include "messages/geometry.h"
#include "number_parse.h"
#include "number_text.h"
#include "pi.h"
#include "pin_centre_angle.h"

namespace gp {
namespace {

// A pin that fills the space width at the reference circle, rounded to microns,
// touches the flanks close to the reference circle.
Real suggested_pin_diameter(const GeometryInputs& in, Real sn) {
    return round_half_up((kPi * in.mn - sn) / cos(in.alpha_n), 3);
}

// The pin-centre angle of gear `i`; a stop of the iteration says which gear, with
// the pin and the involute it could not match.
Real solved_pin_centre_angle(int i, Real dp, Real inv_alpha_m) {
    try {
        return pin_centre_angle(inv_alpha_m);
    } catch (StopSignal& stop) {
        if (stop.detail.empty()) {
            stop.detail = msg::detail::pin_angle_not_converged(i, detail_number(dp.value()),
                                                               detail_number(inv_alpha_m.value()));
            if (inv_alpha_m < 0.0) stop.detail += msg::detail::kPinCentreInsideBase;
        }
        throw;
    }
}

bool has_even_teeth(Real z) { return floor(z / 2.0) == z / 2.0; }

}  // namespace

PinMeasurement pin_measurement(const GeometryInputs& in, const TransverseGeometry& t,
                               const WorkingPressureAngle& w, const ToothThickness& th) {
    PinMeasurement p;
    GearPairOf<bool> typed;
    for (int i = 0; i < kGears; ++i) {
        typed[i] = !in.dp_text[i].empty();
        if (!typed[i]) p.dp[i] = suggested_pin_diameter(in, th.sn[i]);
    }

    const Real cos_alpha_n = cos(in.alpha_n);
    const Real sin_alpha_t = sin(t.alpha_t);
    GearPairOf<Real> cos_alpha_m, sin_alpha_m;
    for (int i = 0; i < kGears; ++i) {
        // A typed diameter is converted strictly, where it is first used.
        if (typed[i]) p.dp[i] = strict_convert(in.dp_text[i], i == 0 ? "dpg1" : "dpg2");
        // Involute of the pressure angle at the pin centre: half the tooth's angular
        // thickness, plus the pin's, less half the angular pitch.
        const Real mz = in.mn * in.z[i];
        const Real inv_alpha_m =
            th.sn[i] / mz + p.dp[i] / (mz * cos_alpha_n) + t.inv_alpha_t - kPi / in.z[i];
        const Real alpha_m = solved_pin_centre_angle(i, p.dp[i], inv_alpha_m);
        cos_alpha_m[i] = cos(alpha_m);
        sin_alpha_m[i] = sin(alpha_m);
    }

    // Pins in opposite spaces sit on one diameter for an even number of teeth; for
    // an odd number they are half a pitch off it. F turns a change of the normal
    // thickness into the change of M.
    GearPairOf<Real> f;
    for (int i = 0; i < kGears; ++i) {
        if (has_even_teeth(in.z[i])) {
            p.m[i] = w.db[i] / cos_alpha_m[i] + p.dp[i];
            f[i] = sin_alpha_t / (sin_alpha_m[i] * t.tan_alpha_n);
        } else {
            const Real half_pitch_cos = cos(1.570796327 / in.z[i]);
            p.m[i] = w.db[i] * half_pitch_cos / cos_alpha_m[i] + p.dp[i];
            f[i] = sin_alpha_t * half_pitch_cos / (sin_alpha_m[i] * t.tan_alpha_n);
        }
    }
    // The runout does not enter the deviations over pins.
    for (int i = 0; i < kGears; ++i) p.ems[i] = f[i] * in.ess[i];
    for (int i = 0; i < kGears; ++i) p.emi[i] = f[i] * in.esi[i];
    return p;
}

}  // namespace gp
