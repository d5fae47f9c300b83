// An outline as a plain SVG drawing (text built without any drawing library, so
// that the batch tool needs nothing beyond the standard library).
#pragma once

#include <string>

#include "tooth_outline.h"

namespace gp {

// A stand-alone SVG document in millimetres (1 user unit = 1 mm, y pointing up as
// in the outline): the closed outline as one path in group "outline", and the tip,
// reference, base and root circles as thin lines in group "circles".
std::string outline_svg(const GearOutline& outline);

// Decimals of every number in the drawing (a nanometre).
inline constexpr int kOutlineSvgDecimals = 6;

}  // namespace gp
