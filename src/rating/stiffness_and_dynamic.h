// The mesh stiffness (ISO 6336-1 method B, solid disc blanks) and the dynamic
// factor Kv by method B.
#pragma once

#include "load_and_tolerances.h"
#include "rated_pair.h"
#include "rating_geometry.h"
#include "rating_numbers.h"

namespace gp::rating {

struct Stiffness {
    double q_prime = 0;        // minimum flexibility, mm·µm/N
    double c_th = 0;           // theoretical single stiffness, N/(mm·µm)
    double CB = 0;             // basic rack factor
    double c_prime = 0;        // single stiffness, with the light-load correction
    double c_gamma_alpha = 0;  // mesh stiffness
    double c_gamma_beta = 0;   // mesh stiffness for the face load factor
};
// The load-free part: c′ before the light-load correction below w = 100 N/mm.
Stiffness stiffness_at_full_load(const RatedPair& p, const MeshGeometry& g);
// The same with the correction for the line load w (N/mm).
Stiffness stiffness_at(const Stiffness& full, const MeshGeometry& g, double w);

enum class KvRange { Subcritical, MainResonance, Intermediate, Supercritical };

struct DynamicFactor {
    double mred = 0;  // reduced mass per face width, kg/mm
    double nE1 = 0;   // resonance speed of the pinion, 1/min
    double N = 0;     // resonance ratio n1/nE1
    double NS = 0;    // lower limit of the main resonance range
    double Ca = 0;    // tip relief, µm
    double Bp = 0, Bf = 0, Bk = 0;
    KvRange range = KvRange::Subcritical;
    double Kv = 0;
};

// The reduced mass of the pair (solid discs), kg/mm.
double reduced_mass(const RatedPair& p, const MeshGeometry& g, const RatingNumbers& in);
// The tip relief: the typed one, or the mean of the two gears' Cay.
double tip_relief(const RatingNumbers& in);

DynamicFactor dynamic_factor(const MeshGeometry& g, const Stiffness& s, const Tolerances& t,
                             const RunningIn& y, double mred, double Ca, double n1, double z1,
                             double w);

}  // namespace gp::rating
