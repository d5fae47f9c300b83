// The gear pair as the rating reads it: the form's sizes and the geometry
// calculation's unrounded profile shifts and diameters, index 0 the driving gear.
#pragma once

#include "gear_pair_of.h"

namespace gp::rating {

struct RatedPair {
    GearPairOf<double> z{};       // numbers of teeth
    double mn = 0;                // normal module, mm
    double alpha_n_deg = 0;       // normal pressure angle αn, degrees
    double beta_deg = 0;          // reference helix angle |β|, degrees
    double b = 0;                 // common (working) face width, mm
    double a = 0;                 // centre distance, mm
    GearPairOf<double> x{};       // normal profile-shift coefficients
    GearPairOf<double> da{};      // tip diameters, mm
    GearPairOf<double> df{};      // root diameters, mm
    double hfP = 0;               // basic-rack dedendum / mn (h0 + c0)
    GearPairOf<double> rho_fP{};  // basic-rack root radius / mn, per gear
    double T1 = 0;                // torque of the gear at index 0, N·m
    // Which gear of the form each index is (0 driving, 1 driven). The rating
    // orders the pair pinion first (fewer teeth), so that its messages still
    // name the gear the user typed.
    GearPairOf<int> typed_as{0, 1};
};

}  // namespace gp::rating
