// The solids' faces as triangles, for a picture of them (kernel side, plain data).
#pragma once

#include <array>
#include <vector>

#include "solid_kernel.h"

namespace solid_checks {

struct Triangle {
    std::array<std::array<double, 3>, 3> corners;  // counter-clockwise seen from outside
};

// The body's faces meshed to `deflection` mm.
std::vector<Triangle> triangles(const solid_kernel::Body& body, double deflection);

}  // namespace solid_checks
