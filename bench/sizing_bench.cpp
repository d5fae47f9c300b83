// The documented example's space from module 2 up (112,125 variants: T1 = 500 N·m
// at 1,450 1/min, i = 3.5 ± 3 %, free centre distance, case-hardened, Lh 20,000 h,
// SHmin 1.0, SFmin 1.4), rated whole; counters give the variants and the time per
// variant.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "sizing_run.h"

namespace {

using namespace gp::sizing;

Space example(bool with_max_torque) {
    gp::RatingInputs r;
    r.n1 = "1450";
    r.Lh = "20000";
    r.SHmin = "1";
    r.SFmin = "1.4";
    Requirements req;
    req.T1 = 500;
    req.i = 3.5;
    req.mn_min = 2;
    Space s = std::get<Space>(space_of(req, r));
    s.with_max_torque = with_max_torque;
    return s;
}

void count(benchmark::State& state, const Space& s, const Summary& last) {
    state.counters["variants"] = static_cast<double>(last.tried);
    state.counters["admissible"] = static_cast<double>(last.admissible);
    state.counters["per_variant"] = benchmark::Counter(
        static_cast<double>(last.tried) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    (void)s;
}

// Wall time of the whole run on `workers` threads, T1max searched for every
// admissible variant.
void Rated(benchmark::State& state, bool with_max_torque) {
    const Space s = example(with_max_torque);
    Summary last;
    for (auto _ : state) {
        SizingRun run(s, static_cast<int>(state.range(0)));
        last = run.run([](const Variant& v) { benchmark::DoNotOptimize(v.safety); });
    }
    count(state, s, last);
}
BENCHMARK_CAPTURE(Rated, WithMaxTorque, true)->Arg(2)->Arg(1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Rated, WithoutMaxTorque, false)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// From the cancel to the return of run(), a run on two threads 100 ms in.
void CancelLatency(benchmark::State& state) {
    const Space s = example(true);
    for (auto _ : state) {
        SizingRun run(s, 2);
        std::chrono::steady_clock::time_point cancelled;
        std::thread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            cancelled = std::chrono::steady_clock::now();
            run.cancel();
        });
        run.run([](const Variant&) {});
        const auto returned = std::chrono::steady_clock::now();
        canceller.join();
        state.SetIterationTime(std::chrono::duration<double>(returned - cancelled).count());
    }
}
BENCHMARK(CancelLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
