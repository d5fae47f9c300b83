// The sizing window as the user meets it: opened by F10 with the form's pair on its
// page, a fault of the page explained, a run with its progress to the table and the
// plot, a chosen row carried into the form only once confirmed, as one change undo
// takes back; and a run cancelled.
#include <QLabel>
#include <QTableView>

#include "number_text.h"
#include "pair_document.h"
#include "shell_harness.h"
#include "messages/sizing.h"
#include "sizing_plot.h"
#include "sizing_window.h"

using namespace gp;
using namespace gp::testing;

class SizingWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void chosen_row_fills_the_form_and_undo_restores() {
        ShellHarness h;
        h.fill(spur_example());
        const FormTexts before = h.texts();
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        QTest::keyClick(&h.form(), Qt::Key_F10);
        SizingWindow* w = h.shell().sizing_window();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->field("T1")->text(), QStringLiteral("98.0665"));  // nj 10 kgf·m
        QCOMPARE(w->field("i")->text(), QStringLiteral("2"));

        // No speed anywhere: said, and nothing runs.
        w->start_button()->click();
        QVERIFY(!w->running());
        QCOMPARE(h.boxes.shown.back().text, std::string(msg::sizing::kBadRequirements));

        const std::pair<const char*, const char*> page[] = {
            {"n1", "1450"},    {"mn_min", "2"},   {"mn_max", "3"},  {"z1_min", "18"},
            {"z1_max", "24"},  {"beta_min", "0"}, {"beta_max", "10"}, {"beta_step", "5"},
            {"bd_min", "0.6"}, {"bd_max", "0.8"}, {"SFmin", "1.2"}};
        for (const auto& [key, text] : page) w->field(key)->setText(QString::fromLatin1(text));
        w->start_button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->running() && w->start_button()->isEnabled(), 60000);
        const auto& summary = w->summary();
        QVERIFY(summary.admissible > 5 && !summary.cancelled);
        QCOMPARE(w->table()->model()->rowCount(), int(summary.admissible));
        QVERIFY(!w->plot()->front().empty());
        const std::string tsv = w->table_tsv();
        QCOMPARE(std::count(tsv.begin(), tsv.end(), '\n'), std::ptrdiff_t(summary.admissible + 1));

        w->table()->selectRow(3);
        const sizing::Variant v = *w->selected();
        h.boxes.answers.push_back(false);
        w->fill_button()->click();
        QCOMPARE(h.texts(), before);
        h.boxes.answers.push_back(true);
        w->fill_button()->click();
        QCOMPARE(h.field("zxja")->text().toStdString(), full_precision_text(v.a));
        QCOMPARE(h.field("xng1")->text().toStdString(), full_precision_text(v.x1));
        QCOMPARE(h.field("cs2z2")->text().toStdString(), std::to_string(v.z2));
        QCOMPARE(h.field("th1")->text(), QStringLiteral("B-1"));  // the rest as it was
        h.shell().document()->undo();
        QCOMPARE(h.texts(), before);

        // A large space cancelled at once ends the run with what it found.
        w->field("mn_max")->setText(QStringLiteral("50"));
        w->field("z1_max")->setText(QStringLiteral("200"));
        w->start_button()->click();
        QVERIFY(w->running());
        w->cancel_button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->running(), 5000);
        QVERIFY(w->summary().cancelled);
    }
};

GEARPAIR_GUI_TEST_MAIN(SizingWindowTest)

#include "sizing_window_test.moc"
