// One whole strength calculation, from the form's texts to the sheet's texts, for
// each formula set. The spur pinion's form circle lies inside its base circle, so
// its time includes a fillet scan.
#include <benchmark/benchmark.h>

#include <variant>

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

void Spur(benchmark::State& state) {
    run(state,
        pair("60", "2", "20", "0", "30", "1", "0.25", "10", "20", "40", "0.08", "-0.08", "0.76",
             "0.76", "30", "30"),
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
BENCHMARK(HelicalInclinedContact);
BENCHMARK(HelicalHelixFactor);

}  // namespace
}  // namespace gp
