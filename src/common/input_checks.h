// The checks each calculation button runs on the form before reading it.
#pragma once

#include <optional>
#include <string>

#include "gear_pair_input.h"

namespace gp {

struct CheckFailure {
    std::string message;  // the system's message, shown under the title "提示"
    std::string field;    // the first field that failed, for the keyboard focus
    std::string detail;   // every field that failed, by its caption on the form
};

// Geometry button: letters or symbols in any of 19 fields, then 15 required fields.
std::optional<CheckFailure> check_for_geometry(const GearPairInput& in);

// Strength button: the torque field only (numeric, then present).
std::optional<CheckFailure> check_for_strength(const GearPairInput& in);

}  // namespace gp
