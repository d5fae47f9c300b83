// Service life under a load spectrum (ISO 6336-6): every bin rated with the
// rating's own factors at its torque and speed with KA = 1, its cycles to failure
// on the life curves behind ZNT and YNT, Palmgren–Miner's sum, the spectrum's
// safety factors, its life and its static safety.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "life_curves.h"
#include "rated_pair.h"
#include "rating_inputs.h"
#include "rating_numbers.h"
#include "stop.h"

namespace gp::rating {

// How a spectrum gives its bins' durations: load cycles of the driving gear, or
// hours (cycles = 60·n1·hours). One kind per spectrum.
enum class DurationKind { Cycles, Hours };

struct SpectrumBin {
    double T1 = 0;              // driving-gear torque, N·m
    double duration = 0;        // cycles or hours, by the spectrum's kind
    std::optional<double> n1;   // driving-gear speed, 1/min; empty: the rating's
    std::optional<double> KHb;  // a given KHβ; empty: the rating's (given or computed)
};

struct LoadSpectrum {
    DurationKind kind = DurationKind::Cycles;
    std::vector<SpectrumBin> bins;
};

// One bin as rated: per gear (0 driving, 1 driven) and mode.
struct BinRating {
    double T1 = 0, n1 = 0;
    GearPairOf<double> cycles{};  // load cycles of each gear
    double hours = 0;             // the bin's duration in hours
    double Kv = 0, KHbeta = 0, KHalpha = 0;
    GearPairOf<double> sigma_H{}, sigma_F{};    // stresses, N/mm²
    GearPairOf<double> sigma_HG{}, sigma_FG{};  // the curves' values at ZNT = YNT = 1
    GearPairOf<CyclesToFailure> NH{}, NF{};     // cycles to failure
    GearPairOf<double> DH{}, DF{};              // damage of the bin (inf when static)
};

struct SpectrumResult {
    std::vector<BinRating> bins;
    GearPairOf<double> DH{}, DF{};          // Miner's sums
    GearPairOf<double> SH{}, SF{};          // the spectrum's safety factors
    GearPairOf<double> SstatH{}, SstatF{};  // static safety at the peak bin
    GearPairOf<int> peak_H{}, peak_F{};     // that bin, from 0
    double total_hours = 0;
    std::optional<double> life_h;  // empty when every D is 0 (or the life is beyond any number)
    std::optional<int> worst_bin;  // from 0; empty when every D is 0
    double SHmin = 1, SFmin = 1;
    std::vector<std::string> notes;  // the notes of the bins' ratings and of the spectrum
};

// The spectrum's damage of one gear and mode if every bin's stress were k times
// as high; what the safety search bisects. `ratios` σ/σG(1) per bin, `cycles`
// that gear's cycles per bin.
double miner_sum(const LifeLine& line, const std::vector<double>& ratios,
                 const std::vector<double>& cycles, double k);

// The factor k at which miner_sum reaches 1, to 1e-12 relative: the largest k with
// a sum of at most 1.
double spectrum_safety(const LifeLine& line, const std::vector<double>& ratios,
                       const std::vector<double>& cycles);

// Rates the pair under the spectrum. The pair's own torque, KA and Lh are not
// used; a typed KA other than 1 or a typed Lh adds a note. A bin whose rating
// stops stops the whole spectrum, the detail naming the bin.
Outcome<SpectrumResult> rate_spectrum(const RatedPair& pair, const RatingNumbers& inputs,
                                      const LoadSpectrum& spectrum);

// The same from the form's and the rating page's texts.
Outcome<SpectrumResult> rate_spectrum(const GearPairInput& form, const RatingInputs& texts,
                                      const LoadSpectrum& spectrum);

}  // namespace gp::rating
