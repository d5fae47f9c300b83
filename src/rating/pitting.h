// Pitting (ISO 6336-2): the contact factors, the contact stress and what the flank
// can bear.
#pragma once

#include <optional>

#include "gear_pair_of.h"
#include "rated_pair.h"
#include "rating_geometry.h"
#include "rating_numbers.h"

namespace gp::rating {

struct ContactFactors {
    double ZH = 0;     // zone factor
    double ZE = 0;     // elasticity factor, √(N/mm²)
    double Zeps = 0;   // contact ratio factor
    double Zbeta = 0;  // helix angle factor 1/√cos β
    double M1 = 0, M2 = 0;
    double ZB = 0, ZD = 0;  // single pair tooth contact factors
};
ContactFactors contact_factors(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in);

struct PittingLimits {
    GearPairOf<double> ZNT{1.0, 1.0};  // life factors
    double ZL = 0, Zv = 0, ZR = 0;     // lubricant film factors
    double rho_red = 0;                // radius of relative curvature, mm
    double Rz10 = 0;                   // relative mean roughness, µm
    GearPairOf<double> ZW{1.0, 1.0};   // work hardening factors
    double ZX = 1.0;
    GearPairOf<double> sigma_HG{};  // limits, N/mm²
    GearPairOf<double> sigma_HP{};  // permissible stresses, N/mm²
};
PittingLimits pitting_limits(const MeshGeometry& g, const RatingNumbers& in, double v,
                             const std::optional<GearPairOf<double>>& cycles);

struct ContactStress {
    double sigma_H0 = 0;           // nominal contact stress, N/mm²
    GearPairOf<double> sigma_H{};  // contact stresses, N/mm²
    GearPairOf<double> SH{};       // safety factors
};
ContactStress contact_stress(const MeshGeometry& g, const ContactFactors& z,
                             const PittingLimits& lim, double Ft, double b, double load_factor);

}  // namespace gp::rating
