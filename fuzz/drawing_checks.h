// What must hold for the drawings of any form the geometry calculation accepts:
// both outlines and the mesh figures end in points or in one of the system's
// messages, never in a NaN, an empty outline, more points than the cap or an
// outline that crosses itself; and the CSV, SVG and DXF files of an outline carry
// its coordinates as computed.
#pragma once

#include <string>

#include "gear_pair_input.h"

namespace gp::fuzz {

// The first broken promise of the outlines and mesh figures, in words, or the
// empty text when all hold.
std::string first_broken_drawing_promise(const GearPairInput& form);

}  // namespace gp::fuzz
