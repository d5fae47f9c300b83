// The strength calculation takes the shift coefficients as typed (an empty field is
// 0); the geometry calculation, when either field is empty, takes the sum the centre
// distance demands. Where the two differ the strength figures are those of another
// pair than the one on the geometry sheet, and the strength sheet says so.
#pragma once

#include <optional>
#include <string>

#include "gear_pair_input.h"

namespace gp {

// xΣ(a): the sum of the shift coefficients that the shift split derives from the
// centre distance, exactly as it does when both shift fields are empty. Nothing
// when that step stops (a centre distance the pair cannot reach, degenerate input).
std::optional<double> centre_distance_shift_sum(const GearPairInput& input);

// The notice for the strength sheet when the typed coefficients (empty = 0) differ
// from xΣ(a) by more than 0.00001; nothing when they fit or xΣ(a) cannot be found.
std::optional<std::string> shift_notice(const GearPairInput& input);

}  // namespace gp
