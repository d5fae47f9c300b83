// One journey on the real desktop services: real message boxes (answered by a
// watcher that presses OK), the real printer (a PDF when there is no printer) and
// real report files in a temporary home folder.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "qt_message_boxes.h"
#include "qt_report_dialogs.h"
#include "qt_report_files.h"
#include "qt_report_printer.h"
#include "shell_harness.h"
#include "system_clock.h"

using namespace gp;
using namespace gp::testing;

namespace {

// Presses OK on every message box that comes up, noting its title and text.
class OkPresser : public QObject {
  public:
    OkPresser() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            seen.push_back(box->windowTitle() + QLatin1Char('|') + box->text());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        timer_.start(20);
    }
    QStringList seen;

  private:
    QTimer timer_;
};

}  // namespace

class RealDesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void compute_print_save_and_leave() {
        QTemporaryDir home;
        const QString geometry =
            QDir(home.path()).filePath(QStringLiteral("齿轮参数结果Tolmaren.txt"));
        QtMessageBoxes boxes;
        QtReportPrinter printer(home.path());
        QtReportFiles files(geometry, QDir(home.path()).filePath(QStringLiteral("s.txt")));
        SystemClock clock;
        QtReportDialogs dialogs;
        int ends = 0;
        Shell shell(DesktopServices{boxes, printer, files, clock, dialogs}, [&] { ++ends; });
        shell.start();
        OkPresser ok;

        InputForm& form = *shell.form();
        form.field(&GearPairInput::zxja)->setText(QStringLiteral("60"));
        QTest::mouseClick(form.button(FormButton::ComputeGeometry), Qt::LeftButton);
        QCOMPARE(ok.seen, QStringList{QStringLiteral("提示|您输入的参数不完全，请继续输入")});
        ok.seen.clear();

        for (const auto& [name, text] : spur_example()) {
            form.field(find_input_field(name)->text)->setText(QString::fromStdString(text));
        }
        QTest::mouseClick(form.button(FormButton::ComputeGeometry), Qt::LeftButton);
        GeometrySheetWindow* jg = shell.geometry_sheet();
        QVERIFY(jg && jg->isVisible());
        QTest::mouseClick(jg->button(SheetButton::Save), Qt::LeftButton);
        QTest::mouseClick(jg->button(SheetButton::Print), Qt::LeftButton);
        QVERIFY(QFile(geometry).size() > 0);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            QCOMPARE(ok.seen.size(), 1);  // where the PDF went
            QVERIFY(ok.seen[0].startsWith(QStringLiteral("提示|计算单未能打印")));
            QCOMPARE(QDir(home.path()).entryList({QStringLiteral("*.pdf")}).size(), 1);
        }
        ok.seen.clear();

        QTest::mouseClick(jg->button(SheetButton::Exit), Qt::LeftButton);
        QCOMPARE(ends, 1);
        QCOMPARE(ok.seen.size(), 1);
        QCOMPARE(ok.seen[0],
                 QStringLiteral("齿轮参数及强度计算|计算的相应结果已经储存到") +
                     QDir::toNativeSeparators(geometry) +
                     QStringLiteral(
                         "中，请前往查看\n请注意，为了避免混乱，请您将该文件改名另存。谢谢合作"));
    }
};

GEARPAIR_GUI_TEST_MAIN(RealDesktopTest)

#include "real_desktop_test.moc"
