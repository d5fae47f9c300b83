// An outline as plain CSV of its points.
#pragma once

#include <string>

#include "tooth_outline.h"

namespace gp {

inline constexpr const char* kOutlineCsvHeader = "row,gear,x,y";
inline constexpr int kOutlineCsvDecimals = 9;

// One line "row,gear,x,y" per point (x and y in mm with 9 decimals, '\n' line
// ends), in outline order; the first point is not repeated at the end.
std::string outline_csv_lines(const GearOutline& outline, int row);

}  // namespace gp
