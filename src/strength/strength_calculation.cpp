#include "strength_calculation.h"

#include "bending_stress.h"
#include "contact_stress.h"
#include "impossible_inputs.h"
#include "input_checks.h"
#include "input_hints.h"
#include "meaningful_result.h"
#include "messages/base.h"
#include "messages/strength.h"
#include "strength_case.h"
#include "strength_core.h"
#include "strength_texts.h"

namespace gp {

Outcome<StrengthResult> compute_strength(const GearPairInput& input) {
    if (auto failure = check_for_strength(input)) {
        return Stop{failure->message, failure->detail};
    }
    auto outcome = run_to_outcome([&] {
        using namespace strength;
        try {
            const StrengthCore core = strength_core(input);
            Computing step{msg::step::kBending};
            const BendingCase c = choose_case(core.pair.beta, core.ratios.gamma, core.ratios.beta);
            // The low-overlap stress shares the load among the whole pairs in contact.
            if (c == BendingCase::LowOverlap && core.ratios.alpha_whole == 0.0) {
                step.now(msg::step::kBendingBelowOne);
            }
            const BendingStresses bending = bending_stresses(core, c);
            step.now(msg::step::kContactStress);
            const Real sigma_H = contact_stress(core);
            // A result that describes no real tooth is not shown.
            require_meaningful(core, bending, sigma_H);
            step.now(msg::step::kDisplayValues);
            return strength_result(core, c, bending, sigma_H);
        } catch (ArithmeticFault& fault) {
            fault.detail += degenerate_inputs(
                input, {"zxja", "fmn", "fjafn", "lxjbt", "ckbw", "cs1z1", "cs2z2", "ck1", "ck2"});
            throw;
        }
    });
    // A stop on a value no gear can have names that value before the failed step.
    return with_impossible_values_named(std::move(outcome), input, CalculationKind::Strength);
}

}  // namespace gp
