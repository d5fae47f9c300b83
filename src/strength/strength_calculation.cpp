#include "strength_calculation.h"

#include "input_checks.h"

namespace gp {

Outcome<StrengthResult> compute_strength(const GearPairInput& input) {
    if (auto failure = check_for_strength(input)) return Stop{failure->message};
    return Stop{msg::kCannotCompute};  // placeholder until the calculation lands
}

}  // namespace gp
