// Speed of the gears as solids: a 100-tooth helical gear (β = 15°, mn = 2, b = 30)
// built and written to STEP (target ≤ 2 s), and the spur example's pair in mesh
// (target ≤ 1 s); each also as the solid alone. Memory (target ≤ 500 MB) is the
// run's peak resident size, reported as the counter peak_MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "gear_solids.h"
#include "solid_pair.h"

namespace gp {
namespace {

GearPairInput pair(const char* a, const char* beta, const char* z1, const char* z2) {
    GearPairInput in;
    in.zxja = a, in.fmn = "2", in.fjafn = "20", in.lxjbt = beta, in.ckbw = "30";
    in.h0 = "1", in.c0 = "0.25", in.nj = "10", in.cs1z1 = z1, in.cs2z2 = z2;
    in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
    in.cgyj1 = in.cgyj2 = "0.76", in.ck1 = in.ck2 = "30", in.th1 = "B-1", in.th2 = "B-2";
    return in;
}

double peak_megabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kB on Linux
}

void run(benchmark::State& state, const GearPairInput& in, SolidGears gears, bool step) {
    SolidRequest request;
    request.gears = gears;
    for (auto _ : state) {
        if (step) {
            auto text = solid_step(in, request);
            if (std::holds_alternative<Stop>(text)) state.SkipWithError("no STEP");
            benchmark::DoNotOptimize(text);
        } else {
            auto solids = solid_bodies(in, request);
            if (std::holds_alternative<Stop>(solids)) state.SkipWithError("no solid");
            benchmark::DoNotOptimize(solids);
        }
    }
    state.counters["peak_MB"] = peak_megabytes();
}

// z 20/100 helical at a = 125 mm: the wheel has 100 teeth.
const GearPairInput kHelical = pair("125", "15", "20", "100");
const GearPairInput kSpurExample = pair("60", "0", "20", "40");

void HundredToothHelicalSolid(benchmark::State& s) { run(s, kHelical, SolidGears::Wheel, false); }
void HundredToothHelicalStep(benchmark::State& s) { run(s, kHelical, SolidGears::Wheel, true); }
void SpurExamplePairSolids(benchmark::State& s) { run(s, kSpurExample, SolidGears::Pair, false); }
void SpurExamplePairStep(benchmark::State& s) { run(s, kSpurExample, SolidGears::Pair, true); }
BENCHMARK(HundredToothHelicalSolid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HundredToothHelicalStep)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SpurExamplePairSolids)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SpurExamplePairStep)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace gp
