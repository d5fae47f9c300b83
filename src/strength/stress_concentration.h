// Root stress-concentration factor Kf = H + (sF/rhoF)^L * (sF/hF)^M, with constants
// fitted over the normal pressure angle.
#pragma once

#include "real.h"

namespace gp::strength {

struct StressConcentrationConstants {
    Real H;
    Real L;
    Real M;
};

// The constants for a normal pressure angle in radians: linear in its degrees,
// from their values at 14.5 degrees. The slope of L and M is 0.008999999.
StressConcentrationConstants stress_concentration_constants(Real alpha_n);

// Radius of curvature of the fillet at the critical section, from the tool tip
// radius rho, the dedendum hf and the virtual reference diameter dv.
Real fillet_curvature(Real rho, Real hf, Real dv);

// Kf from the thickness sF at the critical section, the fillet curvature rhoF there
// and the bending lever hF.
Real stress_concentration_factor(const StressConcentrationConstants& k, Real sF, Real rhoF,
                                 Real hF);

}  // namespace gp::strength
