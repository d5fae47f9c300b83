// The rounding of the generating rack's tip corner, which cuts the root fillet.
#pragma once

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "geometry_numbers.h"
#include "stop.h"

namespace gp {

// Rounding radius as a multiple of the normal module when the root fillet radius
// field is empty: with αn = 20° and cn* = 0.25 it is the largest rounding that
// leaves the rack's straight flank reaching the clearance line.
inline constexpr double kDefaultRoundingPerModule = 0.38;

struct RackRounding {
    double radius = 0;          // in the rack's normal section, mm
    bool from_default = false;  // the field was empty: 0.38 × module was taken
    // The field was empty and 0.38 × module does not fit the rack's tip: the largest
    // radius that does was taken instead (from_default is then set as well).
    bool fitted = false;
};

// The rounding of each gear's rack from the root fillet radius fields `cgyj1`,
// `cgyj2`: an empty field gives 0.38 × mn; a field that is not a number stops with
// the letters-or-symbols message, a negative radius with "cannot compute".
Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form, double mn);

// The largest rounding radius (normal section, mm) that fits the tip of gear `i`'s
// generating rack: the rounded corner's centre may not pass the middle of the
// rack's tooth. The thickness deviations move the rack radially, which leaves this
// room unchanged. Zero or less when the rack's tooth is pointed at its tip line.
double largest_fitting_rounding(const GeometryNumbers& numbers, int i);

// The roundings the outline and the picture take: as rack_roundings, except that an
// empty field whose 0.38 × module does not fit the rack's tip takes the largest
// radius that does, rounded down to four significant digits (so that the stated
// radius, typed into the field, draws the same outline). A typed radius is taken as
// typed, fitting or not.
Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form,
                                                 const GeometryNumbers& numbers);

}  // namespace gp
