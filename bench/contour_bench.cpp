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

// The lines of constant centre distance over the default window and over one
// 1e-300 wide, whose round values a double cannot tell apart: bounded either way.
void CentreDistanceLines(benchmark::State& state) {
    const auto plane = ShiftPlane::of(spur_pair());
    const ShiftPlane& p = std::get<ShiftPlane>(plane);
    const double width = state.range(0) == 0 ? 3.0 : 1e-300;
    const ShiftWindow w{0.5, 0.5 + width, 0.1, 0.1 + width};
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto l = centre_distance_lines(p, w, 8);
        lines = l.size();
        benchmark::DoNotOptimize(l);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(CentreDistanceLines)->Arg(0)->Arg(1);

}  // namespace
}  // namespace gp
