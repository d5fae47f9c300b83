// An outline as a DXF drawing for CAD, written through the DXF library.
#pragma once

#include <string>

#include "stop.h"
#include "tooth_outline.h"

namespace gp {

// Whether this build can write DXF (it needs the DXF library at build time).
bool dxf_available();

// The bytes of a DXF file (AutoCAD 2000 format, millimetres): the outline as one
// closed LWPOLYLINE on layer "GEAR1" or "GEAR2", the tip, reference, base and root
// circles on layer "CIRCLES". Stops with "DXF not available in this build" when the
// library was missing. The caller writes the bytes to a file.
Outcome<std::string> outline_dxf(const GearOutline& outline);

// Decimals of the DXF's numbers, trailing zeros dropped (a tenth of a picometre).
inline constexpr int kOutlineDxfDecimals = 10;

}  // namespace gp
