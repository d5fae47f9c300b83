// The geometry the strength formulas need, derived afresh from the typed data with
// the shift coefficients exactly as typed (not from the geometry calculation).
#pragma once

#include "gear_pair_of.h"
#include "real.h"
#include "strength_inputs.h"

namespace gp::strength {

// A diameter held in single precision, as the strength report prints it; a value
// beyond the single range is an overflow.
float to_single(Real x);

struct GearGeometry {
    Real d;         // reference diameter
    float da;       // tip diameter (single precision; every later step reads this)
    float df;       // root diameter (single precision)
    Real st;        // transverse arc tooth thickness at the reference circle
    Real dF;        // root form diameter, where the fillet meets the flank
    Real beta_F;    // helix angle at the root form circle
    Real db;        // base diameter
    Real alpha_at;  // transverse pressure angle at the tip circle
    Real dv;        // reference diameter of the virtual spur gear
    Real hf;        // dedendum taken back from the single-precision root diameter
};

struct ReferenceGeometry {
    Real tan_alpha_t;  // tangent of the transverse pressure angle
    Real alpha_t;      // transverse pressure angle
    Real inv_alpha_t;  // its involute function
    Real alpha_wt;     // working transverse pressure angle
    Real pbt;          // transverse base pitch
    GearPairOf<GearGeometry> gear;
};

ReferenceGeometry reference_geometry(const StrengthInputs& pair);

}  // namespace gp::strength
