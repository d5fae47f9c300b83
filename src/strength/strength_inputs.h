// Reading the strength inputs from the form's texts.
#pragma once

#include <string_view>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "real.h"

namespace gp::strength {

// The values of one gear as typed: index 0 is the driving gear, 1 the driven one.
struct GearInputs {
    Real z;           // number of teeth
    Real xn;          // normal profile-shift coefficient
    Real face_width;  // b1 / b2, mm
    Real fillet;      // root fillet radius rho, mm
};

struct StrengthInputs {
    Real a;        // working centre distance, mm
    Real mn;       // normal module, mm
    Real alpha_n;  // normal pressure angle, rad
    Real beta;     // reference helix angle, rad (0 for spur gears)
    Real torque;   // torque on the driving gear T, kgf·m
    Real b;        // working face width, mm
    Real han;      // normal addendum coefficient
    Real cn;       // normal clearance coefficient
    GearPairOf<GearInputs> gear;
};

// An angle typed in degrees, held in radians: the whole text must be a number; the
// radian value is passed through its 15-significant-digit text, so that it carries
// exactly the digits a displayed value would.
Real radians_from_degrees_text(std::string_view degrees, std::string_view field = {});

// Reads every input of the strength calculation, in the order the calculation
// needs them: centre distance and module, the two angles, then the rest.
StrengthInputs read_strength_inputs(const GearPairInput& input);

}  // namespace gp::strength
