#include "strength_case.h"

namespace gp::strength {

BendingCase choose_case(Real beta, Real eps_gamma, Real eps_beta) {
    if (beta == 0.0 || (eps_gamma < 2.0 && eps_beta < 1.1)) return BendingCase::LowOverlap;
    return eps_beta > 1.1 ? BendingCase::HelixFactor : BendingCase::InclinedContact;
}

StrengthSheet sheet_for(BendingCase c) {
    switch (c) {
        case BendingCase::LowOverlap:
            return StrengthSheet::jg1;
        case BendingCase::InclinedContact:
            return StrengthSheet::jg2;
        case BendingCase::HelixFactor:
            return StrengthSheet::jg3;
    }
    return StrengthSheet::jg1;
}

Real effective_contact_ratio(const ContactRatios& r) {
    if (r.beta_frac <= r.alpha_frac) return r.alpha + r.beta_frac * (1.0 - r.alpha_frac) / r.beta;
    return r.alpha + r.alpha_frac * (1.0 - r.beta_frac) / r.beta;
}

Real contact_line_ratio(const ContactRatios& r) {
    if (r.alpha_frac + r.beta_frac <= 1.0) return r.alpha - r.alpha_frac * r.beta_frac / r.beta;
    return r.alpha - (1.0 - r.alpha_frac) * (1.0 - r.beta_frac) / r.beta;
}

}  // namespace gp::strength
