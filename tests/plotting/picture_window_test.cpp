// The picture windows' shared page: saved as SVG or PNG by the name's suffix (or the
// filter chosen), a file that cannot be written reported rather than passed off as
// saved, and printing's outcomes told the user; through the platform's fakes.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "fake_clock.h"
#include "fake_file_dialogs.h"
#include "fake_message_boxes.h"
#include "fake_report_dialogs.h"
#include "fake_report_files.h"
#include "fake_report_printer.h"
#include "picture_window.h"

using namespace gp;

namespace {

std::string printed_to(const std::string& why, const std::string& pdf) { return why + " → " + pdf; }
std::string not_printed(const std::string& why) { return "not printed: " + why; }

// A page with a black square in its upper left quarter.
class SquareWindow : public PictureWindow {
  public:
    using PictureWindow::PictureWindow;

  protected:
    PagePainter page_painter() const override {
        return [](QPainter& painter, const QRectF& page) {
            painter.fillRect(QRectF(0, 0, page.width() / 2, page.height() / 2), Qt::black);
        };
    }
    QString page_caption() const override { return QStringLiteral("square"); }
    QString picture_file_name() const override { return QStringLiteral("square.svg"); }
};

}  // namespace

class PictureWindowTest : public QObject {
    Q_OBJECT

    FakeMessageBoxes boxes;
    FakeReportPrinter printer;
    FakeReportFiles files;
    FakeClock clock;
    FakeReportDialogs report_dialogs;
    FakeFileDialogs dialogs;

  private slots:
    void the_page_is_saved_as_its_name_says_and_printed() {
        SquareWindow w({"title", &printed_to, &not_printed, "save title"},
                       {boxes, printer, files, clock, report_dialogs}, dialogs);
        QTemporaryDir dir;
        // Typed name, filter left chosen → file written (and what it holds).
        const struct {
            const char* typed;
            std::size_t filter;
            const char* written;
        } cases[] = {{"a", 0, "a.svg"}, {"b", 1, "b.png"}, {"c.txt", 1, "c.txt.png"},
                     {"d.PNG", 0, "d.PNG"}, {"e.svg", 1, "e.svg"}};
        for (const auto& c : cases) {
            dialogs.save_choices.push_back(
                SaveChoice{dir.filePath(QString::fromUtf8(c.typed)).toStdString(), c.filter});
            w.ask_and_save_picture();
            const QString path = dir.filePath(QString::fromUtf8(c.written));
            QVERIFY2(QFile::exists(path), c.written);
            if (path.endsWith(QLatin1String("svg"))) {
                QVERIFY2(QSvgRenderer(path).isValid(), c.written);
            } else {
                const QImage image(path);
                QCOMPARE(image.size(), kPicturePageSize);
                QCOMPARE(image.pixelColor(10, 10), QColor(Qt::black));
                QCOMPARE(image.pixelColor(kPicturePageSize.width() - 10, 10), QColor(Qt::white));
            }
        }
        QCOMPARE(dialogs.offered_filters.size(), std::size_t{2});
        QVERIFY(boxes.shown.empty());
        // Nowhere to write, a kind it cannot write: said, and nothing left behind.
        for (const char* bad : {"missing/x.svg", "x.bmp"}) {
            QVERIFY(w.save_picture(dir.filePath(QString::fromUtf8(bad))).has_value());
            QVERIFY(!QFile::exists(dir.filePath(QString::fromUtf8(bad))));
        }
        dialogs.save_choices.push_back(SaveChoice{dir.filePath("missing/y").toStdString(), 0});
        w.ask_and_save_picture();
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(boxes.shown.back().icon, MessageIcon::Warning);

        // Printed: nothing said; as a PDF or not at all: said, with where or why.
        const std::pair<PrintOutcome, std::string> outcomes[] = {
            {PrintOutcome{PrintOutcome::Kind::Printed, "", ""}, ""},
            {PrintOutcome{PrintOutcome::Kind::SavedAsPdf, "/tmp/x.pdf", "no printer"},
             "no printer → /tmp/x.pdf"},
            {PrintOutcome{PrintOutcome::Kind::Failed, "", "disk full"}, "not printed: disk full"}};
        for (const auto& [outcome, told] : outcomes) {
            const std::size_t before = boxes.shown.size();
            printer.outcome = outcome;
            w.print_picture();
            QCOMPARE(printer.drawings.back(), std::string("title"));
            QCOMPARE(printer.last_drawing.pixelColor(10, 10), QColor(Qt::black));
            QCOMPARE(boxes.shown.size(), before + (told.empty() ? 0 : 1));
            if (!told.empty()) QCOMPARE(boxes.shown.back().text, told);
        }
    }
};

QTEST_MAIN(PictureWindowTest)
#include "picture_window_test.moc"
