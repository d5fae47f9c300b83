// The mesh picture window on Qt's offscreen platform: from the sheet's numbers to
// the first painted window, and one repaint after the slider moved.
#include <benchmark/benchmark.h>

#include <QSlider>
#include <variant>

#include "geometry_numbers.h"
#include "mesh_scene_of.h"
#include "mesh_view.h"
#include "mesh_window.h"
#include "qt_file_dialogs.h"
#include "report_dialogs.h"

namespace {

// Desktop services that are never asked: the window only paints here.
struct Silent : gp::MessageBoxes, gp::ReportPrinter, gp::ReportFiles, gp::Clock, gp::ReportDialogs {
    void show(const std::string&, const std::string&, gp::MessageIcon,
              const std::string&) override {}
    bool confirm(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    gp::PrintOutcome print(const gp::ReportDocument&) override { return {}; }
    gp::PrintOutcome print_drawing(const gp::PageDrawing&) override { return {}; }
    gp::SaveOutcome append(gp::ReportKind, std::string_view) override { return {}; }
    std::string path(gp::ReportKind) const override { return {}; }
    gp::ReportStamp now() override { return {}; }
    gp::DialogOutcome preview(const gp::ReportDocument&) override { return {}; }
    gp::DialogOutcome print_to(const gp::ReportDocument&) override { return {}; }
    gp::DialogOutcome export_pdf(const gp::ReportDocument&) override { return {}; }
};

// The worked spur pair of the README: z 20/40, mn 2, a 60.
gp::GearPairInput spur_pair() {
    gp::GearPairInput in;
    const std::pair<const char*, const char*> texts[] = {
        {"zxja", "60"},   {"fmn", "2"},     {"fjafn", "20"},   {"lxjbt", "0"},    {"ckbw", "30"},
        {"h0", "1"},      {"c0", "0.25"},   {"nj", "10"},      {"cs1z1", "20"},   {"cs2z2", "40"},
        {"ess1", "-0.1"}, {"ess2", "-0.1"}, {"esi1", "-0.2"},  {"esi2", "-0.2"},  {"fr1", "0.05"},
        {"fr2", "0.05"},  {"xng1", "0.08"}, {"xng2", "-0.08"}, {"cgyj1", "0.76"}, {"cgyj2", "0.76"},
        {"ck1", "30"},    {"ck2", "30"}};
    for (const auto& [name, text] : texts) in.*(gp::find_input_field(name)->text) = text;
    return in;
}

gp::GeometryNumbers spur_numbers(const gp::GearPairInput& in) {
    return std::get<gp::GeometryNumbers>(gp::compute_geometry_numbers(in));
}

// From the kept numbers to the window's first paint: outlines, scene, widgets, paint.
void BM_MeshWindowFirstPaint(benchmark::State& state) {
    const gp::GearPairInput in = spur_pair();
    const gp::GeometryNumbers numbers = spur_numbers(in);
    Silent s;
    gp::QtFileDialogs dialogs;  // never asked: the benchmarks save nothing
    for (auto _ : state) {
        gp::MeshPicture picture = gp::mesh_picture(numbers, in);
        gp::MeshWindow w(std::move(picture.scene), std::move(picture.outlines), {s, s, s, s, s},
                         dialogs);
        w.resize(1180, 720);
        benchmark::DoNotOptimize(w.grab());
    }
}
BENCHMARK(BM_MeshWindowFirstPaint)->Unit(benchmark::kMillisecond);

// One frame of turning: the picture repainted at a new slider position.
void BM_MeshViewRepaint(benchmark::State& state) {
    const gp::GearPairInput in = spur_pair();
    gp::MeshPicture picture = gp::mesh_picture(spur_numbers(in), in);
    Silent s;
    gp::QtFileDialogs dialogs;  // never asked: the benchmarks save nothing
    gp::MeshWindow w(std::move(picture.scene), std::move(picture.outlines), {s, s, s, s, s},
                     dialogs);
    w.resize(1180, 720);
    w.grab();
    int step = 0;
    for (auto _ : state) {
        w.slider()->setValue(step++ % w.slider()->maximum());
        benchmark::DoNotOptimize(w.view()->grab());
    }
}
BENCHMARK(BM_MeshViewRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
