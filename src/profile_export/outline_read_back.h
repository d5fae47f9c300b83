// The outline files read back: the points a reader of the CSV, SVG or DXF bytes
// finds, to check that an export carries every coordinate as computed.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "tooth_outline.h"

namespace gp {

enum class OutlineFormat { Csv, Svg, Dxf };

// The outline's points in the bytes `outline_csv_lines`, `outline_svg` or
// `outline_dxf` wrote, in order; reading stops at the first number that does not
// parse.
std::vector<OutlinePoint> outline_points_read_back(OutlineFormat format, std::string_view bytes);

// Writes `outline` in `format` and reads it back: the index of the first point whose
// coordinates do not come back as computed to the format's decimals (half a unit of
// the last decimal, and the rounding of reading the text into a double), the number
// of points when fewer or more come back, nothing when every point does (or the
// build cannot write DXF).
std::optional<std::size_t> first_point_not_read_back(const GearOutline& outline,
                                                     OutlineFormat format);

}  // namespace gp
