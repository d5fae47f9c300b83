#include "strength_calculation.h"

#include "bending_stress.h"
#include "contact_stress.h"
#include "input_checks.h"
#include "input_hints.h"
#include "meaningful_result.h"
#include "strength_case.h"
#include "strength_core.h"
#include "strength_texts.h"

namespace gp {

Outcome<StrengthResult> compute_strength(const GearPairInput& input) {
    if (auto failure = check_for_strength(input)) {
        return Stop{failure->message, failure->detail};
    }
    return run_to_outcome([&] {
        using namespace strength;
        try {
            const StrengthCore core = strength_core(input);
            Computing step{"计算齿形系数、齿根应力集中系数和齿根弯曲应力"};
            const BendingCase c = choose_case(core.pair.beta, core.ratios.gamma, core.ratios.beta);
            // The low-overlap stress shares the load among the whole pairs in contact.
            if (c == BendingCase::LowOverlap && core.ratios.alpha_whole == 0.0) {
                step.now("计算齿根弯曲应力（端面重合度小于 1，其整数部分为 0）");
            }
            const BendingStresses bending = bending_stresses(core, c);
            step.now("计算齿面接触应力");
            const Real sigma_H = contact_stress(core);
            // A result that describes no real tooth is not shown.
            require_meaningful(core, bending, sigma_H);
            step.now("把结果换算成显示数值");
            return strength_result(core, c, bending, sigma_H);
        } catch (ArithmeticFault& fault) {
            fault.detail += degenerate_inputs(
                input, {"zxja", "fmn", "fjafn", "lxjbt", "ckbw", "cs1z1", "cs2z2", "ck1", "ck2"});
            throw;
        }
    });
}

}  // namespace gp
