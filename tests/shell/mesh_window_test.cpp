// The mesh picture, opened as the user opens it: from a computed geometry sheet.
// Turning it must keep a pair of flanks touching on the line of action; what it
// saves, prints and exports must be files that their readers accept.
#include "mesh_window.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <cmath>
#include <set>

#include "geometry_numbers.h"
#include "geometry_sheet.h"
#include "mesh_painting.h"
#include "mesh_scene_of.h"
#include "mesh_view.h"
#include "outline_csv.h"
#include "pair_profile.h"
#include "sliding_plot.h"
#include "messages/mesh.h"
#include "messages/profile.h"
#include "qt_text.h"
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

GearPairInput input_of(const FormTexts& texts) {
    GearPairInput in;
    for (const auto& [name, text] : texts) {
        if (const auto field = find_input_field(name)) in.*(field->text) = text;
    }
    return in;
}

bool finite_point(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// No box of `boxes` overlaps another.
bool apart(const std::vector<QRectF>& boxes, QString& which) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j])) {
                which = QStringLiteral("boxes %1 and %2").arg(i).arg(j);
                return false;
            }
        }
    }
    return true;
}

// Every pair of the golden cases, and some absurd ones that the geometry still
// computes.
std::vector<FormTexts> pairs_to_draw() {
    std::vector<FormTexts> out;
    QFile file(QStringLiteral(GEARPAIR_GOLDEN_DIR "/cases.csv"));
    if (!file.open(QIODevice::ReadOnly)) return out;
    const std::string header = file.readLine().trimmed().toStdString();
    while (!file.atEnd()) {
        const std::string row = file.readLine().trimmed().toStdString();
        if (!row.empty()) out.push_back(form_from_csv(header, row));
    }
    const std::vector<std::pair<const char*, const char*>> absurd[] = {
        {{"cs2z2", "10000"}, {"zxja", "10020"}},         // a 10,000-tooth wheel
        {{"fmn", "1e-6"}, {"zxja", "0.00006"}},          // a module of a nanometre
        {{"cgyj1", "5"}},                                // no room for the rounding
        {{"cgyj1", ""}, {"cgyj2", ""}},                  // 0.38 × module
        {{"cs1z1", "5"}, {"zxja", "45"}, {"xng1", ""}},  // heavily undercut
        {{"cs1z1", "12"}, {"xng1", "1.0"}, {"xng2", "-1.0"}, {"zxja", "52"}},  // pointed tips
    };
    for (const auto& changes : absurd) {
        FormTexts f = spur_example();
        for (const auto& [name, text] : changes) f[name] = text;
        out.push_back(f);
    }
    return out;
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

        // The view: it opens on the contact zone; the wheel zooms about the cursor,
        // dragging pans, a double click shows the whole pair; 播放 turns it.
        MeshView* view = w->view();
        const QRectF start = view->visible_area();
        QVERIFY(start.contains(scene.c));
        QVERIFY(!start.contains(scene.whole()));
        const QPointF cursor(view->width() * 0.3, view->height() * 0.6);
        const QPointF under = view->place().to_pixels(view->size()).inverted().map(cursor);
        QWheelEvent wheel(cursor, view->mapToGlobal(cursor), {}, QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QVERIFY(view->visible_area().width() < start.width() * 0.7);
        const QPointF still = view->place().to_pixels(view->size()).map(under);
        QVERIFY(std::hypot(still.x() - cursor.x(), still.y() - cursor.y()) < 0.5);
        const QPointF before = view->place().centre;
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(view, QPoint(260, 200));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(260, 200));
        QVERIFY(view->place().centre.x() < before.x());  // the drawing went right
        QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(view->visible_area().adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(scene.whole()));
        const int at = w->slider()->value();
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("播放")) b->click();
        }
        QTRY_VERIFY(w->slider()->value() != at);

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
        if (exported && exported->contains(qt(msg::kDxfNotAvailable)))
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

    // Whatever the geometry computes gets a picture with finite coordinates or the
    // profile core's message in its place, and both paint.
    void every_computed_pair_draws_or_says_why_not() {
        const auto pairs = pairs_to_draw();
        QVERIFY(pairs.size() > 100);
        int drawn = 0, refused = 0;
        std::set<std::string> refusals;
        QImage page(620, 877, QImage::Format_RGB32);
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            const GearPairInput in = input_of(pairs[k]);
            const auto numbers = compute_geometry_numbers(in);
            if (!std::holds_alternative<GeometryNumbers>(numbers)) continue;
            const MeshPicture picture = mesh_picture(std::get<GeometryNumbers>(numbers), in);
            const MeshScene& scene = picture.scene;
            const QString where = QStringLiteral("pair %1: ").arg(k + 1);
            if (!scene.refusal.isEmpty()) {
                ++refused;
                refusals.insert(scene.refusal.toStdString());
                QVERIFY2(!scene.refusal.contains(QLatin1String("nan")),
                         qPrintable(where + scene.refusal));
            } else {
                ++drawn;
                for (const GearScene& g : scene.gears) {
                    QVERIFY2(g.outline.size() >= 3, qPrintable(where));
                    QVERIFY2(std::all_of(g.outline.begin(), g.outline.end(), finite_point),
                             qPrintable(where));
                    QVERIFY2(std::isfinite(g.angle0) && std::isfinite(g.rate), qPrintable(where));
                }
                for (QPointF p : {scene.t1, scene.t2, scene.a, scene.b, scene.c, scene.d, scene.e})
                    QVERIFY2(finite_point(p), qPrintable(where));
                QVERIFY2(std::isfinite(scene.ae) && scene.travel > 0, qPrintable(where));
                for (std::size_t i = 0; i < scene.sliding.s.size(); ++i) {
                    QVERIFY2(std::isfinite(scene.sliding.zeta1[i]) &&
                                 std::isfinite(scene.sliding.zeta2[i]),
                             qPrintable(where));
                }
            }
            // Painting every fifth golden pair, every refusal and the absurd ones is
            // enough to meet every kind of picture.
            const bool absurd = k + 6 >= pairs.size();
            if (k % 5 != 0 && scene.refusal.isEmpty() && !absurd) continue;
            page.fill(Qt::white);
            QPainter painter(&page);
            paint_mesh_page(painter, QRectF(page.rect()), scene,
                            scene.refusal.isEmpty() ? scene.contact_zone() : QRectF(-1, -1, 2, 2),
                            0.5);
        }
        QVERIFY(drawn > 100);
        qInfo("%d pairs drawn, %d refused with a message", drawn, refused);
        for (const std::string& r : refusals) qInfo("refused: %s", r.c_str());
    }

    // Saving and exporting ask the injected dialogs. A name with a suffix of the
    // dialog's kinds is written as that kind; any other name (none, "x.txt") as the
    // kind of the filter left chosen, with its suffix added: the bytes are always
    // those of the kind the file's name says.
    void a_saved_file_holds_the_kind_its_name_says() {
        ShellHarness h;
        MeshWindow* w = open(h, spur_example());
        QVERIFY(w != nullptr);
        QPushButton* save = nullptr;
        QPushButton* export_button = nullptr;
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->text() == qt(msg::mesh::kSavePicture)) save = b;
            if (b->text() == qt(msg::mesh::kExportOutline)) export_button = b;
        }
        QVERIFY(save && export_button && export_button->menu());
        QTemporaryDir dir;
        const struct {
            bool picture;
            const char* typed;
            std::size_t filter;  // index of the filter left chosen
            const char* written;
        } cases[] = {
            {false, "a.txt", 0, "a.txt.dxf"}, {false, "b", 2, "b.csv"},
            {false, "c.SVG", 0, "c.SVG"},     {false, "d.csv", 1, "d.csv"},
            {true, "e.txt", 1, "e.txt.png"},  {true, "f", 0, "f.svg"},
            {true, "g.png", 0, "g.png"},
        };
        for (const auto& c : cases) {
            h.file_dialogs.save_choices.push_back(
                SaveChoice{dir.filePath(QString::fromUtf8(c.typed)).toStdString(), c.filter});
            if (c.picture) {
                save->click();
            } else {
                export_button->menu()->actions().at(0)->trigger();
            }
            QCOMPARE(h.file_dialogs.offered_filters.size(), std::size_t{c.picture ? 2u : 3u});
            const QString written = dir.filePath(QString::fromUtf8(c.written));
            const QString suffix = QFileInfo(written).suffix().toLower();
            const QString reference = dir.filePath(QStringLiteral("reference.") + suffix);
            const auto made =
                c.picture ? w->save_picture(reference)
                          : w->export_outline(0,
                                              suffix == QLatin1String("svg")   ? OutlineFormat::Svg
                                              : suffix == QLatin1String("csv") ? OutlineFormat::Csv
                                                                               : OutlineFormat::Dxf,
                                              reference);
            if (made && made->contains(qt(msg::kDxfNotAvailable))) continue;
            QVERIFY2(!made.has_value(), c.typed);
            QFile file(written), expected(reference);
            QVERIFY2(file.open(QIODevice::ReadOnly), c.written);
            QVERIFY(expected.open(QIODevice::ReadOnly));
            // The kind shows in the opening bytes (a DXF's handles vary from one
            // export to the next).
            QVERIFY2(file.read(64) == expected.read(64), c.written);
        }
        // A cancelled dialog writes nothing.
        const auto files = QDir(dir.path()).entryList(QDir::Files).size();
        save->click();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
    }

    // No text of the picture covers another or the legend: over the golden pairs, at
    // the view the window opens on and at 适合窗口, in a small window's view and on a
    // page's picture with its legend; the sliding plot's texts likewise.
    void no_two_labels_overlap() {
        const auto pairs = pairs_to_draw();
        QPicture image;  // records what is painted: the texts' places, without the pixels
        int checked = 0;
        double shown = 0;
        for (std::size_t k = 0; k + 6 < pairs.size(); ++k) {
            const GearPairInput in = input_of(pairs[k]);
            const auto numbers = compute_geometry_numbers(in);
            if (!std::holds_alternative<GeometryNumbers>(numbers)) continue;
            const MeshScene scene = mesh_picture(std::get<GeometryNumbers>(numbers), in).scene;
            if (!scene.refusal.isEmpty()) continue;
            ++checked;
            for (const auto& [size, legend] : {std::pair{QSizeF(420, 300), false},
                                               std::pair{QSizeF(900, 640), true}}) {
                for (const QRectF& view : {scene.contact_zone(), scene.whole()}) {
                    QPainter painter(&image);
                    LabelBoxes boxes;
                    paint_mesh(painter, scene, ViewPlace::fitting(view, size).to_pixels(size),
                               QRectF(QPointF(0, 0), size), 0.3, 12, legend, &boxes);
                    QString which;
                    QVERIFY2(apart(boxes, which),
                             qPrintable(QStringLiteral("pair %1: ").arg(k + 1) + which));
                    if (legend && view == scene.contact_zone()) shown += double(boxes.size());
                }
                QPainter painter(&image);
                std::vector<QRectF> boxes;
                paint_sliding_plot(painter, QRectF(QPointF(0, 0), size), scene.sliding, 13,
                                   contacts_at(scene, 0.3), &boxes);
                QString which;
                QVERIFY2(apart(boxes, which),
                         qPrintable(QStringLiteral("plot of pair %1: ").arg(k + 1) + which));
            }
        }
        QVERIFY(checked > 100);
        // The legend, the seven points' letters and AE with εα, and most circles'
        // names, on the page's view of the contact zone.
        qInfo("%.1f texts on a page's contact zone on average", shown / checked);
        QVERIFY(shown / checked > 12);
    }

    // The slider shows the pinion's turn and the sliding plot where the teeth touch;
    // the save and export names come from the drawing numbers, the outline at the
    // thickness chosen as the batch tool cuts it; the page carries the drawing numbers
    // and the clock's moment as the reports do.
    void the_window_says_where_it_stands_and_names_its_files() {
        ShellHarness h;
        MeshWindow* w = open(h, spur_example());
        QVERIFY(w != nullptr);
        const MeshScene& scene = w->scene();
        QList<double> turned;
        for (int step : {0, 3, 7}) {
            w->slider()->setValue(w->slider()->maximum() * step / 10);
            const double degrees = scene.travel * w->position() / scene.gears[0].rb * 180 / M_PI;
            QVERIFY2(w->angle_label()->text().contains(QString::number(degrees, 'f', 2)),
                     qPrintable(w->angle_label()->text()));
            const auto& contacts = w->sliding_plot()->contacts();
            QVERIFY(!contacts.empty());
            for (double s : contacts) QVERIFY(s >= 0 && s <= scene.ae + 1e-9);
            turned << contacts.front();
        }
        QVERIFY(turned[0] != turned[1] && turned[1] != turned[2]);

        QTemporaryDir dir;
        QPushButton* save = nullptr;
        QPushButton* export_button = nullptr;
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->text() == qt(msg::mesh::kSavePicture)) save = b;
            if (b->text() == qt(msg::mesh::kExportOutline)) export_button = b;
        }
        const auto offered = [&] {
            const std::string& asked = h.file_dialogs.asked.back();
            return QFileInfo(QString::fromStdString(asked.substr(asked.find(' ') + 1))).fileName();
        };
        h.file_dialogs.save_choices.push_back(SaveChoice{dir.filePath("page.svg").toStdString(), 0});
        save->click();
        QCOMPARE(offered(), QStringLiteral("B-1_B-2_啮合图.svg"));
        QFile page(dir.filePath("page.svg"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(page.readAll());
        QVERIFY(svg.contains(QStringLiteral(">B-1 / B-2<")));  // after "图号", a run of its own
        QVERIFY(svg.contains(QStringLiteral("2026/12/7 14:03:05")));

        const GearPairInput in = input_of(spur_example());
        for (const auto& [k, choice, name] :
             {std::tuple{0, ThicknessChoice::Nominal, "B-2_从动齿轮_齿形.dxf"},
              std::tuple{1, ThicknessChoice::Upper, "B-2_从动齿轮_齿形_上偏差.dxf"},
              std::tuple{3, ThicknessChoice::Mean, "B-2_从动齿轮_齿形_平均.dxf"}}) {
            for (QAction* a : export_button->menu()->actions()) {
                if (a->text() == qt(msg::mesh::thickness_action(k))) a->trigger();
            }
            QCOMPARE(w->thickness(), choice);
            const QString path = dir.filePath(QStringLiteral("wheel%1.csv").arg(k));
            h.file_dialogs.save_choices.push_back(SaveChoice{path.toStdString(), 2});
            export_button->menu()->actions().at(1)->trigger();
            QCOMPARE(offered(), QString::fromUtf8(name));
            const auto profile = std::get<PairProfile>(pair_profile(in, {choice}));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll().toStdString(),
                     std::string(kOutlineCsvHeader) + "\n" +
                         outline_csv_lines(std::get<GearOutline>(profile.outlines[1]), 1));
        }
    }

    // With the root fillet fields empty a 25° pair draws: its racks take the largest
    // rounding that fits, and the legend says which radius that was.
    void an_empty_fillet_field_draws_with_a_radius_that_fits() {
        FormTexts form = spur_example();
        form["fjafn"] = "25";
        form["cgyj1"] = form["cgyj2"] = "";
        const GearPairInput in = input_of(form);
        const auto n = std::get<GeometryNumbers>(compute_geometry_numbers(in));
        const MeshScene scene = mesh_picture(n, in).scene;
        QVERIFY2(scene.refusal.isEmpty(), qPrintable(scene.refusal));
        const auto p = std::get<PairProfile>(pair_profile(in));
        const QString notes = scene.notes.join(QLatin1Char('\n'));
        for (int i = 0; i < kGears; ++i) {
            QVERIFY(p.rounding[i].fitted);
            // One line for both gears when their radii agree, else one for each.
            const std::string radius = QString::number(p.rounding[i].radius, 'g', 6).toStdString();
            QVERIFY2(notes.contains(qt(msg::mesh::fitted_rounding("0.76", radius))), qPrintable(notes));
        }
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
