// One variant of a sizing: a pair of the search space, checked in the shift plane
// and rated, with the columns an engineer compares variants by; or the first
// check it failed.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "sizing_requirements.h"

namespace gp::sizing {

// The checks in the order they run; a variant is counted under the first it fails.
enum class Failure {
    Ratio,         // z2/z1 beyond the tolerance
    GeometryStop,  // the geometry calculation stops
    Undercut,      // z < zmin on either gear
    ThinTip,       // tip thickness below 0.25·mn on either gear
    ContactRatio,  // εα below 1.2
    Interference,  // a tip runs into the mate's fillet
    RatingStop,    // the rating stops
    Pitting,       // SH below SHmin on either gear
    Bending,       // SF below SFmin on either gear
};
inline constexpr int kFailureKinds = 9;
// The names of the batch tool's count lines.
inline constexpr std::array<const char*, kFailureKinds> kFailureKeys = {
    "ratio",        "geometry_stop", "undercut", "thin_tip", "contact_ratio",
    "interference", "rating_stop",   "pitting",  "bending"};
// The same for the user.
const char* failure_text(Failure f);

struct Variant {
    std::uint64_t index = 0;  // position in the enumeration order
    int z1 = 0, z2 = 0;
    double mn = 0, beta = 0, b = 0;  // mm, degrees, mm
    double x1 = 0, x2 = 0, a = 0;    // shifts, centre distance (mm)
    double i = 0, i_err = 0;         // actual ratio z2/z1, its error in %
    double eps_alpha = 0, eps_beta = 0, eps_gamma = 0;
    GearPairOf<double> SH{}, SF{};
    std::optional<double> T1max;  // N·m; empty when the search found none
    double mass = 0;              // kg, the two reference cylinders
    std::optional<double> zeta1_a, zeta2_e;
    double safety = 0;  // min(SH/SHmin, SF/SFmin): how far the weakest is above its minimum
};

// What rating the variants of one block gave.
struct BlockOutcome {
    std::vector<Variant> rows;  // the admissible ones, in the enumeration order
    std::array<std::uint64_t, kFailureKinds> failures{};
    std::uint64_t tried = 0;
    std::string first_rating_stop;  // the message of the first rating stop, if any
};

// A block is one (mn, z1, z2, β) of the space; its variants are every face width and
// centre distance, in that order. Rates them, stopping early once `cancel` is set.
void rate_block(const Space& space, std::uint64_t block, BlockOutcome& out,
                const std::atomic<bool>* cancel = nullptr);

// The variant as the form holds it: its z, mn, β, b, shifts and centre distance
// with the requirements' αn, h0, c0, the torque in kgf·m, zero tooth-thickness
// deviations and runout and empty fillet radii (0.38·mn). Every number is the
// variant's exact double, so the form's calculations give the variant's numbers.
GearPairInput form_of(const Space& space, const Variant& v);

}  // namespace gp::sizing
