// Which typed values make a calculation degenerate: appended to the explanation of
// an arithmetic fault, so that the engineer sees the cause in the form's terms.
#pragma once

#include <initializer_list>
#include <string>

#include "gear_pair_input.h"

namespace gp {

// "（输入中法向模数为 0）" for the fields among `fields` that read as 0 (for the
// helix angle: ±90°) or hold a number beyond a double; the
// empty text when none does. Never throws.
std::string degenerate_inputs(const GearPairInput& form, std::initializer_list<const char*> fields);

}  // namespace gp
