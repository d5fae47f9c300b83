// Which formula set carries the bending stresses, which sheet shows them, and the
// two blended contact ratios with their tie rules.
#pragma once

#include "load_and_contact_ratios.h"
#include "real.h"
#include "strength_result.h"

namespace gp::strength {

enum class BendingCase {
    // Spur gears, or helical gears with little overlap: the load acts at the outer
    // point of single-pair contact and is shared by the whole pairs in contact.
    LowOverlap,
    // Helical, overlap ratio up to 1.1: load along the inclined contact line,
    // an inclined-contact factor per gear.
    InclinedContact,
    // Helical, overlap ratio above 1.1: helix-angle factor per gear.
    HelixFactor,
};

// LowOverlap when beta is 0 or both eps_gamma < 2 and eps_beta < 1.1 (strictly);
// otherwise HelixFactor when eps_beta > 1.1, else InclinedContact.
BendingCase choose_case(Real beta, Real eps_gamma, Real eps_beta);

// The sheet follows the formula set: jg1, jg2 (inclined contact), jg3 (helix factor).
StrengthSheet sheet_for(BendingCase c);

// Effective contact ratio of the helical bending formulas; the first form holds when
// the fractional overlap does not exceed the fractional transverse ratio (ties too).
Real effective_contact_ratio(const ContactRatios& r);

// Contact ratio of the total contact line length; the first form holds while the two
// fractional parts add up to at most 1 (exactly 1 too).
Real contact_line_ratio(const ContactRatios& r);

}  // namespace gp::strength
