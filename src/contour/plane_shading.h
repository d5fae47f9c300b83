// The shading of the shift plane: for each cell of a raster over a window, whether
// the pair at the cell's centre is admissible, not admissible, or has no geometry.
// Evaluated in blocks: a block whose corners agree and that no limit curve crosses
// is filled from its corners, every other cell is evaluated, so that the shading is
// exact along the curves at any resolution while a uniform area costs a sixteenth.
#pragma once

#include <span>
#include <vector>

#include "shift_plane.h"

namespace gp {

enum class PlaneCell : signed char { Stops, NotAdmissible, Admissible };

struct PlaneShading {
    ShiftWindow window;
    int columns = 0, rows = 0;
    // rows × columns cells from the window's lower-left corner, x1 varying fastest:
    // cell (i, j) covers x1 from x1_min + i·w/columns, x2 from x2_min + j·h/rows.
    std::vector<PlaneCell> cells;
    long evaluations = 0;  // of the geometry

    PlaneCell at(int column, int row) const {
        return cells[static_cast<std::size_t>(row) * columns + column];
    }
};

// The most cells a side a shading has; more are taken as this many.
inline constexpr int kMostShadingCells = 4096;

// The shading of `window` (which must be valid; otherwise none) in `columns` ×
// `rows` cells. `boundaries` are runs of points on curves where the state may
// change (the limit curves of a contour); the blocks they cross are evaluated cell
// by cell even when their corners agree.
PlaneShading plane_shading(const ShiftPlane& plane, const ShiftWindow& window, int columns,
                           int rows, std::span<const std::vector<PlanePoint>> boundaries = {});

}  // namespace gp
