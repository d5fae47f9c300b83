#include "geometry_calculation.h"

#include "input_checks.h"

namespace gp {

Outcome<GeometryResult> compute_geometry(const GearPairInput& input) {
    if (auto failure = check_for_geometry(input)) return Stop{failure->message};
    return Stop{msg::kCannotCompute};  // placeholder until the calculation lands
}

}  // namespace gp
