// The load-capacity rating of one gear pair by ISO 6336-1/-2/-3:2006, method B:
// from the typed texts (or from numbers) to every reported quantity, or the stop
// that refused the pair.
#pragma once

#include <optional>

#include "gear_pair_input.h"
#include "rated_pair.h"
#include "rating_inputs.h"
#include "rating_math.h"
#include "rating_numbers.h"
#include "rating_result.h"
#include "stop.h"

namespace gp::rating {

// The pair of a filled-in form: the geometry calculation's numbers (its stop, with
// its own message and explanation, ends here), the torque in N·m and the root
// fillet radii per module (0.38 when empty). A torque or fillet radius that is not
// a number stops naming its column.
Outcome<RatedPair> rated_pair_of(const GearPairInput& form);

// The basic rack's root radius per module a pair without typed fillet radii is
// rated with.
inline constexpr double kDefaultRootRadiusPerModule = 0.38;

// The same from numbers: the geometry's (GeometryNumbers, or any record with its
// a, mn, b, han, cn, z, xn, da and df), the angles as typed in degrees, the torque
// in N·m and the root fillet radii in mm (empty: 0.38·mn).
template <typename Geometry>
RatedPair rated_pair_of(const Geometry& n, double alpha_n_deg, double beta_deg, double T1,
                        const GearPairOf<std::optional<double>>& fillet_radius) {
    RatedPair p;
    p.T1 = T1;
    for (int i = 0; i < kGears; ++i) {
        p.rho_fP[i] =
            fillet_radius[i] ? over(*fillet_radius[i], n.mn) : kDefaultRootRadiusPerModule;
    }
    p.z = n.z;
    p.mn = n.mn;
    p.alpha_n_deg = alpha_n_deg;
    p.beta_deg = beta_deg;
    p.b = n.b;
    p.a = n.a;
    p.x = n.xn;
    p.da = n.da;
    p.df = n.df;
    p.hfP = n.han + n.cn;
    return p;
}

// Rates the pair at its torque T1 (the driving gear's), the gear with fewer teeth
// as the pinion. The refused inputs stop in their order: the numbers typed (speed,
// torque, factors, grades, materials, the limits of a class other than Eh, the
// shaft, modification and power split), then the mesh, the root, the load and the
// rims.
// T1max is left empty here (see max_torque).
Outcome<RatingResult> rate(const RatedPair& pair, const RatingNumbers& inputs);

struct MaxTorque {
    std::optional<double> T1max;     // N·m; empty when no crossing was found
    bool in_main_resonance = false;  // the speed is in the main resonance at T1max
};

// The driving gear's torque at which the smallest of SH1/SHmin, SH2/SHmin, SF1/SFmin,
// SF2/SFmin equals 1, every load-dependent factor recomputed at each torque tried:
// from T1 in steps of 10^(1/20) towards the crossing, then bisection of that step
// to 1e-12 relative; searched between T1·10⁻⁸ and T1·10⁸. Stops as rate() does.
Outcome<MaxTorque> max_torque(const RatedPair& pair, const RatingNumbers& inputs);

// The whole rating of a form and its rating texts: geometry, reading the texts,
// rating, and T1max with its warnings. What the batch tool and the window show.
Outcome<RatingResult> rate(const GearPairInput& form, const RatingInputs& texts);

}  // namespace gp::rating
