// The numbers the geometry calculation reads from the input form.
#pragma once

#include <string_view>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "real.h"

namespace gp {

struct GeometryInputs {
    Real a;        // working centre distance, mm
    Real mn;       // normal module, mm
    Real alpha_n;  // normal pressure angle αn, rad
    Real beta;     // reference helix angle β, rad; exactly 0 for spur gears
    Real b;        // working face width, mm
    Real han;      // normal addendum coefficient han*
    Real cn;       // normal clearance coefficient cn*

    GearPairOf<Real> z;    // numbers of teeth (real numbers: parity is tested later)
    GearPairOf<Real> ess;  // upper deviations of the normal tooth thickness, mm
    GearPairOf<Real> esi;  // lower deviations of the normal tooth thickness, mm
    GearPairOf<Real> fr;   // radial runout tolerances, mm

    // Texts that are read only at the step that needs them, each by its own rule:
    // the typed shift coefficients (used only when both are present), the addendum
    // coefficient again (strictly, by the equal-strength split) and the typed pin
    // diameters (strictly, where they enter the pin formulas).
    GearPairOf<std::string_view> xn_text;
    std::string_view han_text;
    GearPairOf<std::string_view> dp_text;

    ShiftRule rule = ShiftRule::EqualStrength;
};

// Reads every required field leniently, in the form's order. The returned views
// point into `form`, which must outlive the calculation.
GeometryInputs read_geometry_inputs(const GearPairInput& form);

}  // namespace gp
