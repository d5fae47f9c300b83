#include "geometry_calculation.h"

#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "geometry_numbers.h"
#include "geometry_numbers_of.h"
#include "geometry_texts.h"
#include "input_checks.h"
#include "input_hints.h"
#include "mesh_indices.h"
#include "messages.h"
#include "pin_measurement.h"
#include "profile_shift.h"
#include "span_measurement.h"
#include "tooth_thickness.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

namespace {

// Every stage of the calculation. The stages run in this order because the order
// decides which message a pair with several faults gets: the mesh indices come
// before the pins. `step` names the stage, for the explanation of an arithmetic fault.
GeometryQuantities run_stages(const GeometryInputs& in, Computing& step) {
    GeometryQuantities q;
    step.now(msg::step::kTransverse);
    q.transverse = transverse_geometry(in);
    step.now(msg::step::kWorkingAngle);
    q.working = working_pressure_angle(in, q.transverse);
    step.now(msg::step::kProfileShift);
    q.shift = profile_shift(in, q.transverse, q.working);
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
    return q;
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
    return run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs&, const GeometryQuantities& q) {
            return geometry_texts(q);
        });
    });
}

Outcome<GeometryNumbers> compute_geometry_numbers(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) {
        return Stop{failure->message, failure->detail};
    }
    return run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs& in, const GeometryQuantities& q) {
            // The sheet's texts can stop the calculation too (a value too large to
            // round): a pair without a sheet has no numbers either.
            geometry_texts(q);
            return geometry_numbers(in, q);
        });
    });
}

Outcome<GeometrySheetAndNumbers> compute_geometry_sheet_and_numbers(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) {
        return Stop{failure->message, failure->detail};
    }
    return run_to_outcome([&input] {
        return computed(input, [](const GeometryInputs& in, const GeometryQuantities& q) {
            return GeometrySheetAndNumbers{geometry_texts(q), geometry_numbers(in, q)};
        });
    });
}

}  // namespace gp
