// The quantities of one successful geometry calculation at full precision, for the
// drawings of the pair: the sheet shows the same values rounded to 5 decimals, the
// tooth outline and the mesh picture are built from these unrounded doubles so that
// picture and sheet cannot disagree.
#pragma once

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "geometry_result.h"
#include "stop.h"

namespace gp {

struct GeometryNumbers {
    // The pair as typed (lengths in mm, angles in radians).
    double a = 0;              // working centre distance
    double mn = 0;             // normal module
    double alpha_n = 0;        // normal pressure angle αn
    double beta = 0;           // reference helix angle β (0 for spur gears)
    double b = 0;              // working face width
    double han = 0;            // normal addendum coefficient of the basic rack
    double cn = 0;             // normal clearance coefficient of the basic rack
    GearPairOf<double> z{};    // numbers of teeth (real numbers, as typed)
    GearPairOf<double> ess{};  // upper deviations of the normal tooth thickness
    GearPairOf<double> esi{};  // lower deviations of the normal tooth thickness

    // Transverse plane and working mesh.
    double mt = 0;              // transverse module mn / cos β
    double alpha_t = 0;         // transverse pressure angle at the reference circle
    double alpha_wt = 0;        // working transverse pressure angle
    double a0 = 0;              // reference centre distance
    double y = 0;               // centre-distance modification coefficient
    double delta_y = 0;         // addendum reduction coefficient (tip shortening)
    double pbt = 0;             // transverse base pitch
    double line_of_action = 0;  // a·sin αwt: distance between the two base tangent points

    // Profile shift as found (derived from the centre distance) or as typed.
    double x_sum = 0;
    GearPairOf<double> xn{};

    // Diameters of each gear.
    GearPairOf<double> d{};    // reference
    GearPairOf<double> db{};   // base
    GearPairOf<double> dw{};   // working pitch db / cos αwt
    GearPairOf<double> da{};   // tip, with the tip shortening
    GearPairOf<double> df{};   // root
    GearPairOf<double> dc{};   // where the mate's tip starts to touch the flank
    GearPairOf<double> dff{};  // root form circle (end of the fillet) of the sheet

    // Thicknesses.
    GearPairOf<double> sn{};   // normal arc thickness at the reference circle, nominal
    GearPairOf<double> sta{};  // transverse arc thickness at the tip (≤ 0: pointed)

    // Undercut and mesh indices.
    GearPairOf<double> zmin{};  // fewest teeth free of undercut; z < zmin: undercut
    GearPairOf<double> btf{};   // tip interference index dff/dc; above 1: the mate's
                                // tip runs into the fillet
    double eps_alpha = 0;       // transverse contact ratio εα
    double eps_beta = 0;        // overlap ratio εβ
};

// Runs the geometry calculation exactly as the geometry button does (same checks,
// same stops, same messages) and hands over its numbers instead of its texts.
Outcome<GeometryNumbers> compute_geometry_numbers(const GearPairInput& input);

// The sheet's texts and the numbers behind them from one run of the calculation.
struct GeometrySheetAndNumbers {
    GeometryResult sheet;
    GeometryNumbers numbers;
};
Outcome<GeometrySheetAndNumbers> compute_geometry_sheet_and_numbers(const GearPairInput& input);

}  // namespace gp
