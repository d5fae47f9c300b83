// Start-up of the desktop program: the time from its start to the end of the first
// paint of its input form, as the program measures it itself (GEARPAIR_FIRST_PAINT),
// on Qt's offscreen platform so that no display is needed. The whole launch, from
// starting the process to its exit, is shown beside it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The program's own figure in milliseconds, or a negative number when it gave none.
double first_paint_ms(double& launch_ms) {
    const std::string command =
        std::string("QT_QPA_PLATFORM=offscreen GEARPAIR_FIRST_PAINT=exit ") +
        GEARPAIR_DESKTOP_PROGRAM + " 2>&1";
    const auto started = std::chrono::steady_clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    double ms = -1;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::sscanf(line, "gearpair: first paint after %lf ms", &ms);
    }
    const int status = pclose(pipe);
    launch_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    return status == 0 ? ms : -1;
}

void FirstPaint(benchmark::State& state) {
    double launch_total = 0;
    for (auto _ : state) {
        double launch_ms = 0;
        const double ms = first_paint_ms(launch_ms);
        if (ms < 0) {
            state.SkipWithError("the program reported no first paint");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
        launch_total += launch_ms;
    }
    state.counters["launch_to_exit_ms"] =
        benchmark::Counter(launch_total / static_cast<double>(state.iterations()));
}
BENCHMARK(FirstPaint)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
