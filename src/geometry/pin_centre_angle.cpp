#include "pin_centre_angle.h"

#include "angle_functions.h"
#include "messages/base.h"
#include "stop.h"

namespace gp {
namespace {

constexpr double kTolerance = 1e-12;
constexpr long kMaxSteps = 100000;

Real involute_error(Real alpha, Real inv_alpha_m) { return abs(involute(alpha) - inv_alpha_m); }

}  // namespace

Real pin_centre_angle(Real inv_alpha_m) {
    try {
        // From inv α = tan α − α: tan α = inv α + α, hence
        // cos α = sin α / (inv α + α), evaluated at the previous α.
        Real alpha = 0.00000000001;
        // Each step depends on α alone, so an angle met before means the steps go
        // round for ever: near 90° the tangent is too steep for the tolerance, and a
        // strongly negative involute swings α between the quadrants. A repeat is
        // recognised by comparing with an angle kept at steps 1, 2, 4, 8, ...
        Real kept = alpha;
        long steps = 0, next_keep = 1;
        while (involute_error(alpha, inv_alpha_m) > kTolerance && alpha <= 1.570796327) {
            if (++steps > kMaxSteps) throw StopSignal{msg::kPinAngleInaccurate, {}};
            const Real c = sin(alpha) / (inv_alpha_m + alpha);
            alpha = angle_of_cosine(c);
            if (alpha == kept) throw StopSignal{msg::kPinAngleInaccurate, {}};
            if (steps == next_keep) kept = alpha, next_keep *= 2;
        }
        if (involute_error(alpha, inv_alpha_m) > kTolerance) {
            throw StopSignal{msg::kPinAngleInaccurate, {}};
        }
        return alpha;
    } catch (const ArithmeticFault&) {
        // A negative involute (pin centres inside the base circle) drives the cosine
        // above 1; the iteration has no answer then either.
        throw StopSignal{msg::kPinAngleInaccurate, {}};
    }
}

}  // namespace gp
