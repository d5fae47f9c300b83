// A load spectrum of 100 bins on the helical pair of ISO/TR 6336-30 Example 1:
// every bin rated at its torque, Miner's sums and the four safety factors searched
// to 1e-12; and the safety search alone on those bins. Target: the whole ≤ 1 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <variant>
#include <vector>

#include "load_spectrum.h"
#include "rating_calculation.h"
#include "rating_pairs.h"  // the worked pair of the rating's tests

namespace gp::rating {
namespace {

// 100 bins from 1.6 × to 0.2 × the nominal torque, the light ones running longest.
LoadSpectrum hundred_bins(double T1) {
    LoadSpectrum s;
    for (int j = 0; j < 100; ++j) {
        const double share = j / 99.0;
        s.bins.push_back(
            {T1 * (1.6 - 1.4 * share), std::pow(10.0, 4 + 5 * share), std::nullopt, std::nullopt});
    }
    return s;
}

void HundredBins(benchmark::State& state) {
    const RatedPair p = testing::tr_pair();
    const RatingNumbers in = testing::tr_inputs();
    const LoadSpectrum s = hundred_bins(p.T1);
    for (auto _ : state) {
        auto outcome = rate_spectrum(p, in, s);
        benchmark::DoNotOptimize(outcome);
    }
    if (!std::holds_alternative<SpectrumResult>(rate_spectrum(p, in, s))) {
        state.SkipWithError("the spectrum stopped");
    }
}
BENCHMARK(HundredBins)->Unit(benchmark::kMicrosecond);

void SafetySearchOfHundredBins(benchmark::State& state) {
    const RatedPair p = testing::tr_pair();
    const RatingNumbers in = testing::tr_inputs();
    const auto r = std::get<SpectrumResult>(rate_spectrum(p, in, hundred_bins(p.T1)));
    std::vector<double> ratios, cycles;
    for (const BinRating& b : r.bins) {
        ratios.push_back(b.sigma_H[0] / b.sigma_HG[0]);
        cycles.push_back(b.cycles[0]);
    }
    const LifeLine line(pitting_life_points(in.mat[0], in.YN10));
    for (auto _ : state) benchmark::DoNotOptimize(spectrum_safety(line, ratios, cycles));
}
BENCHMARK(SafetySearchOfHundredBins)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gp::rating
