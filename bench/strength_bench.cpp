// One whole strength calculation, from the form's texts to the sheet's texts, for
// each formula set and over the golden pairs; and the fillet scan alone, evaluating
// every step and skipping the steps that cannot meet its tolerance.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "batch_input.h"
#include "root_form_thickness.h"
#include "strength_calculation.h"

namespace gp {
namespace {

GearPairInput pair(const char* a, const char* mn, const char* alpha, const char* beta,
                   const char* b, const char* han, const char* cn, const char* torque,
                   const char* z1, const char* z2, const char* x1, const char* x2, const char* rho1,
                   const char* rho2, const char* b1, const char* b2) {
    GearPairInput in;
    in.zxja = a;
    in.fmn = mn;
    in.fjafn = alpha;
    in.lxjbt = beta;
    in.ckbw = b;
    in.h0 = han;
    in.c0 = cn;
    in.nj = torque;
    in.cs1z1 = z1;
    in.cs2z2 = z2;
    in.xng1 = x1;
    in.xng2 = x2;
    in.cgyj1 = rho1;
    in.cgyj2 = rho2;
    in.ck1 = b1;
    in.ck2 = b2;
    return in;
}

void run(benchmark::State& state, const GearPairInput& in, StrengthSheet expected) {
    for (auto _ : state) {
        auto outcome = compute_strength(in);
        benchmark::DoNotOptimize(outcome);
    }
    const auto outcome = compute_strength(in);
    const auto* result = std::get_if<StrengthResult>(&outcome);
    if (result == nullptr || result->sheet != expected) state.SkipWithError("unexpected sheet");
}

// The worked spur pair: only the pinion's form circle lies inside its base circle.
void Spur(benchmark::State& state) {
    run(state,
        pair("60", "2", "20", "0", "30", "1", "0.25", "10", "20", "40", "0.08", "-0.08", "0.76",
             "0.76", "30", "30"),
        StrengthSheet::jg1);
}

// A spur pair of 10 and 11 teeth: both form circles lie inside the base circles.
void SpurTwoScans(benchmark::State& state) {
    run(state,
        pair("97.45", "9", "20", "0", "76", "1", "0.25", "191.581", "10", "11", "0.2473", "0.116",
             "3.122", "3.093", "76", "76"),
        StrengthSheet::jg1);
}

void HelicalInclinedContact(benchmark::State& state) {
    run(state,
        pair("74.135", "0.8", "20", "15.95", "8", "0.95", "0.4", "2.502", "49", "128", "0.314",
             "0.1131", "0.344", "0.293", "10", "8"),
        StrengthSheet::jg2);
}

void HelicalHelixFactor(benchmark::State& state) {
    run(state,
        pair("107.043", "1", "20", "27.5", "9", "0.8", "0.3", "398.81", "54", "135", "0.1702",
             "0.3423", "0.327", "0.366", "14", "9"),
        StrengthSheet::jg3);
}

BENCHMARK(Spur);
BENCHMARK(SpurTwoScans);
BENCHMARK(HelicalInclinedContact);
BENCHMARK(HelicalHelixFactor);

std::vector<BatchRow> golden_rows() {
    std::ifstream file(GEARPAIR_CASES_CSV, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return read_batch(text.str());
}

// The golden rows whose strength calculation ends with a sheet: realistic pairs and
// pairs at the boundaries of the cases (the rows that stop are left out).
const std::vector<BatchRow>& golden_pairs() {
    static const std::vector<BatchRow> pairs = [] {
        std::vector<BatchRow> rows = golden_rows();
        std::erase_if(rows, [](const BatchRow& row) {
            return !std::holds_alternative<StrengthResult>(compute_strength(row.input));
        });
        return rows;
    }();
    return pairs;
}

// Time per item (CPU time, like the rates), as a counter beside the time of all items.
void count_per_item(benchmark::State& state, std::size_t items, const char* name) {
    state.counters[name] = benchmark::Counter(
        static_cast<double>(items),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["items"] = static_cast<double>(items);
}

void GoldenPairs(benchmark::State& state) {
    const auto& pairs = golden_pairs();
    for (auto _ : state) {
        for (const BatchRow& row : pairs) benchmark::DoNotOptimize(compute_strength(row.input));
    }
    count_per_item(state, pairs.size(), "s/pair");
}
BENCHMARK(GoldenPairs)->Unit(benchmark::kMillisecond);

// The golden pair whose calculation takes longest, found by timing each a few times.
const BatchRow& slowest_golden_pair() {
    static const BatchRow& slowest = [&]() -> const BatchRow& {
        using Clock = std::chrono::steady_clock;
        const auto& pairs = golden_pairs();
        const BatchRow* worst = &pairs.front();
        Clock::duration worst_time{};
        for (const BatchRow& row : pairs) {
            Clock::duration best = Clock::duration::max();
            for (int i = 0; i < 20; ++i) {
                const auto start = Clock::now();
                benchmark::DoNotOptimize(compute_strength(row.input));
                best = std::min(best, Clock::now() - start);
            }
            if (best > worst_time) worst_time = best, worst = &row;
        }
        return *worst;
    }();
    return slowest;
}

void SlowestGoldenPair(benchmark::State& state) {
    const BatchRow& row = slowest_golden_pair();
    for (auto _ : state) benchmark::DoNotOptimize(compute_strength(row.input));
    state.SetLabel("cases.csv line " + std::to_string(row.line));
}
BENCHMARK(SlowestGoldenPair)->Unit(benchmark::kMicrosecond);

// Every fillet scan the golden pairs run: each gear whose form circle lies inside its
// base circle, including the rows whose calculation stops later.
const std::vector<strength::FilletScan>& golden_scans() {
    static const std::vector<strength::FilletScan> scans = [] {
        std::vector<strength::FilletScan> all;
        for (const BatchRow& row : golden_rows()) {
            try {
                const strength::StrengthInputs p = strength::read_strength_inputs(row.input);
                const strength::ReferenceGeometry g = strength::reference_geometry(p);
                for (int i = 0; i < 2; ++i) {
                    const strength::GearGeometry& gi = g.gear[i];
                    if (gi.dF < gi.db) {
                        all.push_back({p.mn, p.alpha_n, p.gear[i].xn, p.gear[i].fillet, gi.hf, gi.d,
                                       gi.dv, gi.dF});
                    }
                }
            } catch (const StopSignal&) {
            }
        }
        return all;
    }();
    return scans;
}

template <Real (*Scan)(const strength::FilletScan&)>
void scan_golden(benchmark::State& state) {
    const auto& scans = golden_scans();
    for (auto _ : state) {
        for (const auto& scan : scans) benchmark::DoNotOptimize(Scan(scan));
    }
    count_per_item(state, scans.size(), "s/scan");
}

void FilletScanStepwise(benchmark::State& state) {
    scan_golden<strength::fillet_thickness_stepwise>(state);
}
void FilletScanSkipping(benchmark::State& state) { scan_golden<strength::fillet_thickness>(state); }
BENCHMARK(FilletScanStepwise)->Unit(benchmark::kMillisecond);
BENCHMARK(FilletScanSkipping)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gp
