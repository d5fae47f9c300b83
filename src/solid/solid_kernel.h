// The solid modelling kernel's side of the gear solids, in plain data.
//
// Open CASCADE declares a global class named `gp`, which cannot share a
// translation unit with this program's namespace of that name. So the files that
// speak to the kernel (solid_kernel_*.cpp, and the checks of the tests) include
// none of the program's headers, and the program's files none of the kernel's:
// they meet here, in standard types and a shape passed by pointer.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TopoDS_Shape;

namespace solid_kernel {

using Body = std::shared_ptr<const TopoDS_Shape>;

// One piece of a gear's transverse outline: an arc about the centre (a tip or root
// land) or a smooth curve (a flank, a fillet) through the exactly cut points
// x0, y0, x1, y1, … given; consecutive pieces share their end points and the last
// piece ends where the first begins, counter-clockwise.
struct Piece {
    bool arc = false;
    std::vector<double> xy;
};

// The body between z = −b/2 and z = +b/2, its section at z the outline turned
// counter-clockwise by twist·z.
struct BodyPlan {
    std::vector<Piece> pieces;
    double face_width = 0;  // b, mm
    double twist = 0;       // rad per mm along the axis
    double bore = 0;        // bore diameter, mm; 0: none
    double chamfer = 0;     // 45° chamfer at the tip circle of both end faces, mm
    double tip_radius = 0;  // da/2, where the chamfer starts
};

// The solid, or nothing when the kernel cannot close it.
Body build_body(const BodyPlan& plan);

// The body turned by `angle` (rad, counter-clockwise about z), then moved by x along
// the x axis.
Body placed(const Body& body, double angle, double x);

struct NamedBody {
    Body body;
    std::string name;  // UTF-8
};

// STEP AP242 text in millimetres, one product per body named as given; false when
// the translator fails.
bool write_step(const std::vector<NamedBody>& bodies, std::string& text);

}  // namespace solid_kernel
