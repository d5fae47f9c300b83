// The mesh picture of a computed pair: outlines, circles, line of action, faults
// and sliding, from the geometry calculation's full-precision numbers.
#pragma once

#include "gear_pair_input.h"
#include "geometry_numbers.h"
#include "mesh_scene.h"
#include "mesh_window.h"

namespace gp {

// What the mesh window shows and exports.
struct MeshPicture {
    MeshScene scene;
    OutlineWriter outlines;  // both gears' outlines as DXF, SVG or CSV
};

// `form` is the input the numbers were computed from (it gives the root fillet
// radii). A pair the profile core cannot draw comes back with the core's message
// as the scene's refusal.
MeshPicture mesh_picture(const GeometryNumbers& numbers, const GearPairInput& form);

// The picture when there are no numbers at all: only the message.
MeshPicture refused_picture(const std::string& message);

}  // namespace gp
