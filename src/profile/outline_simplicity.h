// Whether a closed outline is a simple curve: no two of its edges meet except
// neighbours at their shared point. A curve that crosses itself cannot be hatched,
// extruded or offset in CAD, and shows a tooth other than the one cut.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tooth_outline.h"

namespace gp {

// Two edges of a closed outline that meet; edge k runs from point k to point k + 1
// (the last edge back to point 0), and first < second.
struct OutlineCrossing {
    std::size_t first = 0;
    std::size_t second = 0;
};

// The first pair of non-neighbouring edges of the closed polygon `points` that
// touch or cross, or nothing when the polygon is simple. The edges are binned on a
// grid sized to their length, so that only edges sharing a cell are compared:
// close to linear time for outlines of any number of points.
std::optional<OutlineCrossing> outline_crossing(const std::vector<OutlinePoint>& points);

}  // namespace gp
