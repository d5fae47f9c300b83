// The gear pair as the rating reads it: the form's sizes and the geometry
// calculation's unrounded profile shifts and diameters.
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
    double T1 = 0;                // pinion torque, N·m
};

}  // namespace gp::rating
