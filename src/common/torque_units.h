// The form takes the driving gear's torque in kgf·m, the rating works in N·m: one
// kilogram-force is 9.80665 N by definition (standard gravity).
#pragma once

namespace gp {

inline constexpr double kNewtonMetresPerKgfMetre = 9.80665;

constexpr double newton_metres_from_kgf_metres(double kgf_metres) {
    return kgf_metres * kNewtonMetresPerKgfMetre;
}
constexpr double kgf_metres_from_newton_metres(double newton_metres) {
    return newton_metres / kNewtonMetresPerKgfMetre;
}

}  // namespace gp
