// The blocking-contour window on Qt's offscreen platform: what a change of a field
// costs (the contour and the shading of its region) and one repaint of the plane
// (as when the view is panned or zoomed).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "contour_chart.h"

namespace {

gp::GearPairInput pair(const char* z1, const char* z2, const char* a) {
    gp::GearPairInput in;
    const std::pair<const char*, const char*> texts[] = {
        {"zxja", a},      {"fmn", "2"},     {"fjafn", "20"},  {"lxjbt", "0"},    {"ckbw", "30"},
        {"h0", "1"},      {"c0", "0.25"},   {"nj", "10"},     {"cs1z1", z1},     {"cs2z2", z2},
        {"ess1", "-0.1"}, {"ess2", "-0.1"}, {"esi1", "-0.2"}, {"esi2", "-0.2"},  {"fr1", "0.05"},
        {"fr2", "0.05"},  {"cgyj1", "0.76"}, {"cgyj2", "0.76"}, {"ck1", "30"},   {"ck2", "30"}};
    for (const auto& [name, text] : texts) in.*(gp::find_input_field(name)->text) = text;
    return in;
}

// The contour of the default window: a field's change (the shading follows, below).
void BM_ContourChart(benchmark::State& state) {
    const gp::GearPairInput in = state.range(0) ? pair("12", "40", "53") : pair("20", "40", "60");
    for (auto _ : state) benchmark::DoNotOptimize(gp::contour_chart(in, gp::ShiftWindow{}));
}
BENCHMARK(BM_ContourChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The admissible region shaded at the view's resolution, a cell per 3 pixels of a
// 780 × 600 frame: after a field's change and after each zoom or pan (Arg: the
// visible part of the default window, in percent of its width).
void BM_ContourShading(benchmark::State& state) {
    gp::ContourChart chart = gp::contour_chart(pair("12", "40", "53"), gp::ShiftWindow{});
    const double side = 3.0 * static_cast<double>(state.range(0)) / 100;
    const QRectF visible(0.5 - side / 2, 0.5 - side / 2, side, side);
    for (auto _ : state) {
        gp::shade_region(chart, visible, 260, 200);
        benchmark::DoNotOptimize(chart.region);
    }
}
BENCHMARK(BM_ContourShading)->Arg(100)->Arg(20)->Unit(benchmark::kMillisecond);

// One paint of the plane, 860 × 680 pixels, with lines of constant centre distance.
void BM_ContourPaint(benchmark::State& state) {
    const gp::ContourChart chart = gp::contour_chart(pair("20", "40", "60"), gp::ShiftWindow{});
    QImage image(860, 680, QImage::Format_RGB32);
    const QRectF area(0, 0, 860, 680);
    const QRectF frame = gp::chart_frame(area, 17);
    const gp::PlotAxes axes =
        gp::chart_axes(frame, QPointF(0.5, 0.5), gp::fitting_scale(frame, gp::ShiftWindow{}));
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        gp::paint_contour_chart(painter, area, axes, chart, std::nullopt, 13);
    }
}
BENCHMARK(BM_ContourPaint)->Unit(benchmark::kMillisecond);

}  // namespace
