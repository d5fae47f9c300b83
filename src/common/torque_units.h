// The form's torque unit: the driving gear's torque is typed in kgf·m, the rating
// works in N·m (standard gravity, 9.80665 m/s²).
#pragma once

namespace gp {

inline constexpr double kNewtonMetresPerKgfMetre = 9.80665;

}  // namespace gp
