// The rating's life curves turned round: from a stress to the load cycles it
// takes to fail, on the same points and log–log lines that give ZNT and YNT.
#pragma once

#include <array>

#include "life_and_material.h"

namespace gp::rating {

// What a stress does on a gear's S–N curve.
struct CyclesToFailure {
    enum class Kind { Finite, Endless, Static };
    Kind kind = Kind::Endless;
    double N = 0;  // load cycles, for Finite
};

// One curve prepared for many stresses: its points in logarithms and the slope
// of each line as ln N per ln factor (none for a flat line).
class LifeLine {
  public:
    explicit LifeLine(const LifePoints& points);

    // The factor of the curve beyond 10¹⁰ cycles (YN10): a stress ratio at or below
    // it does no damage.
    double endurance() const { return factor_.back(); }
    // The static value, the curve's value at and below its first point: a ratio
    // above it fails at once.
    double static_value() const { return factor_.front(); }

    // The cycles to failure of a stress `ratio` = σ/σG, σG the curve's stress at a
    // factor of 1 (σHlim·ZL·Zv·ZR·ZW·ZX or σFlim·YST·YδrelT·YRrelT·YX).
    CyclesToFailure cycles_to_failure(double ratio) const;
    // ln N for a ratio known to lie on a sloped line (endurance < ratio ≤ static).
    double log_cycles(double log_ratio) const;

  private:
    std::array<double, 3> log_n_{}, log_z_{}, factor_{};
    std::array<double, 2> slope_{};  // ln N per ln Z on each line; 0 when flat
};

}  // namespace gp::rating
