// Filling a result sheet on Qt's offscreen platform: every value label set from a
// calculation's texts, and read back the way printing, saving and copying read it.
// Two pairs take turns, so that every label's text really changes.
#include <benchmark/benchmark.h>

#include <array>
#include <variant>

#include "geometry_calculation.h"
#include "geometry_sheet.h"
#include "strength_calculation.h"
#include "strength_sheet.h"

namespace {

gp::GearPairInput pair_of(const char* xn1, const char* xn2, const char* beta, const char* a) {
    gp::GearPairInput in;
    const std::pair<const char*, const char*> texts[] = {
        {"zxja", a},      {"fmn", "2"},     {"fjafn", "20"},  {"lxjbt", beta},   {"ckbw", "30"},
        {"h0", "1"},      {"c0", "0.25"},   {"nj", "10"},     {"cs1z1", "20"},   {"cs2z2", "40"},
        {"ess1", "-0.1"}, {"ess2", "-0.1"}, {"esi1", "-0.2"}, {"esi2", "-0.2"},  {"fr1", "0.05"},
        {"fr2", "0.05"},  {"xng1", xn1},    {"xng2", xn2},    {"cgyj1", "0.76"}, {"cgyj2", "0.76"},
        {"ck1", "30"},    {"ck2", "30"}};
    for (const auto& [name, text] : texts) in.*(gp::find_input_field(name)->text) = text;
    return in;
}

// Two spur pairs of the same sheet (jg1), differing in their profile shift.
std::array<gp::GearPairInput, 2> two_pairs() {
    return {pair_of("0.08", "-0.08", "0", "60"), pair_of("0.2", "-0.1", "0", "60.2")};
}

// The geometry sheet: the texts set, then read back as the report reads them.
void GeometrySheetFill(benchmark::State& state) {
    std::array<gp::GeometryResult, 2> results;
    const auto pairs = two_pairs();
    for (int i = 0; i < 2; ++i)
        results[i] = std::get<gp::GeometryResult>(gp::compute_geometry(pairs[i]));
    gp::GeometrySheetWindow sheet;
    int turn = 0;
    for (auto _ : state) {
        sheet.show_texts(results[turn]);
        turn ^= 1;
        benchmark::DoNotOptimize(sheet.texts());
    }
}
BENCHMARK(GeometrySheetFill)->Unit(benchmark::kMicrosecond);

// A strength sheet (jg1): the texts set, then read back as the report reads them.
void StrengthSheetFill(benchmark::State& state) {
    std::array<gp::StrengthResult, 2> results;
    const auto pairs = two_pairs();
    for (int i = 0; i < 2; ++i)
        results[i] = std::get<gp::StrengthResult>(gp::compute_strength(pairs[i]));
    gp::StrengthSheetWindow sheet(results[0].sheet);
    int turn = 0;
    for (auto _ : state) {
        sheet.show_texts(results[turn]);
        turn ^= 1;
        benchmark::DoNotOptimize(sheet.shown(results[turn].diameters));
    }
}
BENCHMARK(StrengthSheetFill)->Unit(benchmark::kMicrosecond);

// The geometry report built from what the sheet shows (print and save).
void GeometrySheetReport(benchmark::State& state) {
    const gp::GearPairInput pair = two_pairs()[0];
    gp::GeometrySheetWindow sheet;
    sheet.show_texts(std::get<gp::GeometryResult>(gp::compute_geometry(pair)));
    for (auto _ : state) benchmark::DoNotOptimize(sheet.report(pair, {}));
}
BENCHMARK(GeometrySheetReport)->Unit(benchmark::kMicrosecond);

// The sheet's rows as tab-separated text (copy all).
void GeometrySheetCopy(benchmark::State& state) {
    const gp::GearPairInput pair = two_pairs()[0];
    gp::GeometrySheetWindow sheet;
    sheet.show_texts(std::get<gp::GeometryResult>(gp::compute_geometry(pair)));
    for (auto _ : state) benchmark::DoNotOptimize(sheet.tab_separated("B-1", "B-2"));
}
BENCHMARK(GeometrySheetCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
