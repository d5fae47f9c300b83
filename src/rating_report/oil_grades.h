// Lubricating oils by their ISO 3448 viscosity grade: the number after "ISO VG"
// is the oil's mid-point kinematic viscosity at 40 °C in mm²/s.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace gp::rating {

std::span<const int> oil_grades();  // 32 … 1500
std::string oil_grade_name(int grade);  // "ISO VG 220"
// The grade whose ν40 a typed viscosity is, if it is one.
std::optional<int> oil_grade_of(double nu40);

}  // namespace gp::rating
