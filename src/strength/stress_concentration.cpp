#include "stress_concentration.h"

#include "pi.h"

namespace gp::strength {

StressConcentrationConstants stress_concentration_constants(Real alpha_n) {
    const Real degrees = alpha_n * 180.0 / kPi;
    return {0.22 - (degrees - 14.5) * 0.00727, 0.2 - (degrees - 14.5) * 0.008999999,
            0.4 - (degrees - 14.5) * 0.008999999};
}

Real fillet_curvature(Real rho, Real hf, Real dv) {
    return rho + (hf - rho) * (hf - rho) / (dv / 2.0 + hf - rho);
}

Real stress_concentration_factor(const StressConcentrationConstants& k, Real sF, Real rhoF,
                                 Real hF) {
    return k.H + pow(abs(sF / rhoF), k.L) * pow(abs(sF / hF), k.M);
}

}  // namespace gp::strength
