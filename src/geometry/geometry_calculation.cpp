#include "geometry_calculation.h"

#include <cmath>
#include <memory>

#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "geometry_numbers.h"
#include "geometry_numbers_of.h"
#include "geometry_texts.h"
#include "impossible_inputs.h"
#include "input_checks.h"
#include "input_hints.h"
#include "mesh_indices.h"
#include "messages/base.h"
#include "messages/geometry.h"
#include "number_parse.h"
#include "pin_measurement.h"
#include "profile_shift.h"
#include "shifted_geometry.h"
#include "span_measurement.h"
#include "tooth_thickness.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

namespace {

// Every stage of the calculation. The stages run in this order because the order
// decides which message a pair with several faults gets: the mesh indices come
// before the pins. `step` names the stage, for the explanation of an arithmetic fault.
void run_stages_after_shift(const GeometryInputs& in, GeometryQuantities& q, Computing& step);

GeometryQuantities run_stages(const GeometryInputs& in, Computing& step) {
    GeometryQuantities q;
    step.now(msg::step::kTransverse);
    q.transverse = transverse_geometry(in);
    step.now(msg::step::kWorkingAngle);
    q.working = working_pressure_angle(in, q.transverse);
    step.now(msg::step::kProfileShift);
    q.shift = profile_shift(in, q.transverse, q.working);
    run_stages_after_shift(in, q, step);
    return q;
}

// The stages that follow the profile shift, which every point of the shift plane
// runs again.
void run_stages_after_shift(const GeometryInputs& in, GeometryQuantities& q, Computing& step) {
    step.now(msg::step::kGearSizes);
    q.sizes = gear_sizes(in, q.transverse, q.working, q.shift);
    step.now(msg::step::kToothThickness);
    q.thickness = tooth_thickness(in, q.transverse, q.working, q.shift, q.sizes);
    q.mesh = mesh_indices(in, q.transverse, q.working, q.shift, q.sizes, q.thickness);
    step.now(msg::step::kPinMeasurement);
    q.pins = pin_measurement(in, q.transverse, q.working, q.thickness);
    step.now(msg::step::kSpanMeasurement);
    q.span = span_measurement(in, q.transverse, q.shift);
    step.now(msg::step::kDisplayValues);
}

// Reads the form, runs every stage and hands the quantities to `finish`. An
// arithmetic fault's explanation also names the typed values that make the pair
// degenerate.
template <typename Finish>
auto computed(const GearPairInput& input, Finish finish) {
    try {
        Computing step{msg::step::kReadInputs};
        const GeometryInputs in = read_geometry_inputs(input);
        const GeometryQuantities q = run_stages(in, step);
        return finish(in, q);
    } catch (ArithmeticFault& fault) {
        fault.detail +=
            degenerate_inputs(input, {"zxja", "fmn", "fjafn", "lxjbt", "cs1z1", "cs2z2"});
        throw;
    }
}

}  // namespace

Outcome<GeometryResult> compute_geometry(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) {
        return Stop{failure->message, failure->detail};
    }
    auto outcome = run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs&, const GeometryQuantities& q) {
            return geometry_texts(q);
        });
    });
    // A stop on a value no gear can have names that value before the failed step.
    return with_impossible_values_named(std::move(outcome), input, CalculationKind::Geometry);
}

Outcome<GeometryNumbers> compute_geometry_numbers(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) {
        return Stop{failure->message, failure->detail};
    }
    auto outcome = run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs& in, const GeometryQuantities& q) {
            // The sheet's texts can stop the calculation too (a value too large to
            // round): a pair without a sheet has no numbers either.
            geometry_texts(q);
            return geometry_numbers(in, q);
        });
    });
    return with_impossible_values_named(std::move(outcome), input, CalculationKind::Geometry);
}

Outcome<ShiftedPairGeometry> ShiftedPairGeometry::of(const GearPairInput& typed) {
    // The points supply the centre distance and the coefficients: whatever the form
    // holds there is neither checked nor read.
    auto form = std::make_shared<GearPairInput>(typed);
    form->zxja = form->xng1 = form->xng2 = "0";
    if (auto failure = check_for_geometry(*form)) {
        return Stop{failure->message, failure->detail, failure->field};
    }
    return run_to_outcome([&form] {
        ShiftedPairGeometry g;
        g.form_ = form;
        Computing step{msg::step::kReadInputs};
        g.in_ = read_geometry_inputs(*g.form_);
        step.now(msg::step::kTransverse);
        g.t_ = transverse_geometry(g.in_);
        const auto extreme = [](double v) {
            return std::fabs(v) > 1e100 || (v != 0.0 && std::fabs(v) < 1e-100);
        };
        const GeometryInputs& in = g.in_;
        for (const Real v : {in.mn, in.alpha_n, in.beta, in.b, in.han, in.cn, in.z[0], in.z[1],
                             in.ess[0], in.ess[1], in.esi[0], in.esi[1], in.fr[0], in.fr[1]}) {
            g.extreme_ = g.extreme_ || extreme(v.value());
        }
        for (const std::string_view dp : in.dp_text) {
            // A pin diameter too large for a double stops at the pins, as typed.
            const auto value = run_to_outcome([dp] { return lenient_parse(dp); });
            g.extreme_ = g.extreme_ || !std::holds_alternative<double>(value) ||
                         extreme(std::get<double>(value));
        }
        return g;
    });
}

Outcome<GeometryNumbers> ShiftedPairGeometry::at(const GearPairOf<double>& xn, double a) const {
    return run_to_outcome([&] {
        Computing step{msg::step::kReadInputs};
        GeometryInputs in = in_;
        in.a = a;
        GeometryQuantities q;
        q.transverse = t_;
        step.now(msg::step::kWorkingAngle);
        q.working = working_pressure_angle(in, q.transverse);
        step.now(msg::step::kProfileShift);
        q.shift = given_profile_shift({xn[0], xn[1]});
        run_stages_after_shift(in, q, step);
        if (extreme_) geometry_texts(q);
        return geometry_numbers(in, q);
    });
}

std::optional<double> ShiftedPairGeometry::no_backlash_centre_distance(double x_sum) const {
    const double z_sum = in_.z[0].value() + in_.z[1].value();
    const double tan_alpha_n = t_.tan_alpha_n.value();
    const double inv_alpha_wt = t_.inv_alpha_t.value() + 2.0 * tan_alpha_n * x_sum / z_sum;
    if (!std::isfinite(inv_alpha_wt) || inv_alpha_wt < 0.0) return std::nullopt;
    // tan φ − φ = inv αwt: Newton's steps kept inside a shrinking bracket of the
    // first quadrant, where the involute rises monotonically.
    double lo = 0.0, hi = 1.5707963267948966;
    double phi = std::fmin(std::cbrt(3.0 * inv_alpha_wt), 1.5);
    for (int i = 0; i < 200 && inv_alpha_wt > 0.0; ++i) {
        const double tan_phi = system_math::tan(phi);
        const double error = tan_phi - phi - inv_alpha_wt;
        if (error == 0.0) break;
        (error > 0.0 ? hi : lo) = phi;
        double next = phi - error / (tan_phi * tan_phi);
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2.0;
        const bool settled = std::fabs(next - phi) <= 4e-16 * phi;
        phi = next;
        if (settled) break;
    }
    if (inv_alpha_wt == 0.0) phi = 0.0;
    // The base circles stay: a·cos αwt = a0·cos αt.
    const double a0 = t_.mt.value() * z_sum / 2.0;
    const double a = a0 * system_math::cos(t_.alpha_t.value()) / system_math::cos(phi);
    if (!std::isfinite(a) || a <= 0.0) return std::nullopt;
    return a;
}

Outcome<double> ShiftedPairGeometry::no_backlash_shift_sum(double a) const {
    return run_to_outcome([&] {
        Computing step{msg::step::kWorkingAngle};
        GeometryInputs in = in_;
        in.a = a;
        const WorkingPressureAngle w = working_pressure_angle(in, t_);
        step.now(msg::step::kProfileShift);
        return gp::no_backlash_shift_sum(in, t_, w).value();
    });
}

Outcome<GearPairOf<double>> ShiftedPairGeometry::split_shift_sum(double a, ShiftRule rule) const {
    return run_to_outcome([&] {
        Computing step{msg::step::kWorkingAngle};
        GeometryInputs in = in_;
        in.a = a;
        in.rule = rule;
        in.xn_text = {std::string_view{}, std::string_view{}};
        const WorkingPressureAngle w = working_pressure_angle(in, t_);
        step.now(msg::step::kProfileShift);
        const ProfileShift s = profile_shift(in, t_, w);
        return GearPairOf<double>{s.xn[0].value(), s.xn[1].value()};
    });
}

Outcome<GeometrySheetAndNumbers> compute_geometry_sheet_and_numbers(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) {
        return Stop{failure->message, failure->detail};
    }
    auto outcome = run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs& in, const GeometryQuantities& q) {
            return GeometrySheetAndNumbers{geometry_texts(q), geometry_numbers(in, q)};
        });
    });
    return with_impossible_values_named(std::move(outcome), input, CalculationKind::Geometry);
}

}  // namespace gp
