#include "life_curves.h"

#include <cmath>

namespace gp::rating {

LifeLine::LifeLine(const LifePoints& points) : factor_(points.factor) {
    for (std::size_t k = 0; k < 3; ++k) {
        log_n_[k] = std::log(points.cycles[k]);
        log_z_[k] = std::log(points.factor[k]);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double dz = log_z_[k + 1] - log_z_[k];
        slope_[k] = dz == 0.0 ? 0.0 : (log_n_[k + 1] - log_n_[k]) / dz;
    }
}

double LifeLine::log_cycles(double log_ratio) const {
    // The curve falls: the line whose factors span the ratio, the steeper first.
    const std::size_t k = log_ratio > log_z_[1] || slope_[1] == 0.0 ? 0 : 1;
    return log_n_[k] + (log_ratio - log_z_[k]) * slope_[k];
}

CyclesToFailure LifeLine::cycles_to_failure(double ratio) const {
    if (!(ratio > endurance())) return {CyclesToFailure::Kind::Endless, 0.0};
    if (ratio > static_value()) return {CyclesToFailure::Kind::Static, 0.0};
    return {CyclesToFailure::Kind::Finite, std::exp(log_cycles(std::log(ratio)))};
}

}  // namespace gp::rating
