// The print dialogs' Qt side: the preview shows the pages the printer gets, the
// exported PDF holds them, and a chosen page range prints only those pages.
#include <QApplication>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "geometry_report.h"
#include "qt_report_dialogs.h"
#include "qt_report_printer.h"
#include "report_fixtures.h"
#include "report_lines.h"
#include "report_painter.h"
#include "strength_report.h"

using namespace gp;

namespace {

const ReportStamp kStamp{"2026/12/7", "14:03:05"};

int pdf_pages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"));
}

// A report of `rows` rows: the page breaks where the rows run out of paper.
ReportDocument rows_report(int rows) {
    ReportDocument doc;
    doc.title = "齿  轮  计  算  单";
    for (int i = 0; i < rows; ++i) {
        doc.lines.push_back(pair_row_line(13, "        中心距        ", std::to_string(i), "60"));
    }
    return doc;
}

}  // namespace

class ReportDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void preview_and_pdf_show_the_printed_pages_data() {
        using namespace gp::testing;
        QTest::addColumn<ReportDocument>("doc");
        QTest::addColumn<int>("pages");
        QTest::newRow("jg") << build_geometry_report(geometry_form(), geometry_sheet(), kStamp)
                            << 1;
        QTest::newRow("jg1") << build_strength_report(strength_form_jg1(), strength_sheet_jg1(),
                                                      kStamp)
                             << 1;
        QTest::newRow("jg3") << build_strength_report(strength_form_jg3(), strength_sheet_jg3(),
                                                      kStamp)
                             << 1;
        QTest::newRow("120 rows") << rows_report(120) << 3;
    }
    void preview_and_pdf_show_the_printed_pages() {
        QFETCH(ReportDocument, doc);
        QFETCH(int, pages);
        ReportPreviewDialog preview(doc, nullptr);
        QCOMPARE(preview.page_count(), pages);
        // It opens nearly as large as the screen, the page as wide as the window.
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(room.contains(preview.geometry()) && preview.width() >= room.width() * 8 / 10);
        QCOMPARE(preview.findChild<QPrintPreviewWidget*>()->zoomMode(),
                 QPrintPreviewWidget::FitToWidth);
        QVERIFY(preview.error().isEmpty());
        QCOMPARE(report_page_count(doc, *default_report_printer(doc.title)), pages);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("计算单.pdf"));
        const DialogOutcome out = QtReportDialogs::write_pdf(doc, path);
        QCOMPARE(int(out.kind), int(DialogOutcome::Kind::Done));
        QCOMPARE(out.path, path.toStdString());
        QCOMPARE(pdf_pages(path), pages);
    }

    void a_page_range_prints_only_its_pages() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
        printer.setFromTo(2, 3);
        QString error;
        QVERIFY(paint_report(rows_report(120), printer, &error));
        QCOMPARE(pdf_pages(printer.outputFileName()), 2);
    }

    void an_unwritable_pdf_is_a_failure_with_its_reason() {
        const DialogOutcome out = QtReportDialogs::write_pdf(
            rows_report(3), QStringLiteral("/nonexistent-gearpair/计算单.pdf"));
        QCOMPARE(int(out.kind), int(DialogOutcome::Kind::Failed));
        QVERIFY(!out.reason.empty());
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ReportDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_dialogs_test.moc"
