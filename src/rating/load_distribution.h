// How the load spreads over the face width (KHβ, KFβ, by the simple method C) and
// between the tooth pairs in mesh (KHα, KFα, method B).
#pragma once

#include "load_and_tolerances.h"
#include "rating_geometry.h"
#include "rating_numbers.h"
#include "stiffness_and_dynamic.h"

namespace gp::rating {

struct FaceLoad {
    double wm = 0;        // Ft·KA·Kv/b, N/mm
    double fsh = 0;       // deformation component, µm
    double fma = 0;       // manufacturing component, µm
    double F_beta_x = 0;  // initial equivalent misalignment, µm
    double y_beta = 0;    // its running-in allowance, µm
    double F_beta_y = 0;  // misalignment after running-in, µm
    double KHbeta = 0;
};
// Stops when running-in takes up the whole misalignment.
FaceLoad face_load(const RatingNumbers& in, const MeshGeometry& g, const Tolerances& t,
                   const Stiffness& s, double Ft, double Kv, double v, double b);

// The exponent NF of KFβ = KHβ^NF, from the face width against the deeper tooth.
double face_exponent(const MeshGeometry& g, double b);

struct TransverseLoad {
    double X = 0;  // cγα·(fpe − yα)/(FtH/b)
    double KHalpha = 0, KFalpha = 0;
};
TransverseLoad transverse_load(const MeshGeometry& g, const Tolerances& t, const RunningIn& y,
                               const Stiffness& s, double Zeps, double FtH, double b);

}  // namespace gp::rating
