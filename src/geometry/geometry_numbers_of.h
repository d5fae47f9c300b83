// Collecting the full-precision numbers of a finished geometry calculation.
#pragma once

#include "geometry_inputs.h"
#include "geometry_numbers.h"
#include "geometry_texts.h"

namespace gp {

GeometryNumbers geometry_numbers(const GeometryInputs& in, const GeometryQuantities& q);

}  // namespace gp
