#include "strength_calculation.h"

#include "bending_stress.h"
#include "contact_stress.h"
#include "input_checks.h"
#include "strength_case.h"
#include "strength_core.h"
#include "strength_texts.h"

namespace gp {

Outcome<StrengthResult> compute_strength(const GearPairInput& input) {
    if (auto failure = check_for_strength(input)) return Stop{failure->message};
    return run_to_outcome([&] {
        using namespace strength;
        const StrengthCore core = strength_core(input);
        const BendingCase c = choose_case(core.pair.beta, core.ratios.gamma, core.ratios.beta);
        const BendingStresses bending = bending_stresses(core, c);
        const Real sigma_H = contact_stress(core);
        return strength_result(core, c, bending, sigma_H);
    });
}

}  // namespace gp
