// The texts of the input form, exactly as typed, and the shift-distribution choice.
// Calculations read them afresh at every request; parsed numbers live only inside
// one calculation.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gp {

// How a total profile shift derived from the centre distance is split.
enum class ShiftRule {
    EqualStrength,  // option dx1, selected when the form opens
    EqualNoise,     // option dx2
};

struct GearPairInput {
    // Pair values.
    std::string zxja;   // centre distance a, mm
    std::string fmn;    // normal module mn, mm
    std::string fjafn;  // normal pressure angle, degrees
    std::string lxjbt;  // reference helix angle, degrees (0: spur)
    std::string ckbw;   // working face width b, mm
    std::string h0;     // normal addendum coefficient
    std::string c0;     // normal clearance coefficient
    std::string nj;     // torque on the driving gear, kgf·m
    // Per gear: 1 = driving gear (pinion), 2 = driven gear (wheel).
    std::string cs1z1, cs2z2;  // numbers of teeth
    std::string ess1, ess2;    // upper tooth-thickness deviations, mm
    std::string esi1, esi2;    // lower tooth-thickness deviations, mm
    std::string fr1, fr2;      // radial runout tolerances, mm
    std::string xng1, xng2;    // normal profile-shift coefficients (optional)
    std::string dpg1, dpg2;    // measuring-pin diameters, mm (optional)
    std::string cgyj1, cgyj2;  // root fillet radii, mm
    std::string ck1, ck2;      // face widths, mm
    std::string th1, th2;      // drawing numbers (reports only)
    std::string jd1, jd2;      // accuracy grade and deviation codes (reports only)

    ShiftRule rule = ShiftRule::EqualStrength;

    bool operator==(const GearPairInput&) const = default;
};

// One text field of the form: its name and where its text lives.
struct InputField {
    const char* name;
    std::string GearPairInput::*text;
};

// A form field named once, in the code: a misspelt name does not compile.
#define GP_INPUT_FIELD(name) \
    ::gp::InputField { #name, &::gp::GearPairInput::name }

// The 28 text fields, in the order the batch tool's files list them.
inline constexpr std::array<InputField, 28> kInputFields = {
    GP_INPUT_FIELD(zxja),  GP_INPUT_FIELD(fmn),   GP_INPUT_FIELD(fjafn), GP_INPUT_FIELD(lxjbt),
    GP_INPUT_FIELD(ckbw),  GP_INPUT_FIELD(h0),    GP_INPUT_FIELD(c0),    GP_INPUT_FIELD(nj),
    GP_INPUT_FIELD(cs1z1), GP_INPUT_FIELD(cs2z2), GP_INPUT_FIELD(ess1),  GP_INPUT_FIELD(ess2),
    GP_INPUT_FIELD(esi1),  GP_INPUT_FIELD(esi2),  GP_INPUT_FIELD(fr1),   GP_INPUT_FIELD(fr2),
    GP_INPUT_FIELD(xng1),  GP_INPUT_FIELD(xng2),  GP_INPUT_FIELD(dpg1),  GP_INPUT_FIELD(dpg2),
    GP_INPUT_FIELD(cgyj1), GP_INPUT_FIELD(cgyj2), GP_INPUT_FIELD(ck1),   GP_INPUT_FIELD(ck2),
    GP_INPUT_FIELD(th1),   GP_INPUT_FIELD(th2),   GP_INPUT_FIELD(jd1),   GP_INPUT_FIELD(jd2),
};

// Where the field holding `text` stands in kInputFields; every member of
// GearPairInput's texts is there.
constexpr std::size_t input_field_index(std::string GearPairInput::*text) {
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        if (kInputFields[i].text == text) return i;
    }
    return kInputFields.size();
}

// The field of that name, if there is one.
std::optional<InputField> find_input_field(std::string_view name);

}  // namespace gp
