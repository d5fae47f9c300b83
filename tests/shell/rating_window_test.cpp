// The rating window as a user drives it: a pair file with rating columns opened
// into the form, 计算 → 承载能力校核 (F8), the sheet's safety factors and marks
// against the independent golden table, and every way out of the sheet.
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QTableWidget>
#include <QTextDocument>
#include <cmath>
#include <functional>

#include "csv.h"
#include "messages/rating.h"
#include "messages/rating_window_texts.h"
#include "pair_document.h"
#include "rating_sheet.h"
#include "rating_window.h"
#include "report_painter.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

QString golden(const char* name) {
    return QStringLiteral(GEARPAIR_GOLDEN_DIR "/") + QLatin1String(name);
}

std::vector<csv::Record> read_csv(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    return csv::parse(std::string_view(bytes.constData(), bytes.size()));
}

std::string cell(const std::vector<csv::Record>& table, std::size_t row, const char* column) {
    const auto& head = table.front().cells;
    const auto at = std::find(head.begin(), head.end(), column) - head.begin();
    return table.at(row + 1).cells.at(std::size_t(at));
}

// The sheet's row whose symbol is `symbol` (the first one: the verdicts come first).
int row_of(const QTableWidget* t, const char* symbol) {
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->item(r, 1) && t->item(r, 1)->text() == QLatin1String(symbol)) return r;
    }
    return -1;
}

// Picks a material line on the gear's material page as a user does: class, then
// the hardness (in the class's own unit).
void pick_line(RatingWindow* w, int gear, const char* code, const char* hardness,
               const char* type = nullptr) {
    QComboBox* klass = w->material_choice(gear);
    const int at = klass->findData(QString::fromLatin1(code));
    klass->setCurrentIndex(at);
    emit klass->activated(at);
    if (type) w->type_choice(gear)->setCurrentIndex(w->type_choice(gear)->findData(QString::fromLatin1(type)));
    w->hardness(gear)->setText(QString::fromLatin1(hardness));
    emit w->hardness(gear)->editingFinished();
}

}  // namespace

class RatingWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Pairs of the golden table, opened from the file as a user opens one: the sheet
    // shows SH and SF of both gears as the independent implementation computed them,
    // each marked against its minimum; a refused pair shows its stop and no sheet.
    void golden_pairs_open_compute_and_mark() {
        ShellHarness h;
        const auto cases = read_csv(golden("rating-cases.csv"));
        const auto expected = read_csv(golden("rating.csv"));
        QVERIFY(cases.size() > 11 && expected.size() == cases.size());
        for (std::size_t row = 0; row < 10; ++row) {
            h.file_dialogs.rows = {int(row)};
            QVERIFY(h.shell().open_file(golden("rating-cases.csv")));
            h.shell().compute_action(2)->trigger();  // 承载能力校核… (F8)
            RatingWindow* w = h.shell().rating_window();
            QVERIFY(w && w->isVisible());
            QCOMPARE(w->field(&RatingInputs::n1)->text().toStdString(), cell(cases, row, "n1"));
            const std::size_t boxes = h.boxes.shown.size();
            h.click(w->button(RatingButton::Compute));
            if (cell(expected, row, "status") == "stop") {
                QCOMPARE(h.boxes.shown.size(), boxes + 1);
                QCOMPARE(h.boxes.shown.back().text, cell(expected, row, "message"));
                continue;
            }
            QCOMPARE(h.boxes.shown.size(), boxes);
            QCOMPARE(w->pages()->currentIndex(), 1);
            for (const auto& [symbol, minimum] : {std::pair{"SH", "SHmin"}, {"SF", "SFmin"}}) {
                const int r = row_of(w->sheet_table(), symbol);
                QVERIFY(r >= 0);
                const std::string typed_min = cell(cases, row, minimum);
                const double min = typed_min.empty() ? 1.0 : std::stod(typed_min);
                for (int gear = 0; gear < 2; ++gear) {
                    const QString shown = w->sheet_table()->item(r, 2 + gear)->text();
                    const double want =
                        std::stod(cell(expected, row, (std::string(symbol) + char('1' + gear)).c_str()));
                    // Safety factors are shown to three decimals.
                    QVERIFY2(std::abs(shown.section(' ', 0, 0).toDouble() - want) <= 5e-4 + 1e-12,
                             qPrintable(shown));
                    QCOMPARE(shown.section(' ', 1), QString::fromUtf8(want >= min
                                                                          ? msg::rating_window::kMet
                                                                          : msg::rating_window::kNotMet));
                }
            }
            QVERIFY(w->capacity_label()->text().contains(QStringLiteral("T1max")));
            // The printed page, as Qt reads the typeset report back, holds the verdict
            // and every text of every row of the sheet, in the sheet's order.
            const rating::RatingSheet& sheet = *w->sheet();
            QTextDocument page;
            page.setHtml(QString::fromStdString(
                rating::rating_report(sheet, "B-1", "B-2", {"2026/12/8", "09:00:00"}).paper_html));
            const QString plain = page.toPlainText();
            qsizetype at = 0;
            for (const std::string& t : {sheet.verdict, sheet.capacity, sheet.duty}) {
                at = plain.indexOf(QString::fromStdString(t), at);
                QVERIFY2(at >= 0, t.c_str());
            }
            for (const rating::SheetRow& r : sheet.rows) {
                // Every value says what it is and, on a line of its own, where it comes from.
                QVERIFY2(r.heading || r.tip.find('\n') != std::string::npos, r.name.c_str());
                for (const std::string* t : {&r.name, &r.symbol, &r.pinion, &r.wheel, &r.unit}) {
                    if (t->empty()) continue;
                    at = plain.indexOf(QString::fromStdString(*t), at);
                    QVERIFY2(at >= 0, (r.name + ": " + *t).c_str());
                }
            }
        }
    }

    // The sheet goes out as every sheet does: copied, previewed, printed, into a PDF
    // (the real painter, every page) and into a text report where the user chose.
    void the_sheet_prints_exports_and_saves() {
        ShellHarness h;
        h.file_dialogs.rows = {0};
        QVERIFY(h.shell().open_file(golden("rating-cases.csv")));
        // F8 opens the window from the form, and computes in the window.
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        QTest::keyClick(&h.form(), Qt::Key_F8);
        RatingWindow* w = h.shell().rating_window();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F8);
        QVERIFY(w->sheet().has_value());

        h.click(w->button(RatingButton::Pdf));
        QCOMPARE(h.report_dialogs.dialogs, std::vector<std::string>{"export_pdf"});
        const ReportDocument& doc = h.report_dialogs.reports.back();
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("rating.pdf")));
        QString error;
        QVERIFY2(paint_report(doc, printer, &error), qPrintable(error));
        QVERIFY(report_page_count(doc, printer) >= 2);
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");

        h.click(w->button(RatingButton::Print));
        QCOMPARE(h.printer.printed.size(), std::size_t(1));

        const QString text_path = dir.filePath(QStringLiteral("rating.txt"));
        h.file_dialogs.save_choices = {SaveChoice{text_path.toStdString(), 0}};
        h.click(w->button(RatingButton::SaveText));
        QFile saved(text_path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(saved.readAll());
        // Every row of the sheet is in the report, the verdicts with their marks.
        for (const rating::SheetRow& row : w->sheet()->rows) {
            QVERIFY2(report.contains(QString::fromStdString(row.name)), row.name.c_str());
            if (!row.pair) QVERIFY(report.contains(QString::fromStdString(row.wheel)));
        }
        QVERIFY(report.contains(QString::fromUtf8(msg::rating::kMethodLine)));
        QVERIFY(h.boxes.shown.empty());
    }

    // A root fillet larger than the rack's tip can hold (0.76 mm here) is still
    // rated with the typed radius; the note stands in the strip under the sheet.
    void an_oversized_fillet_is_rated_with_a_note() {
        ShellHarness h;
        FormTexts spur = spur_example();
        spur["cgyj1"] = "1.2";
        h.fill(spur);
        h.shell().compute_action(2)->trigger();
        RatingWindow* w = h.shell().rating_window();
        w->field(&RatingInputs::n1)->setText(QStringLiteral("1450"));
        h.click(w->button(RatingButton::Compute));
        QVERIFY(w->sheet().has_value());
        const auto notices = w->notices();
        QVERIFY(std::find(notices.begin(), notices.end(), msg::rating::kRoundingTooLarge) !=
                notices.end());
        w->show();
        QApplication::processEvents();
        const QLabel* strip = w->findChild<QLabel*>(QStringLiteral("notices"));
        QVERIFY(strip && strip->isVisible() && strip->width() == w->findChild<QWidget*>(
                                                   QStringLiteral("notice_holder"))->width());
        QVERIFY(strip->text().contains(QString::fromUtf8(msg::rating::kRoundingTooLarge)));
    }

    // A sheet stops standing for the pair as soon as anything it was computed from
    // changes: a rating input, the form, a new pair. It is marked 已过期 and cannot
    // be copied, printed or saved until computed again; a material line fills the
    // limits, a hardness outside its range is refused naming the range, and a limit
    // typed by hand takes the choice back to 自定.
    void a_changed_input_makes_the_sheet_stale() {
        ShellHarness h;
        h.fill(spur_example());
        h.shell().compute_action(2)->trigger();
        RatingWindow* w = h.shell().rating_window();
        const auto outputs = {RatingButton::Copy, RatingButton::Preview, RatingButton::Print,
                              RatingButton::Pdf, RatingButton::SaveText};
        const auto printable = [&] {
            for (RatingButton b : outputs) {
                if (!w->button(b)->isEnabled()) return false;
            }
            return true;
        };
        const auto compute = [&] {
            h.click(w->button(RatingButton::Compute));
            QVERIFY(w->sheet().has_value() && !w->stale() && printable());
        };
        w->field(&RatingInputs::n1)->setText(QStringLiteral("1450"));
        compute();
        const std::vector<std::function<void()>> changes = {
            [&] { w->field(&RatingInputs::KA)->setText(QStringLiteral("1.25")); },
            [&] { pick_line(w, 0, "V", "180"); },
            [&] { h.fill({{"ckbw", "30"}}); },
            [&] {
                h.file_dialogs.answers = {SaveAnswer::Discard};
                QVERIFY(h.shell().document()->new_document());
            },
        };
        for (const auto& change : changes) {
            change();
            QVERIFY(w->stale() && !printable());
            QVERIFY(w->capacity_label()->text().contains(QString::fromUtf8("已过期")));
            const std::size_t printed = h.printer.printed.size();
            w->button(RatingButton::Print)->click();
            QCOMPARE(h.printer.printed.size(), printed);
            w->field(&RatingInputs::n1)->setText(QStringLiteral("1450"));
            h.fill(spur_example());
            compute();
        }
        pick_line(w, 0, "V", "500", "alloy");  // the alloy steel's MQ lines end at 360 HV
        QVERIFY2(w->line_used(0)->text().contains(QString::fromUtf8("200～360 HV")),
                 qPrintable(w->line_used(0)->text()));
        pick_line(w, 0, "V", "300", "alloy");
        QVERIFY2(w->line_used(0)->text().contains(QString::fromUtf8("第25、31行")),
                 qPrintable(w->line_used(0)->text()));
        QCOMPARE(w->field(&RatingInputs::mat1)->text(), QStringLiteral("V"));
        w->field(&RatingInputs::sHlim1)->setText(QString());
        QTest::keyClicks(w->field(&RatingInputs::sHlim1), QStringLiteral("720"));
        QCOMPARE(w->material_choice(0)->currentIndex(), 0);  // 自定
    }

    // The rating inputs belong to the pair file: an edit marks the document changed,
    // saving writes the rating columns, and the file opens again with them.
    void rating_inputs_are_saved_with_the_pair() {
        ShellHarness h;
        h.fill(spur_example());
        h.shell().compute_action(2)->trigger();
        RatingWindow* w = h.shell().rating_window();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pair.csv"));
        h.file_dialogs.save_paths = {path.toStdString()};
        QVERIFY(h.shell().document()->save());
        QVERIFY(!h.shell().document()->modified());
        w->field(&RatingInputs::n1)->setText(QStringLiteral("1450"));
        pick_line(w, 1, "Eh", "700");
        QCOMPARE(w->field(&RatingInputs::sHlim2)->text(), QStringLiteral("1500.0"));
        QVERIFY(h.shell().document()->modified());
        QVERIFY(h.form().windowTitle().endsWith(QLatin1Char('*')));
        // The pick is one step of the document's history: undone and redone whole.
        h.shell().document()->undo();
        QVERIFY(w->field(&RatingInputs::sHlim2)->text().isEmpty());
        h.shell().document()->redo();
        QCOMPARE(w->field(&RatingInputs::n1)->text(), QStringLiteral("1450"));
        QVERIFY(h.shell().document()->save());
        QVERIFY(h.shell().document()->new_document());  // 新建 empties them too
        QVERIFY(w->field(&RatingInputs::n1)->text().isEmpty());
        QVERIFY(h.shell().open_file(path));
        QCOMPARE(w->field(&RatingInputs::n1)->text(), QStringLiteral("1450"));
        QCOMPARE(w->field(&RatingInputs::sHlim2)->text(), QStringLiteral("1500.0"));
        QVERIFY(!h.shell().document()->modified());
    }
};

GEARPAIR_GUI_TEST_MAIN(RatingWindowTest)

#include "rating_window_test.moc"
