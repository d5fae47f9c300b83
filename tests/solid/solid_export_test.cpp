// The mesh window's 导出三维模型 (STEP)…: the names offered, the thickness shared with
// the outline's export, the file written, and a refused request explained.
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "batch_input.h"
#include "fake_clock.h"
#include "fake_file_dialogs.h"
#include "fake_message_boxes.h"
#include "fake_report_dialogs.h"
#include "fake_report_files.h"
#include "fake_report_printer.h"
#include "mesh_scene_of.h"
#include "mesh_window.h"
#include "messages/mesh.h"
#include "messages/solid.h"
#include "qt_text.h"
#include "solid_export.h"

namespace gp {

class SolidExportTest : public QObject {
    Q_OBJECT

    FakeMessageBoxes boxes;
    FakeReportPrinter printer;
    FakeReportFiles files;
    FakeClock clock;
    FakeReportDialogs report_dialogs;
    FakeFileDialogs dialogs;

    std::unique_ptr<MeshWindow> window_of(const GearPairInput& in) {
        const auto n = std::get<GeometryNumbers>(compute_geometry_numbers(in));
        MeshPicture p = mesh_picture(n, in);
        return std::make_unique<MeshWindow>(std::move(p.scene), std::move(p.outlines),
                                            DesktopServices{boxes, printer, files, clock, report_dialogs},
                                            dialogs);
    }

  private slots:
    void exports_the_gears_and_the_pair_named_by_drawing_number() {
        GearPairInput in = read_batch(
            "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,cgyj1,"
            "cgyj2,ck1,ck2,th1,th2\n"
            "60,2,20,0,30,1,0.25,10,20,40,-0.1,-0.1,-0.2,-0.2,0.05,0.05,0.76,0.76,30,30,P-101,"
            "P-102\n")[0].input;
        auto w = window_of(in);
        auto* button = w->findChild<QPushButton*>(QStringLiteral("exportsolid"));
        QVERIFY(button && button->isEnabled());
        QTemporaryDir dir;
        const auto offered = [&] {
            const std::string& asked = dialogs.asked.back();
            return QFileInfo(QString::fromStdString(asked.substr(asked.find(' ') + 1))).fileName();
        };
        // The thickness chosen in this menu is the window's one choice.
        for (QAction* a : button->menu()->actions()) {
            if (a->text() == qt(msg::mesh::thickness_action(1))) a->trigger();
        }
        QCOMPARE(w->thickness(), ThicknessChoice::Upper);
        const char* names[] = {"P-101_主动齿轮_三维模型_上偏差.step", "P-102_从动齿轮_三维模型_上偏差.step",
                               "P-101_P-102_啮合图_三维模型_上偏差.step"};
        for (int which : {1, 2}) {
            const QString path = dir.filePath(QStringLiteral("g%1").arg(which));
            dialogs.save_choices.push_back(SaveChoice{path.toStdString(), 0});
            button->menu()->actions().at(which)->trigger();
            QCOMPARE(offered(), QString::fromUtf8(names[which]));
            QFile file(path + QStringLiteral(".step"));  // the suffix added
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray step = file.readAll();
            QVERIFY(step.startsWith("ISO-10303-21;"));
            QCOMPARE(step.count("PRODUCT('"), which == 2 ? 2 : 1);
        }
        QVERIFY(boxes.shown.empty());

        // A face width that is no number: no file, and the reason.
        in.ck2 = "abc";
        auto refused = window_of(in);
        dialogs.save_choices.push_back(SaveChoice{dir.filePath("never.step").toStdString(), 0});
        export_solid(*refused, dialogs, boxes, 1);
        QVERIFY(!QFile::exists(dir.filePath("never.step")));
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown[0].text, msg::solid::not_exported(msg::solid::bad_face_width(1, "abc")));
    }
};

}  // namespace gp

QTEST_MAIN(gp::SolidExportTest)
#include "solid_export_test.moc"
