// The nominal load, the speed, the load cycles, the ISO 1328-1:1995 tolerances of
// the pair and the running-in allowances of the transverse deviations.
#pragma once

#include <optional>

#include "gear_pair_of.h"
#include "rated_pair.h"
#include "rating_geometry.h"
#include "rating_numbers.h"

namespace gp::rating {

struct Load {
    double T1 = 0;  // torque, N·m: the pinion's while rating, the driving gear's in a result
    double Ft = 0;  // nominal tangential load at the reference circle, N
    double v = 0;   // reference-circle velocity, m/s
    double w = 0;   // Ft·KA/b, N/mm
};
Load load_of(const MeshGeometry& g, double T1, double n1, double KA, double b);

// Load cycles of each gear over the life Lh (h).
GearPairOf<double> load_cycles(const MeshGeometry& g, double n1, double Lh);

struct Tolerances {
    GearPairOf<double> fpt{};     // single pitch tolerances, µm
    GearPairOf<double> ffa{};     // profile form tolerances, µm
    GearPairOf<double> fHb{};     // helix slope tolerances, µm
    double fpb = 0;               // transverse base pitch deviation of the pair
    double ffa_pair = 0;          // larger profile form deviation
    double fpe = 0;               // max(fpb, ffα): what governs the transverse load factor
    bool outside_ranges = false;  // a size lay outside the tolerance tables' ranges
};
Tolerances tolerances(const RatedPair& p, const MeshGeometry& g, const GearPairOf<double>& grade);

struct RunningIn {
    double y_alpha = 0;  // of the base pitch deviation, µm
    double y_f = 0;      // of the profile form deviation, µm
};
RunningIn running_in(const RatingNumbers& in, const Tolerances& t, double v);

}  // namespace gp::rating
