// The limits a geometry result can break, judged from the unrounded numbers: the
// sheet marks the value that breaks one and says which limit and why it matters.
// Only the screen shows them; reports stay as they are.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry_numbers.h"

namespace gp {

// Below this transverse contact ratio a pair runs with too little overlap of its
// tooth pairs; below 1 the contact is not continuous at all.
inline constexpr double kLeastContactRatio = 1.2;
// A tip thinner than this share of the module is too thin to hold (and a tip of
// no thickness is pointed).
inline constexpr double kLeastTipThicknessPerModule = 0.25;

struct LimitFlag {
    std::size_t label;  // the value label that breaks it, a position of kGeometryLabels
    std::string why;    // which limit, the numbers, and what follows from it
};

// Every limit the pair breaks, gear 1 before gear 2; none for a sound pair.
std::vector<LimitFlag> geometry_limit_flags(const GeometryNumbers& n);

}  // namespace gp
