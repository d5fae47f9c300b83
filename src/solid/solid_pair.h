// The solids of a request before they are written: for the STEP file and for the
// checks of the solids themselves.
#pragma once

#include <string>
#include <vector>

#include "gear_pair_input.h"
#include "gear_solids.h"
#include "geometry_numbers.h"
#include "solid_kernel.h"
#include "tooth_outline.h"

namespace gp {

struct NamedSolid {
    solid_kernel::Body body;  // placed
    std::string name;         // the drawing number, else 主动齿轮 / 从动齿轮
    int gear = 0;
    double face_width = 0;
};

// The section's turn per mm along the axis, 2·tan β / d, signed by the hand: for
// β > 0 gear 1 is right-handed (turning counter-clockwise as z grows) and gear 2
// left-handed; β < 0 the opposite.
double twist_of(const GeometryNumbers& numbers, int gear);

// The outline's pieces as the kernel takes them.
std::vector<solid_kernel::Piece> kernel_pieces(const GearOutline& outline);

Outcome<std::vector<NamedSolid>> solid_bodies(const GearPairInput& form,
                                              const SolidRequest& request);

}  // namespace gp
