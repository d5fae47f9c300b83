// The batch tool's whole path in one process: the CSV read a chunk at a time, every
// pair calculated, the table written (to nowhere), on one thread and on several.
// The golden input rows (realistic pairs, boundary cases and pairs that stop) are
// repeated to the wanted number of rows.
#include <benchmark/benchmark.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "batch_input.h"
#include "batch_modes.h"
#include "batch_run.h"

namespace gp {
namespace {

// The header and as many copies of the golden rows as make at least `rows` rows.
std::string repeated_cases(long rows) {
    std::ifstream file(GEARPAIR_CASES_CSV, std::ios::binary);
    std::string header;
    std::getline(file, header);
    std::ostringstream rest;
    rest << file.rdbuf();
    const std::string body = rest.str();
    const long per_copy = static_cast<long>(read_batch(header + "\n" + body).size());
    std::string text = header + "\n";
    for (long i = 0; i < rows; i += per_copy) text += body;
    return text;
}

// Counts what is written and keeps none of it.
class NullBuffer : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

void run_table(benchmark::State& state, const BatchMode& mode) {
    const std::string csv = repeated_cases(state.range(0));
    const int jobs = static_cast<int>(state.range(1));
    NullBuffer nothing;
    std::ostream out(&nothing);
    std::ostringstream err;
    const auto rows = static_cast<long>(read_batch(csv).size());
    for (auto _ : state) {
        std::istringstream in(csv);
        BatchReader reader(in);
        stream_batch(mode, reader, jobs, out, err);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows"] = static_cast<double>(rows);
}

void GeometryTable(benchmark::State& state) { run_table(state, geometry_table()); }
void StrengthTable(benchmark::State& state) { run_table(state, strength_table()); }

// Real time: the threads' work is not the calling thread's CPU time.
BENCHMARK(GeometryTable)
    ->ArgNames({"rows", "jobs"})
    ->Args({20000, 1})
    ->Args({20000, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StrengthTable)
    ->ArgNames({"rows", "jobs"})
    ->Args({2000, 1})
    ->Args({2000, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gp
