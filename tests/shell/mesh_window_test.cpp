// The mesh picture, opened as the user opens it: from a computed geometry sheet.
// Turning it must keep a pair of flanks touching on the line of action; what it
// saves, prints and exports must be files that their readers accept.
#include "mesh_window.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>

#include "geometry_sheet.h"
#include "mesh_view.h"
#include "messages.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

// The DXF as its reader sees it: polylines with their vertex counts and layers.
struct DxfPolylines : DL_CreationAdapter {
    struct Polyline {
        std::string layer;
        bool closed = false;
        int vertices = 0;
    };
    std::vector<Polyline> polylines;
    void addPolyline(const DL_PolylineData& data) override {
        polylines.push_back({getAttributes().getLayer(), (data.flags & 1) != 0, 0});
    }
    void addVertex(const DL_VertexData&) override {
        if (!polylines.empty()) ++polylines.back().vertices;
    }
};

// Distance from p to the nearest chord of a closed polygon.
double distance_to(const QPolygonF& polygon, QPointF p) {
    double best = INFINITY;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const QPointF ab = b - a;
        const double len2 = QPointF::dotProduct(ab, ab);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0;
        const QPointF q = a + t * ab;
        best = std::min(best, std::hypot(p.x() - q.x(), p.y() - q.y()));
    }
    return best;
}

QPolygonF placed_outline(const GearScene& g, double travel) {
    QTransform t;
    t.translate(g.centre.x(), g.centre.y());
    t.rotateRadians(g.angle0 + g.rate * travel);
    return t.map(g.outline);
}

}  // namespace

class MeshWindowTest : public QObject {
    Q_OBJECT

    MeshWindow* open(ShellHarness& h, const FormTexts& form) {
        h.fill(form);
        h.click(FormButton::ComputeGeometry);
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        if (!jg || !jg->isVisible()) return nullptr;
        h.click(jg->mesh_button());
        return h.shell().mesh_window();
    }

  private slots:
    void the_sheets_pair_turns_in_mesh_and_saves_its_picture_and_outline() {
        ShellHarness h;
        MeshWindow* w = open(h, spur_example());
        QVERIFY(w != nullptr);
        QVERIFY(w->isVisible());
        const MeshScene& scene = w->scene();
        QVERIFY2(scene.refusal.isEmpty(), qPrintable(scene.refusal));
        // The picture's contact ratio is the sheet's, unrounded.
        const QString epsp = h.shell().geometry_sheet()->value_label("epsp")->text();
        QCOMPARE(QString::number(std::floor(scene.eps_alpha * 1e5 + 0.5) / 1e5, 'g', 15), epsp);

        // Over the slider's whole range every contact on the path A..E lies on a
        // flank of each gear: the teeth neither part nor cut into each other.
        const QPointF along = (scene.e - scene.a) / scene.ae;
        for (int step = 0; step <= 10; ++step) {
            w->slider()->setValue(w->slider()->maximum() * step / 10);
            w->view()->grab();  // paints at this position
            const double travel = scene.travel * w->position();
            const double first = travel - std::floor(travel / scene.pbt) * scene.pbt;
            int contacts = 0;
            for (double s = first; s <= scene.ae; s += scene.pbt, ++contacts) {
                const QPointF at = scene.a + along * s;
                for (const GearScene& g : scene.gears) {
                    const double gap = distance_to(placed_outline(g, travel), at);
                    QVERIFY2(gap < 0.01,
                             qPrintable(QStringLiteral("step %1, s %2: %3 mm off a flank")
                                            .arg(step)
                                            .arg(s)
                                            .arg(gap)));
                }
            }
            QVERIFY(contacts >= 1);
        }

        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("啮合图.svg"));
        const QString png = dir.filePath(QStringLiteral("啮合图.png"));
        QVERIFY(!w->save_picture(svg).has_value());
        QVERIFY(!w->save_picture(png).has_value());
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QVERIFY(renderer.viewBoxF().width() > 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1240, 1754));
        // A file that cannot be written is reported, not passed off as saved.
        QVERIFY(w->save_picture(dir.filePath(QStringLiteral("missing/啮合图.svg"))).has_value());
        QVERIFY(w->save_picture(dir.filePath(QStringLiteral("啮合图.bmp"))).has_value());

        const QString dxf = dir.filePath(QStringLiteral("gear1.dxf"));
        const auto exported = w->export_outline(0, OutlineFormat::Dxf, dxf);
        if (exported && exported->contains(QString::fromUtf8(msg::kDxfNotAvailable)))
            QSKIP("this build writes no DXF");
        QVERIFY2(!exported.has_value(), qPrintable(exported.value_or(QString())));
        DxfPolylines read;
        DL_Dxf reader;
        QVERIFY(reader.in(QFile::encodeName(dxf).toStdString(), &read));
        const auto gear = std::find_if(read.polylines.begin(), read.polylines.end(),
                                       [](const auto& p) { return p.layer == "GEAR1"; });
        QVERIFY(gear != read.polylines.end());
        QVERIFY(gear->closed);
        QCOMPARE(gear->vertices, static_cast<int>(scene.gears[0].outline.size()));

        // Printing goes the reports' way: here to the recording printer.
        h.printer.outcome =
            PrintOutcome{PrintOutcome::Kind::SavedAsPdf, "/tmp/x.pdf", "没有安装打印机"};
        w->print_picture();
        QCOMPARE(h.printer.drawings.size(), std::size_t{1});
        QVERIFY(!h.printer.last_drawing.isNull());
        QVERIFY(h.boxes.shown.back().text.find("/tmp/x.pdf") != std::string::npos);

        // Returning to the form closes the picture of a pair no longer on show.
        h.click(h.shell().geometry_sheet()->button(SheetButton::Return));
        QVERIFY(h.shell().mesh_window() == nullptr);
    }

    void a_pair_the_profile_cannot_draw_shows_why_in_the_pictures_place() {
        ShellHarness h;
        FormTexts form = spur_example();
        form["cgyj1"] = "-1";  // the sheet does not read it; the outline cannot use it
        MeshWindow* w = open(h, form);
        QVERIFY(w != nullptr);
        QVERIFY(!w->scene().refusal.isEmpty());
        QCOMPARE(w->faults_label()->text(), w->scene().refusal);
        QVERIFY(!w->view()->grab().isNull());
        QVERIFY(!w->slider()->isEnabled());
        QVERIFY(
            w->export_outline(0, OutlineFormat::Csv, QStringLiteral("/tmp/never.csv")).has_value());
    }
};

GEARPAIR_GUI_TEST_MAIN(MeshWindowTest)
#include "mesh_window_test.moc"
