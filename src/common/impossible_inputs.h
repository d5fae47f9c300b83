// Typed values no gear can have: a module, face width or number of teeth that is
// not positive, a pressure angle outside (0°, 90°), a helix angle outside (−90°,
// 90°), a negative addendum or clearance coefficient or fillet radius. The checks
// of the form let them through (they are numbers), and the calculation then fails
// somewhere far from the cause, or gives figures of no real gear; these name the
// cause in the engineer's words.
#pragma once

#include <string>
#include <vector>

#include "gear_pair_input.h"
#include "stop.h"

namespace gp {

enum class CalculationKind { Geometry, Strength };

struct ImpossibleValue {
    const char* field;        // the form field, to put the focus on
    std::string explanation;  // "法向模数为 -2：模数必须大于 0"
};

// The impossible values among the fields `kind` reads, in the form's order. Empty
// texts and texts that are no numbers are left to the checks. Never throws.
std::vector<ImpossibleValue> impossible_values(const GearPairInput& input, CalculationKind kind);

// A stop of a calculation of `kind` on `input`, its explanation led by the
// impossible values typed and its field the first of them; unchanged when there
// are none.
void name_impossible_values(Stop& stop, const GearPairInput& input, CalculationKind kind);

// Applies name_impossible_values to the stop of an outcome, if it is one.
template <typename Result>
Outcome<Result> with_impossible_values_named(Outcome<Result> outcome, const GearPairInput& input,
                                             CalculationKind kind) {
    if (auto* stop = std::get_if<Stop>(&outcome)) name_impossible_values(*stop, input, kind);
    return outcome;
}

}  // namespace gp
