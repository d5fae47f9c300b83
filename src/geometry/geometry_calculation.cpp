#include "geometry_calculation.h"

#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "geometry_numbers.h"
#include "geometry_numbers_of.h"
#include "geometry_texts.h"
#include "input_checks.h"
#include "mesh_indices.h"
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
// before the pins.
GeometryQuantities run_stages(const GeometryInputs& in) {
    GeometryQuantities q;
    q.transverse = transverse_geometry(in);
    q.working = working_pressure_angle(in, q.transverse);
    q.shift = profile_shift(in, q.transverse, q.working);
    q.sizes = gear_sizes(in, q.transverse, q.working, q.shift);
    q.thickness = tooth_thickness(in, q.transverse, q.working, q.shift, q.sizes);
    q.mesh = mesh_indices(in, q.transverse, q.working, q.shift, q.sizes, q.thickness);
    q.pins = pin_measurement(in, q.transverse, q.working, q.thickness);
    q.span = span_measurement(in, q.transverse, q.shift);
    return q;
}

}  // namespace

Outcome<GeometryResult> compute_geometry(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) return Stop{failure->message};
    return run_to_outcome([&input] {
        const GeometryInputs in = read_geometry_inputs(input);
        return geometry_texts(run_stages(in));
    });
}

Outcome<GeometryNumbers> compute_geometry_numbers(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) return Stop{failure->message};
    return run_to_outcome([&input] {
        const GeometryInputs in = read_geometry_inputs(input);
        return geometry_numbers(in, run_stages(in));
    });
}

}  // namespace gp
