// One value per gear of the pair.
#pragma once

#include <array>

namespace gp {

// Index 0 is the driving gear (pinion, "1" on the sheet), index 1 the driven gear
// (wheel, "2"). Every per-gear step runs gear 1 first, because a step that can stop
// the calculation must stop on gear 1 before it looks at gear 2.
template <typename T>
using GearPairOf = std::array<T, 2>;

inline constexpr int kGears = 2;

}  // namespace gp
