#include "outline_csv.h"

#include <cstdio>

namespace gp {

std::string outline_csv_lines(const GearOutline& outline, int row) {
    std::string out;
    out.reserve(outline.points.size() * 32);
    char line[96];
    for (const OutlinePoint& p : outline.points) {
        // A negative zero would print as -0.000000000.
        const double x = p.x == 0.0 ? 0.0 : p.x;
        const double y = p.y == 0.0 ? 0.0 : p.y;
        const int n =
            std::snprintf(line, sizeof line, "%d,%d,%.9f,%.9f\n", row, outline.index + 1, x, y);
        out.append(line, static_cast<std::size_t>(n));
    }
    return out;
}

}  // namespace gp
