// Undercut limit, active profile, root form, mesh indices and contact ratios.
#pragma once

#include "gear_pair_of.h"
#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "profile_shift.h"
#include "real.h"
#include "tooth_thickness.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp {

struct MeshIndices {
    GearPairOf<Real> zmin;  // minimum number of teeth free of undercut (not whole)
    GearPairOf<Real> dc;    // diameter where meshing starts on the flank
    GearPairOf<Real> dff;   // diameter where the root fillet ends (root form circle)
    GearPairOf<Real> btf;   // tip interference index dff / dc
    GearPairOf<Real> btcg;  // sliding noise index
    Real btz;               // friction noise index of the pair
    Real eps_alpha;         // transverse contact ratio
    Real eps_beta;          // overlap ratio
    Real eps_gamma;         // total contact ratio
};

// No value here is compared with a limit: every index is shown as computed.
MeshIndices mesh_indices(const GeometryInputs& in, const TransverseGeometry& t,
                         const WorkingPressureAngle& w, const ProfileShift& s, const GearSizes& g,
                         const ToothThickness& th);

}  // namespace gp
