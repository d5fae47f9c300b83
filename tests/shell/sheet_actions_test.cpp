// What a sheet's context menu does: the results copied for a spreadsheet, the
// print dialogs getting exactly the page the 打印 button prints, and every fault of
// printing, saving or copying told in a box instead of ending the program.
#include <QAction>
#include <QClipboard>
#include <stdexcept>

#include "messages/base.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

// Opens a sheet: 0 the geometry sheet of the worked example, 1 to 3 jg1 to jg3.
SheetWindow* open_sheet(ShellHarness& h, int which) {
    const FormTexts forms[] = {spur_example(), spur_example(), helical_jg2(), helical_jg3()};
    h.fill(forms[which]);
    h.click(which == 0 ? FormButton::ComputeGeometry : FormButton::ComputeStrength);
    SheetWindow* sheet = which == 0 ? static_cast<SheetWindow*>(h.shell().geometry_sheet())
                                    : h.shell().strength_sheet();
    QApplication::setActiveWindow(sheet);
    return sheet;
}

std::vector<QStringList> tab_separated_rows(const QString& text) {
    std::vector<QStringList> rows;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        rows.push_back(line.split(QLatin1Char('\t')));
    }
    return rows;
}

// Two reports are the same page: the same lines, sizes and items on paper.
bool same_page(const ReportDocument& a, const ReportDocument& b) {
    if (a.title != b.title || a.lines.size() != b.lines.size()) return false;
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        const auto ia = items_on(a.lines[i], ReportMedium::Paper);
        const auto ib = items_on(b.lines[i], ReportMedium::Paper);
        if (a.lines[i].points != b.lines[i].points || ia.size() != ib.size()) return false;
        for (std::size_t k = 0; k < ia.size(); ++k) {
            if (ia[k].column != ib[k].column || ia[k].text != ib[k].text) return false;
        }
    }
    return true;
}

// Report files that fail in a way no one planned for.
class FaultyFiles : public ReportFiles {
  public:
    std::string path(ReportKind) const override { return "/home/user/r.txt"; }
    SaveOutcome append(ReportKind, std::string_view) override { throw std::runtime_error("boom"); }
};

}  // namespace

class SheetActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void ctrl_c_copies_every_row_for_a_spreadsheet_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("rows");            // the sheet's rows
        QTest::addColumn<QStringList>("sample");  // one row as pasted
        QTest::newRow("jg") << 0 << 29 << QStringList{"齿顶圆直径", "44.32", "83.68"};
        QTest::newRow("jg1") << 1 << 21 << QStringList{"中心距", "60", "60"};
        QTest::newRow("jg2") << 2 << 22 << QStringList{"螺旋角系数", "1", "1"};
        QTest::newRow("jg3") << 3 << 22 << QStringList{"倾斜接触系数", "1", ""};
    }
    void ctrl_c_copies_every_row_for_a_spreadsheet() {
        QFETCH(int, sheet);
        QFETCH(int, rows);
        QFETCH(QStringList, sample);
        ShellHarness h;
        SheetWindow* s = open_sheet(h, sheet);
        // A tab typed into a drawing number must not split its cell.
        h.field("th1")->setText(QStringLiteral("B-1"));
        h.field("th2")->setText(QStringLiteral("B\t2"));
        QApplication::clipboard()->clear();
        QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);

        const auto pasted = tab_separated_rows(QApplication::clipboard()->text());
        QCOMPARE(int(pasted.size()), rows + 2);
        QCOMPARE(pasted[0], (QStringList{"", "主动齿轮", "从动齿轮"}));
        QCOMPARE(pasted[1], (QStringList{"图  号", "B-1", "B 2"}));
        bool found = false;
        for (const QStringList& row : pasted) {
            QCOMPARE(row.size(), 3);  // caption, pinion, wheel on every line
            found |= row == sample;
        }
        QVERIFY2(found, qPrintable(sample.join(QLatin1Char('|'))));
        QVERIFY(h.boxes.shown.empty());
    }

    // The geometry sheet's own actions (carrying the split into the form, opening the
    // blocking contour) are added to the same widget and so show in the same menu.
    void the_context_menu_lists_the_sheet_actions_and_the_geometry_sheets_own() {
        ShellHarness h;
        SheetWindow* s = open_sheet(h, 0);
        QCOMPARE(s->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList texts;
        for (const QAction* a : s->actions()) texts << a->text();
        QCOMPARE(texts, (QStringList{"复制全部结果", "打印预览…", "打印到…", "导出 PDF…",
                                     "把变位系数填入输入表", "变位系数选择图…"}));
        QCOMPARE(s->action(SheetAction::CopyAll)->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(s->action(SheetAction::PrintTo)->shortcut(), QKeySequence(QKeySequence::Print));
    }

    void each_print_dialog_gets_the_printed_page_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("action");
        QTest::addColumn<std::string>("dialog");
        QTest::addColumn<int>("outcome");  // DialogOutcome::Kind
        QTest::addColumn<std::string>("fault");
        QTest::addColumn<std::string>("message");  // empty: none
        const int preview = int(SheetAction::PrintPreview);
        const int print_to = int(SheetAction::PrintTo);
        const int pdf = int(SheetAction::ExportPdf);
        const int done = int(DialogOutcome::Kind::Done);
        const int cancelled = int(DialogOutcome::Kind::Cancelled);
        const int failed = int(DialogOutcome::Kind::Failed);
        const std::string none;
        QTest::newRow("jg preview")
            << 0 << preview << std::string("preview") << done << none << none;
        QTest::newRow("jg1 print to, cancelled")
            << 1 << print_to << std::string("print_to") << cancelled << none << none;
        QTest::newRow("jg2 print to, jammed") << 2 << print_to << std::string("print_to") << failed
                                              << none << std::string("计算单未能打印：卡纸");
        QTest::newRow("jg3 export, refused") << 3 << pdf << std::string("export_pdf") << failed
                                             << none << std::string("计算单未能存为PDF文件：卡纸");
        QTest::newRow("jg export, a fault of the program")
            << 0 << pdf << std::string("export_pdf") << done << std::string("boom")
            << std::string("导出未能完成（程序内部错误：boom）");
    }
    void each_print_dialog_gets_the_printed_page() {
        QFETCH(int, sheet);
        QFETCH(int, action);
        QFETCH(std::string, dialog);
        QFETCH(int, outcome);
        QFETCH(std::string, fault);
        QFETCH(std::string, message);
        ShellHarness h;
        SheetWindow* s = open_sheet(h, sheet);
        h.report_dialogs.outcome = {DialogOutcome::Kind(outcome), {}, "卡纸"};
        h.report_dialogs.fault = fault;
        s->action(SheetAction(action))->trigger();
        h.click(s->button(SheetButton::Print));

        QCOMPARE(h.report_dialogs.dialogs, std::vector<std::string>{dialog});
        QVERIFY(same_page(h.report_dialogs.reports.at(0), h.printer.printed.at(0)));
        if (message.empty()) {
            QVERIFY(h.boxes.shown.empty());
        } else {
            QCOMPARE(h.boxes.shown.size(), std::size_t(1));
            QCOMPARE(h.boxes.shown[0].title, std::string(msg::kNoticeTitle));
            QCOMPARE(h.boxes.shown[0].text, message);
        }
        QCOMPARE(h.program_ends, 0);
        QVERIFY(s->isVisible());
    }

    void a_fault_while_saving_is_told_not_fatal() {
        FaultyFiles files;
        ShellHarness h(&files);
        SheetWindow* s = open_sheet(h, 1);
        h.click(s->button(SheetButton::Save));
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].title, std::string(msg::kNoticeTitle));
        QCOMPARE(h.boxes.shown[0].text, std::string("保存未能完成（程序内部错误：boom）"));
        QCOMPARE(h.program_ends, 0);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg1"});
    }
};

GEARPAIR_GUI_TEST_MAIN(SheetActionsTest)

#include "sheet_actions_test.moc"
