// What a gear's material class changes: its running-in group, its life curves,
// its slip-layer thickness, its root-surface and size groups.
#pragma once

#include <array>

#include "rating_numbers.h"

namespace gp::rating {

// Running-in allowances of one gear of the pair, µm, for a deviation `f` (µm), at
// the reference-circle velocity v (m/s), with the gear's contact endurance limit.
double running_in_transverse(MaterialClass c, double sigma_hlim, double f, double v);  // yα_i
double running_in_helix(MaterialClass c, double sigma_hlim, double f, double v);       // yβ_i

// Life factors at NL load cycles (ZNT on the no-pitting curve, YNT), with the
// value at 10¹⁰ cycles YN10.
double pitting_life_factor(MaterialClass c, double cycles, double yn10);
double bending_life_factor(MaterialClass c, double cycles, double yn10);

// The points (N, factor) of those life curves, ascending in N, the last at 10¹⁰
// cycles with YN10; between them straight lines in log N – log factor, the first
// value below the first point (static plateau). The load spectrum inverts them.
struct LifePoints {
    std::array<double, 3> cycles, factor;
};
LifePoints pitting_life_points(MaterialClass c, double yn10);
LifePoints bending_life_points(MaterialClass c, double yn10);
double life_factor_at(const LifePoints& points, double cycles);

// Relative notch sensitivity YδrelT for the notch parameter qs.
double relative_notch_sensitivity(MaterialClass c, double qs);
// Relative root surface factor YRrelT for the root roughness Rz, µm.
double relative_surface_factor(MaterialClass c, double rz);
// Size factor YX for endurance.
double size_factor(MaterialClass c, double mn);

}  // namespace gp::rating
