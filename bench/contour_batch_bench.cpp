// The batch tool's contour mode over long files: rows streamed through a counting
// sink, the peak memory of the process reported beside the time. Target: the peak
// stays a few megabytes above that of a short file whatever the number of rows
// (run one size at a time, --benchmark_filter=.../100000, for its own peak).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "batch_input.h"
#include "batch_run.h"
#include "contour_mode.h"

namespace gp {
namespace {

// Counts the bytes written and keeps none.
class Counter : public std::streambuf {
  public:
    long long bytes = 0;

  protected:
    int_type overflow(int_type c) override {
        ++bytes;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += n;
        return n;
    }
};

// A file of `rows` rows: the golden cases repeated.
std::string cases_file(long rows) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("contour-bench-" + std::to_string(rows) + ".csv"))
                                 .string();
    std::ifstream golden(GEARPAIR_CASES_CSV, std::ios::binary);
    std::string header;
    std::getline(golden, header);
    std::ostringstream rest;
    rest << golden.rdbuf();
    const std::string body = rest.str();
    const long per_copy = static_cast<long>(read_batch(header + "\n" + body).size());
    std::ofstream out(path, std::ios::binary);
    out << header << '\n';
    for (long i = 0; i < rows; i += per_copy) out << body;
    return path;
}

double peak_megabytes() {
#if defined(__linux__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
#else
    return 0;
#endif
}

void ContourRows(benchmark::State& state) {
    const std::string file = cases_file(state.range(0));
    Counter out_bytes, err_bytes;
    std::ostream out(&out_bytes), err(&err_bytes);
    for (auto _ : state) {
        const int status =
            run_batch_file(contour_table({}), file, default_jobs(), std::cin, out, err);
        if (status != 0) state.SkipWithError("the contour mode failed");
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
    state.counters["output_MB"] = out_bytes.bytes / 1e6;
    state.counters["max_rss_MB"] = peak_megabytes();
    std::filesystem::remove(file);
}
BENCHMARK(ContourRows)->Arg(2000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace gp
