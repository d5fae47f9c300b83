// The gears of a pair as solids for CAD, in a STEP file (AP242, millimetres), each
// solid named by its drawing number. No Open CASCADE type appears here: a build
// without the kernel still links, and every request then stops with the reason.
#pragma once

#include <string>

#include "gear_pair_input.h"
#include "stop.h"
#include "tooth_outline.h"

namespace gp {

enum class SolidGears { Pinion, Wheel, Pair };

struct SolidRequest {
    SolidGears gears = SolidGears::Pair;
    ThicknessChoice thickness = ThicknessChoice::Nominal;
    double bore = 0;     // bore diameter of each gear, mm; 0: none
    double chamfer = 0;  // 45° chamfer at the tips of the end faces, mm; 0: none
    // The pinion's turn (rad, counter-clockwise) from the mesh picture's starting
    // position; the wheel turns with it. Only the pair is placed in mesh.
    double pinion_turn = 0;
};

// Whether this build can make solids at all.
bool solids_available();

// The STEP file's text for the pair as typed: a gear on its own lies centred on the
// z axis with tooth 1 on +y in its mid-plane; the pair in mesh has the pinion there,
// the wheel at (a, 0, 0), both mid-planes at z = 0, turned as the mesh picture
// shows them. Stops with the geometry's message, the outline's, or the solid's.
Outcome<std::string> solid_step(const GearPairInput& form, const SolidRequest& request);

}  // namespace gp
