// Tooth-root bending (ISO 6336-3 method B): the pair's and each gear's factors,
// the root stress and what the root can bear.
#pragma once

#include <optional>

#include "gear_pair_of.h"
#include "rated_pair.h"
#include "rating_geometry.h"
#include "rating_numbers.h"
#include "root_geometry.h"

namespace gp::rating {

struct BendingFactors {
    double Ybeta = 0;         // helix angle factor
    GearPairOf<double> YB{};  // rim thickness factors
    double YDT = 0;           // deep tooth factor
    double YST = 2.0;         // stress correction factor of the test gear
};
BendingFactors bending_factors(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in);

// Stops for a rim thinner than half the tooth depth.
void check_rims(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in);

struct BendingLimits {
    GearPairOf<double> YNT{1.0, 1.0};  // life factors
    GearPairOf<double> YdrelT{};       // relative notch sensitivity factors
    GearPairOf<double> YRrelT{};       // relative surface factors
    GearPairOf<double> YX{};           // size factors
    GearPairOf<double> sigma_FG{};     // limits, N/mm²
    GearPairOf<double> sigma_FP{};     // permissible stresses, N/mm²
};
BendingLimits bending_limits(const RatedPair& p, const RatingNumbers& in,
                             const GearPairOf<RootGeometry>& roots, const BendingFactors& f,
                             const std::optional<GearPairOf<double>>& cycles);

struct RootStress {
    GearPairOf<double> sigma_F0{};  // nominal root stresses, N/mm²
    GearPairOf<double> sigma_F{};   // root stresses, N/mm²
    GearPairOf<double> SF{};        // safety factors
};
RootStress root_stress(const RatedPair& p, const GearPairOf<RootGeometry>& roots,
                       const BendingFactors& f, const BendingLimits& lim, double Ft,
                       double load_factor);

}  // namespace gp::rating
