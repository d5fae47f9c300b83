// One value per gear of the pair.
#pragma once

#include <array>

namespace gp {

// The program's one gear numbering. In code a gear is an index, 0 or 1: index 0 is
// the driving gear (the pinion), index 1 the driven gear (the wheel), here and in
// every field, argument and loop that picks one gear (`gear_index`, `index`, `g`,
// `i`). In words, for the user and in the formulas' subscripts, they are gear 1 and
// gear 2 (主动齿轮 and 从动齿轮; z1, z2, the fields' suffixes 1 and 2, the sheets'
// columns, the outline files' GEAR1/GEAR2): index + 1, turned so only where a text
// is written. Every per-gear step runs gear 1 first, because a step that can stop the
// calculation must stop on gear 1 before it looks at gear 2.
template <typename T>
using GearPairOf = std::array<T, 2>;

inline constexpr int kGears = 2;

}  // namespace gp
