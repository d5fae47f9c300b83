// Speed of one geometry calculation and of the batch tool's geometry table.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "batch_input.h"
#include "batch_modes.h"
#include "geometry_calculation.h"

namespace gp {
namespace {

// The worked reference pair: z1 = 20, z2 = 40, mn = 2, αn = 20°, spur, a = 60.
GearPairInput reference_pair() {
    GearPairInput in;
    in.zxja = "60", in.fmn = "2", in.fjafn = "20", in.lxjbt = "0", in.ckbw = "30";
    in.h0 = "1", in.c0 = "0.25", in.cs1z1 = "20", in.cs2z2 = "40";
    in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
    return in;
}

void OneReferencePair(benchmark::State& state) {
    const GearPairInput in = reference_pair();
    for (auto _ : state) benchmark::DoNotOptimize(compute_geometry(in));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(OneReferencePair);

// The golden input rows (realistic pairs, boundary cases and pairs that stop),
// repeated in memory to `copies` times their number.
std::string repeated_cases(int copies) {
    std::ifstream file(GEARPAIR_CASES_CSV, std::ios::binary);
    std::string header;
    std::getline(file, header);
    std::ostringstream rest;
    rest << file.rdbuf();
    std::string text = header + "\n";
    for (int i = 0; i < copies; ++i) text += rest.str();
    return text;
}

// Reading the CSV, calculating every pair and writing the result table.
void BatchGeometryTable(benchmark::State& state) {
    const std::string csv = repeated_cases(static_cast<int>(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto batch = read_batch(csv);
        std::ostringstream out;
        write_geometry_table(batch, out);
        rows = batch.size();
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * rows));
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BatchGeometryTable)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gp
