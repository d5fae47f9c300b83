// The Qt side of the desktop services: report files, clock, message boxes, printer.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt_message_boxes.h"
#include "qt_report_files.h"
#include "qt_report_printer.h"
#include "qt_translations.h"
#include "report_paths.h"
#include "system_clock.h"

using namespace gp;

namespace {

QByteArray file_bytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

ReportDocument small_report() {
    ReportDocument doc;
    doc.title = "齿  轮  计  算  单";
    doc.lines.push_back(ReportLine{16, {ReportItem{32, doc.title}}, std::nullopt});
    doc.lines.push_back(ReportLine{13, {ReportItem{12, "中心距"}, ReportItem{38, "60"}}, {}});
    return doc;
}

}  // namespace

class DesktopServicesTest : public QObject {
    Q_OBJECT

  private slots:
    void saves_append_whole_reports_and_keep_what_was_there() {
        QTemporaryDir dir;
        const QString geometry = dir.filePath(QStringLiteral("齿轮参数结果Tolmaren.txt"));
        const QString strength = dir.filePath(QStringLiteral("齿轮强度结果Tolmaren.txt"));
        QtReportFiles files(geometry, strength);
        const std::string first("\r\n\xb3\xdd\xc2\xd6\r\n", 8);  // GBK bytes pass unchanged
        const std::string second = "second\r\n";

        QVERIFY(files.append(ReportKind::Geometry, first).saved);
        QVERIFY(files.append(ReportKind::Geometry, second).saved);
        QVERIFY(files.append(ReportKind::Strength, second).saved);

        QCOMPARE(file_bytes(geometry), QByteArray::fromStdString(first + second));
        QCOMPARE(file_bytes(strength), QByteArray::fromStdString(second));
        QCOMPARE(QString::fromStdString(files.path(ReportKind::Geometry)),
                 QDir::toNativeSeparators(geometry));
    }

    void failed_saves_say_why_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason_contains");
        QTest::newRow("missing folder")
            << QStringLiteral("/nonexistent-gearpair/r.txt") << QStringLiteral("不存在");
        QTest::newRow("path is a folder") << QDir::tempPath() << QStringLiteral("文件夹");
        if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
            QTest::newRow("no space left") << QStringLiteral("/dev/full") << QString();
        }
    }
    void failed_saves_say_why() {
        QFETCH(QString, path);
        QFETCH(QString, reason_contains);
        QtReportFiles files(path, path);
        const SaveOutcome out = files.append(ReportKind::Geometry, std::string(4096, 'x'));
        QVERIFY(!out.saved);
        QVERIFY(!out.reason.empty());
        QVERIFY2(QString::fromStdString(out.reason).contains(reason_contains), out.reason.c_str());
    }

    void default_report_files_lie_in_the_home_folder() {
        const QString home = QDir::homePath();
        QCOMPARE(default_report_path(ReportKind::Geometry),
                 QDir(home).filePath(QStringLiteral("齿轮参数结果Tolmaren.txt")));
        QCOMPARE(default_report_path(ReportKind::Strength),
                 QDir(home).filePath(QStringLiteral("齿轮强度结果Tolmaren.txt")));
    }

    // The desktop program stamps with the batch tool's clock: the locale's formats,
    // "2026/12/7" "14:03:05" on a Chinese system.
    void clock_uses_the_system_short_date() {
        qputenv("LC_ALL", "zh_CN.UTF-8");
        SystemClock clock;
        const QDate before = QDate::currentDate();
        const ReportStamp stamp = clock.now();
        const QDate after = QDate::currentDate();
        qunsetenv("LC_ALL");
        const QString date = QString::fromStdString(stamp.date);
        QVERIFY2(date == before.toString(QStringLiteral("yyyy/M/d")) ||
                     date == after.toString(QStringLiteral("yyyy/M/d")),
                 stamp.date.c_str());
        QVERIFY2(QTime::fromString(QString::fromStdString(stamp.time), QStringLiteral("H:mm:ss"))
                     .isValid(),
                 stamp.time.c_str());
    }

    void message_boxes_have_ok_only_and_break_at_carriage_returns_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("qt_icon");
        QTest::newRow("none") << int(MessageIcon::None) << int(QMessageBox::NoIcon);
        QTest::newRow("information")
            << int(MessageIcon::Information) << int(QMessageBox::Information);
        QTest::newRow("warning") << int(MessageIcon::Warning) << int(QMessageBox::Warning);
    }
    void message_boxes_have_ok_only_and_break_at_carriage_returns() {
        QFETCH(int, icon);
        QFETCH(int, qt_icon);
        const auto box = make_message_box("齿轮参数及强度计算", "第一句\r第二句<b>",
                                          static_cast<MessageIcon>(icon), nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("齿轮参数及强度计算"));
        QCOMPARE(box->text(), QStringLiteral("第一句\n第二句<b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(int(box->icon()), qt_icon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().front()->text(), QStringLiteral("确定"));
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    }

    void a_message_box_waits_for_ok() {
        QString seen;
        std::function<void()> press_ok = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(10, press_ok);
                return;
            }
            seen = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        };
        QTimer::singleShot(10, press_ok);
        QtMessageBoxes().show("提示", "第一句\r第二句", MessageIcon::None);
        QCOMPARE(seen, QStringLiteral("第一句\n第二句"));
    }

    void qt_texts_are_in_chinese() {
        QVERIFY(install_qt_chinese(*QCoreApplication::instance()));
        const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
        QVERIFY2(undo.contains(QStringLiteral("撤")), qPrintable(undo));
    }

    void pdf_names_are_title_and_moment() {
        const QDateTime moment(QDate(2026, 12, 7), QTime(14, 3, 5));
        QCOMPARE(pdf_file_stem(QStringLiteral("齿  轮  计  算  单"), moment),
                 QStringLiteral("齿轮计算单_2026-12-07_14-03-05"));
        QCOMPARE(pdf_file_stem(QStringLiteral("齿 轮 强 度 计 算 单"), moment),
                 QStringLiteral("齿轮强度计算单_2026-12-07_14-03-05"));
    }

    void without_a_printer_the_report_becomes_a_pdf() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
        QTemporaryDir dir;
        QtReportPrinter printer(dir.path());
        const PrintOutcome first = printer.print(small_report());
        const PrintOutcome second = printer.print(small_report());
        QCOMPARE(int(first.kind), int(PrintOutcome::Kind::SavedAsPdf));
        QCOMPARE(int(second.kind), int(PrintOutcome::Kind::SavedAsPdf));
        QVERIFY(!first.reason.empty());
        QVERIFY(first.pdf_path != second.pdf_path);  // the second never overwrites the first
        for (const auto& out : {first, second}) {
            const QString path = QString::fromStdString(out.pdf_path);
            QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral("齿轮计算单_")),
                     out.pdf_path.c_str());
            QVERIFY(file_bytes(path).startsWith("%PDF"));
        }
    }

    // A picture takes the reports' way to paper: a one-page PDF without a printer,
    // painted inside the page it is given; a failure when the PDF cannot be written.
    void without_a_printer_a_drawing_becomes_a_one_page_pdf() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
        QTemporaryDir dir;
        QtReportPrinter printer(dir.path());
        QRectF given;
        PageDrawing drawing{"齿轮啮合图", [&given](QPainter& painter, const QRectF& page) {
                                given = page;
                                painter.drawEllipse(page.center(), page.width() / 4,
                                                    page.width() / 4);
                            }};
        const PrintOutcome out = printer.print_drawing(drawing);
        QCOMPARE(int(out.kind), int(PrintOutcome::Kind::SavedAsPdf));
        QVERIFY(QFileInfo(QString::fromStdString(out.pdf_path))
                    .fileName()
                    .startsWith(QStringLiteral("齿轮啮合图_")));
        const QByteArray pdf = file_bytes(QString::fromStdString(out.pdf_path));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
        QVERIFY(given.width() > 1000 &&
                given.height() > given.width());  // a portrait page, high resolution

        QtReportPrinter nowhere(QStringLiteral("/nonexistent-gearpair"));
        const PrintOutcome failed = nowhere.print_drawing(drawing);
        QCOMPARE(int(failed.kind), int(PrintOutcome::Kind::Failed));
        QVERIFY(!failed.reason.empty());
    }

    void a_pdf_that_cannot_be_written_is_a_failure() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
        QtReportPrinter printer(QStringLiteral("/nonexistent-gearpair"));
        const PrintOutcome out = printer.print(small_report());
        QCOMPARE(int(out.kind), int(PrintOutcome::Kind::Failed));
        QVERIFY(!out.reason.empty());
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DesktopServicesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_services_test.moc"
