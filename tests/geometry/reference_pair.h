// The worked reference pair of the geometry tests, changed field by field.
#pragma once

#include <cctype>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "gear_pair_input.h"

namespace gp::testing {

using FieldTexts = std::initializer_list<std::pair<const char*, const char*>>;

// z1 = 20, z2 = 40, mn = 2, αn = 20°, β = 0, han = 1, cn = 0.25, a = 60, b = 30,
// Ess = −0.1, Esi = −0.2, Fr = 0.05, no shift or pin diameter typed, equal strength.
// A change names a form field, or "dx" with "dx1"/"dx2" for the split rule.
inline GearPairInput reference_pair(FieldTexts changes = {}) {
    GearPairInput in;
    in.zxja = "60", in.fmn = "2", in.fjafn = "20", in.lxjbt = "0", in.ckbw = "30";
    in.h0 = "1", in.c0 = "0.25", in.cs1z1 = "20", in.cs2z2 = "40";
    in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
    for (const auto& [name, text] : changes) {
        if (std::string(name) == "dx") {
            in.rule = std::string(text) == "dx2" ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        } else if (const auto field = find_input_field(name)) {
            in.*(field->text) = text;
        } else {
            throw std::invalid_argument(std::string("no form field ") + name);
        }
    }
    return in;
}

// A case's description as a test name: letters and digits, the rest underscores.
inline std::string test_name(const char* description) {
    std::string name(description);
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

}  // namespace gp::testing
