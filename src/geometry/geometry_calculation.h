// The geometry of one gear pair: from the form's texts to the sheet's texts.
#pragma once

#include "gear_pair_input.h"
#include "geometry_result.h"
#include "stop.h"

namespace gp {

// Runs the geometry button's checks and then the whole calculation. Either every
// text of the geometry sheet, or the one message the calculation stopped with.
Outcome<GeometryResult> compute_geometry(const GearPairInput& input);

}  // namespace gp
