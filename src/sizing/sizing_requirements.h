// What a new stage must do and where to look for its pairs: the requirements of a
// sizing (torque or power at a speed, ratio, centre distance, minimum safety
// factors) and its search space (modules of the standard series, tooth numbers,
// helix angles, face widths), resolved into the lists the enumeration walks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gear_pair_input.h"
#include "rating_inputs.h"
#include "rating_numbers.h"
#include "stop.h"

namespace gp::sizing {

// Normal modules of GB/T 1357, mm: the first series (preferred) and the second.
inline constexpr std::array<double, 18> kFirstSeries = {1,  1.25, 1.5, 2,  2.5, 3,  4,  5,  6,
                                                        8,  10,   12,  16, 20,  25, 32, 40, 50};
inline constexpr std::array<double, 17> kSecondSeries = {1.125, 1.375, 1.75, 2.25, 2.75, 3.5,
                                                         4.5,   5.5,   7,    9,    11,   14,
                                                         18,    22,    28,   36,   45};
enum class ModuleSeries { First = 1, Second = 2, Both = 12 };

// How the shift sum a centre distance requires is split between the gears: the
// geometry's two rules, or balanced specific sliding ζ1(A) = ζ2(E).
enum class SplitRule { EqualStrength, EqualNoise, BalancedSliding };

// from, from + step, … up to `to` (within a millionth of a step).
struct Steps {
    double from = 0, to = 0, step = 1;
};

struct Requirements {
    std::optional<double> T1;  // driving gear's torque, N·m
    std::optional<double> P;   // or the power, kW, at n1
    std::optional<double> n1;  // driving gear's speed, 1/min; empty: the rating inputs'
    double i = 0;              // ratio z2/z1
    double i_tol = 3;          // ± %
    // The centre distance: one value, a range, or neither (free: shift sum 0).
    std::optional<double> a;
    std::optional<Steps> a_range;

    double mn_min = 1, mn_max = 10;
    ModuleSeries series = ModuleSeries::First;
    int z1_min = 12, z1_max = 40;
    Steps beta{8, 20, 1};             // helix angle, degrees
    Steps bd{0.4, 1.2, 0.2};          // face width per pinion reference diameter
    std::optional<double> b;          // or one face width, mm
    SplitRule split = SplitRule::EqualStrength;
    double alpha_n = 20, h0 = 1, c0 = 0.25;
    std::optional<double> SHmin, SFmin;  // win over the rating inputs'
};

// The requirements resolved: every list the enumeration walks, the torque and the
// rating numbers every variant is rated with.
struct Space {
    Requirements req;
    double T1 = 0;  // N·m, the torque the rating reads back from the form's kgf·m
    rating::RatingNumbers rating;
    std::vector<double> modules;
    // (z1, z2) in the enumeration order with whether z2/z1 is within the tolerance.
    struct Teeth {
        int z1 = 0, z2 = 0;
        bool ratio_ok = false;
    };
    std::vector<Teeth> teeth;
    std::vector<double> betas;
    std::vector<double> widths;  // b/d1 ratios, or the one face width
    bool width_is_ratio = true;
    std::vector<double> centres;  // empty: free centre distance
    bool with_max_torque = true;

    std::uint64_t blocks() const {
        return static_cast<std::uint64_t>(modules.size()) * teeth.size() * betas.size();
    }
    std::uint64_t per_block() const {
        return static_cast<std::uint64_t>(widths.size()) * std::max<std::size_t>(1, centres.size());
    }
    // The number of variants the run will try, known before it starts.
    std::uint64_t variant_count() const { return blocks() * per_block(); }
};

// Checks the requirements and resolves them with the rating inputs of a pair
// (their texts; the requirements' n1, SHmin and SFmin win). A requirement that
// makes no sense stops, naming its key in the stop's field.
Outcome<Space> space_of(const Requirements& req, const RatingInputs& rating_texts);

// The modules of `series` from `least` to `largest`.
std::vector<double> series_modules(ModuleSeries series, double least, double largest);

// |error| within the tolerance, both in %: the ratio rule, in one place.
bool ratio_within(double error_percent, double tolerance_percent);

// The requirements from (key, value) pairs, as typed: an empty value keeps the
// default. An unknown or repeated key, or a value that is not what its key holds,
// stops naming the key (the stop's field).
Outcome<Requirements> requirements_of(
    const std::vector<std::pair<std::string, std::string>>& values);

// Reads `key,value` lines (blank lines and lines starting with # are skipped;
// an empty value keeps the default). An unknown key, a repeated key or a value
// that is not what its key holds stops, naming the line and the key.
Outcome<Requirements> read_requirements(const std::string& text);

// Every key with its default, in the order --help lists them.
struct RequirementKey {
    const char* key;
    const char* default_text;
    const char* meaning;
};
const std::vector<RequirementKey>& requirement_keys();

}  // namespace gp::sizing
