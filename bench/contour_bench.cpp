// Speed of a whole blocking contour (every curve over the default window, the
// splits and the typed point) and of one point of the shift plane. Target: a
// contour within 50 ms, so that the window can redraw while a field is edited.
#include <benchmark/benchmark.h>

#include <variant>

#include "blocking_contour.h"

namespace gp {
namespace {

// A spur pinion of 10 teeth with a wheel of 20, mn = 2, αn = 20°.
GearPairInput spur_pair() {
    GearPairInput in;
    in.zxja = "30.5", in.fmn = "2", in.fjafn = "20", in.lxjbt = "0", in.ckbw = "20";
    in.h0 = "1", in.c0 = "0.25", in.cs1z1 = "10", in.cs2z2 = "20";
    in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
    return in;
}

// A helical pair, z = 12 with 40, β = 15°.
GearPairInput helical_pair() {
    GearPairInput in = spur_pair();
    in.zxja = "108", in.fmn = "4", in.lxjbt = "15", in.cs1z1 = "12", in.cs2z2 = "40";
    return in;
}

void WholeContour(benchmark::State& state, const GearPairInput& form) {
    long evaluations = 0;
    for (auto _ : state) {
        auto c = blocking_contour(form);
        evaluations = std::get<Contour>(c).evaluations;
        benchmark::DoNotOptimize(c);
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
}
BENCHMARK_CAPTURE(WholeContour, spur_10_20, spur_pair())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeContour, helical_12_40, helical_pair())->Unit(benchmark::kMillisecond);

void OnePoint(benchmark::State& state) {
    const auto plane = ShiftPlane::of(spur_pair());
    const ShiftPlane& p = std::get<ShiftPlane>(plane);
    for (auto _ : state) benchmark::DoNotOptimize(p.at(0.5, 0.1));
}
BENCHMARK(OnePoint);

}  // namespace
}  // namespace gp
