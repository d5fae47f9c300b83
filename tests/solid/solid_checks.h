// Measures of the solids taken with the kernel's own tools, in plain data (the
// kernel's headers cannot meet the program's: see solid_kernel.h).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "solid_kernel.h"

namespace solid_checks {

// Valid by the kernel's shape checker, and closed: no edge bounds only one face.
bool valid_and_closed(const solid_kernel::Body& body);
double volume(const solid_kernel::Body& body);
// Area of the body's end face at z (a planar face there).
double end_face_area(const solid_kernel::Body& body, double z);
// Largest distance, mm, from the points x0, y0, x1, y1, … lifted to z to the body's
// section there (its end face's edges when z is an end face's, b the face width).
double section_gap(const solid_kernel::Body& body, const std::vector<double>& xy, double z,
                   double b);
// Volume common to two bodies.
double common_volume(const solid_kernel::Body& a, const solid_kernel::Body& b);
// xmin, ymin, zmin, xmax, ymax, zmax of the exact geometry.
std::array<double, 6> bounding_box(const solid_kernel::Body& body);

// What a STEP text holds, read back with the kernel's reader.
struct StepContents {
    std::vector<solid_kernel::Body> solids;
    std::vector<std::string> names;  // the products' names
};
StepContents read_step(const std::string& text);

}  // namespace solid_checks
