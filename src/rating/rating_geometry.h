// The geometry of the mesh as the rating needs it (transverse plane, working
// pressure angle, contact ratios, virtual numbers of teeth), with the stops of a
// pair whose contact leaves the involute flanks.
#pragma once

#include "gear_pair_of.h"
#include "rated_pair.h"

namespace gp::rating {

// π to full double precision: the rating never uses the ten-digit value.
double degrees(double radians);
double radians(double degrees);

struct MeshGeometry {
    double alpha_n = 0, beta = 0;  // radians
    double alpha_t = 0;            // transverse pressure angle
    double beta_b = 0;             // base helix angle
    double mt = 0;                 // transverse module
    GearPairOf<double> d{}, db{};  // reference and base diameters
    double a0 = 0;                 // reference centre distance
    double alpha_wt = 0;           // working transverse pressure angle
    double u = 0;                  // gear ratio z2/z1
    GearPairOf<double> dw{};       // working pitch diameters
    double pbt = 0;                // transverse base pitch
    double g_alpha = 0;            // length of the path of contact
    double eps_alpha = 0, eps_beta = 0, eps_gamma = 0;
    GearPairOf<double> zn{};  // exact virtual numbers of teeth
    double eps_alpha_n = 0;   // virtual transverse contact ratio
    GearPairOf<double> h{};   // tooth depths
};

// Stops when the working pressure angle is zero, a tip circle does not reach above
// its base circle, contact starts or ends inside a base tangent point, or εα < 1.
MeshGeometry mesh_geometry(const RatedPair& pair);

}  // namespace gp::rating
