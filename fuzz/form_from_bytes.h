// How a fuzzer's bytes become a filled-in input form.
#pragma once

#include <string>
#include <string_view>

#include "gear_pair_input.h"

namespace gp::fuzz {

// Lines separated by LF: the first names the shift rule ("dx2" picks equal noise,
// anything else equal strength), the next 28 are the field texts in the batch
// tool's column order. Missing lines leave their fields empty; further lines are
// ignored. A form's text cannot hold a line break, so nothing typable is lost.
GearPairInput form_from_bytes(std::string_view bytes);

// The same form written back in that layout, for making seed files.
std::string bytes_of_form(const GearPairInput& form);

}  // namespace gp::fuzz
