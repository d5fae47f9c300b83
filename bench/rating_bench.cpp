// The load-capacity rating: one rating at the typed torque (the critical-section
// iteration of both gears included), the T1max search, and the whole rating of a
// form (geometry, reading the texts, rating and T1max) over the golden pairs.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "batch_input.h"
#include "rating_calculation.h"

namespace gp::rating {
namespace {

// The helical pair of ISO/TR 6336-30 Example 1, as typed.
BatchRow technical_report_pair() {
    BatchRow row;
    GearPairInput& f = row.input;
    f.zxja = "500", f.fmn = "8", f.fjafn = "20", f.lxjbt = "15.8", f.ckbw = "100";
    f.h0 = "1", f.c0 = "0.4", f.nj = "917.7445916801", f.cs1z1 = "17", f.cs2z2 = "103";
    f.ess1 = "-0.1", f.ess2 = "-0.2", f.esi1 = "-0.2", f.esi2 = "-0.4", f.fr1 = "0.04";
    f.fr2 = "0.06", f.xng1 = "0.145", f.xng2 = "0", f.cgyj1 = "3.12", f.cgyj2 = "3.12";
    RatingInputs& r = row.rating;
    r.n1 = "360", r.Q1 = "5", r.Q2 = "5", r.Ca = "70", r.nu40 = "320", r.Lh = "50000";
    return row;
}

struct Numbers {
    RatedPair pair;
    RatingNumbers inputs;
};

Numbers numbers_of(const BatchRow& row) {
    return {std::get<RatedPair>(rated_pair_of(row.input)),
            std::get<RatingNumbers>(parse_rating_inputs(row.rating))};
}

void OneRating(benchmark::State& state) {
    const Numbers n = numbers_of(technical_report_pair());
    for (auto _ : state) {
        auto outcome = rate(n.pair, n.inputs);
        benchmark::DoNotOptimize(outcome);
    }
    if (!std::holds_alternative<RatingResult>(rate(n.pair, n.inputs))) {
        state.SkipWithError("the pair stopped");
    }
}
BENCHMARK(OneRating);

// The same pair typed the other way round: the 103-tooth gear driving (the rating
// exchanges the roles and back), its pinion on a shaft, crowned, with a power split.
void OneRatingLargerGearDrivingWithShaft(benchmark::State& state) {
    BatchRow row = technical_report_pair();
    GearPairInput& f = row.input;
    std::swap(f.cs1z1, f.cs2z2), std::swap(f.ess1, f.ess2), std::swap(f.esi1, f.esi2);
    std::swap(f.fr1, f.fr2), std::swap(f.xng1, f.xng2);
    f.nj = "5560.5466";
    RatingInputs& r = row.rating;
    r.n1 = "59.417475728", r.shaft = "a", r.l = "400", r.s = "60", r.dsh = "120";
    r.hmod = "crown", r.k = "80";
    const Numbers n = numbers_of(row);
    for (auto _ : state) {
        auto outcome = rate(n.pair, n.inputs);
        benchmark::DoNotOptimize(outcome);
    }
    if (!std::holds_alternative<RatingResult>(rate(n.pair, n.inputs))) {
        state.SkipWithError("the pair stopped");
    }
}
BENCHMARK(OneRatingLargerGearDrivingWithShaft);

void MaxTorqueSearch(benchmark::State& state) {
    const Numbers n = numbers_of(technical_report_pair());
    for (auto _ : state) {
        auto outcome = max_torque(n.pair, n.inputs);
        benchmark::DoNotOptimize(outcome);
    }
    const auto found = max_torque(n.pair, n.inputs);
    if (!std::holds_alternative<MaxTorque>(found) || !std::get<MaxTorque>(found).T1max) {
        state.SkipWithError("no T1max");
    }
}
BENCHMARK(MaxTorqueSearch);

void FormRating(benchmark::State& state) {
    const BatchRow row = technical_report_pair();
    for (auto _ : state) {
        auto outcome = rate(row.input, row.rating);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(FormRating);

// Every golden rating pair as typed, T1max included; s/pair is the average.
void GoldenPairs(benchmark::State& state) {
    std::ifstream in(GEARPAIR_RATING_CASES_CSV);
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<BatchRow> rows = read_batch(text.str());
    for (auto _ : state) {
        for (const BatchRow& row : rows) {
            auto outcome = rate(row.input, row.rating);
            benchmark::DoNotOptimize(outcome);
        }
    }
    state.counters["s/pair"] = benchmark::Counter(
        static_cast<double>(rows.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(GoldenPairs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gp::rating
