// Speed of one geometry calculation, from the form's texts to the sheet's texts.
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace gp
