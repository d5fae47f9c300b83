// What must hold for any form whatever was typed: both calculations end in results
// or in one of the system's messages, every displayed number obeys the number
// rules, and both reports can be built and encoded.
#pragma once

#include <string>
#include <string_view>

#include "gear_pair_input.h"

namespace gp::fuzz {

// Is this a text the number rules can produce? Plain decimal, or capital-E form
// with an exponent of at least `min_exponent`; at most `max_digits` significant
// digits, no trailing zeros after a point, never "-0", never "nan" or "inf".
// The empty text passes (a label the case leaves blank).
bool is_rule_abiding_number(std::string_view text, int max_digits, int min_exponent);

// Runs both calculations and builds both reports from their results. The first
// broken promise, in words, or the empty text when all hold. Anything thrown
// escapes: to a fuzzer that is a crash, which it is.
std::string first_broken_promise(const GearPairInput& form);

}  // namespace gp::fuzz
