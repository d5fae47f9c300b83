// What a user does with the program, end to end: fill the form, compute, read the
// sheet, return, print, save, clear, leave.
#include <QPointer>
#include <QRadioButton>
#include <algorithm>

#include "geometry_calculation.h"
#include "messages/base.h"
#include "qt_report_files.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;
using namespace std::string_literals;
using Shown = std::map<std::string, std::string>;

namespace {

std::string label(SheetWindow* sheet, const char* name) {
    QLabel* l = sheet->value_label(name);
    return l ? l->text().toStdString() : "<no label " + std::string(name) + ">";
}

const std::string kClosing =
    "计算的相应结果已经储存到/home/user/齿轮参数结果Tolmaren.txt中，请前往查看\r"
    "请注意，为了避免混乱，请您将该文件改名另存。谢谢合作";

}  // namespace

class JourneysTest : public QObject {
    Q_OBJECT

  private slots:
    void starts_on_an_empty_form_with_equal_strength_selected() {
        ShellHarness h;
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        for (const auto& [name, text] : h.texts()) QVERIFY2(text.empty(), name.c_str());
        QVERIFY(h.form().equal_strength()->isChecked());
        QVERIFY(!h.form().equal_noise()->isChecked());
        QCOMPARE(h.form().focusWidget(), h.form().equal_strength());
        QVERIFY(h.shell().geometry_sheet() == nullptr);
    }

    void geometry_return_change_and_compute_again() {
        ShellHarness h;
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        QVERIFY(h.boxes.shown.empty());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg"});
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        QCOMPARE(label(jg, "xn0"), "0"s);
        QCOMPARE(label(jg, "da1"), "44.32"s);
        QCOMPARE(label(jg, "df2"), "74.68"s);
        QCOMPARE(label(jg, "w2"), "27.58018"s);
        QCOMPARE(label(jg, "eps"), "1.62561"s);
        // Every label shows what the calculation handed over, nothing re-formatted.
        const auto expected = std::get<GeometryResult>(compute_geometry(h.form().read()));
        for (const auto& [name, text] : expected.labels.entries()) {
            QCOMPARE(label(jg, name.c_str()), text);
        }

        const FormTexts typed = h.texts();
        h.click_on_sheet(SheetButton::Return);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        QCOMPARE(h.texts(), typed);
        QCOMPARE(h.shell().geometry_sheet(), jg);  // only hidden, texts kept
        QCOMPARE(label(jg, "da1"), "44.32"s);

        // Both coefficients empty: the split follows the selected option.
        h.type("xng1", "");
        h.type("xng2", "");
        h.click(h.form().equal_noise());
        h.click(FormButton::ComputeGeometry);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg"});
        QCOMPARE(h.shell().geometry_sheet(), jg);
        QCOMPARE(label(jg, "xn1"), "0.20475"s);
        QCOMPARE(label(jg, "da1"), "44.81899"s);
        QVERIFY(h.form().equal_noise()->isChecked());
    }

    void strength_shows_the_sheet_of_its_case_data() {
        QTest::addColumn<std::string>("row");  // empty: the worked spur example
        QTest::addColumn<std::string>("sheet");
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<std::string>("title");
        QTest::newRow("spur, jg1")
            << std::string() << std::string("jg1")
            << Shown{{"yzl1", "500"},     {"cdy1", "44.32"}, {"cdy2", "83.68"}, {"cgy1", "35.32"},
                     {"cgy2", "74.68"},   {"dd", "1.62561"}, {"zd", "0"},       {"dh", "1.62561"},
                     {"jc", "119.64885"}, {"hx1", "1.1"},    {"hx2", "0.9"}}
            << std::string("齿 轮 强 度 计 算 单");
        QTest::newRow("helical, jg2")
            << std::string(
                   "63.85066634961397,2,20,20,9.112022898463938,1,0.25,10,20,40,-0.1,"
                   "-0.1,-0.2,-0.2,0.05,0.05,0,0,,,0.76,0.76,30,30,B-1,B-2,,,dx1")
            << std::string("jg2") << Shown{{"lx", "1"}, {"jx1", "0.4291"},   {"dd", "1.504"},
                                           {"dh", "2"}, {"wq1", "10.68857"}, {"jc", "237.32542"}}
            << std::string("齿  轮  强  度  计  算  单");
        QTest::newRow("helical, jg3")
            << std::string(
                   "107.043,1,20,27.5,9,0.8,0.3,398.81,54,135,-0.13,-0.091,-0.216,"
                   "-0.203,0.051,0.057,0.1702,0.3423,,1.67,0.327,0.366,14,9,TH-3978,"
                   "TH-7192,8-7-7 HK,6级,dx1")
            << std::string("jg3")
            << Shown{{"jx", "1"},
                     {"lx1", "0.65178"},
                     {"lx2", "0.6764"},
                     {"cdy2", "154.46698"},
                     {"jc", "895.6723"}}
            << std::string("齿  轮  强  度  计  算  单");
    }
    void strength_shows_the_sheet_of_its_case() {
        QFETCH(std::string, row);
        QFETCH(std::string, sheet);
        QFETCH(Shown, shown);
        QFETCH(std::string, title);
        ShellHarness h;
        h.fill(row.empty() ? spur_example() : form_from_csv(kCasesHeader, row));
        const FormTexts typed = h.texts();
        h.click(FormButton::ComputeStrength);
        QVERIFY(h.boxes.shown.empty());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{sheet});
        StrengthSheetWindow* s = h.shell().strength_sheet();
        for (const auto& [name, text] : shown) QCOMPARE(label(s, name.c_str()), text);
        QCOMPARE(h.texts(), typed);  // the calculation never writes to the form

        h.click_on_sheet(SheetButton::Print);
        QCOMPARE(h.printer.printed.size(), std::size_t(1));
        QCOMPARE(h.printer.printed[0].title, title);
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.fake_files.appended.size(), std::size_t(1));
        QCOMPARE(int(h.fake_files.appended[0].kind), int(ReportKind::Strength));
        QVERIFY(h.boxes.shown.empty());  // a successful print or save says nothing
        QCOMPARE(h.visible_windows(), std::vector<std::string>{sheet});
    }

    void returning_discards_a_strength_sheet() {
        ShellHarness h;
        h.fill(spur_example());
        h.click(FormButton::ComputeStrength);
        QPointer<StrengthSheetWindow> first = h.shell().strength_sheet();
        h.click_on_sheet(SheetButton::Return);
        h.settle();
        QVERIFY(first.isNull());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});

        h.click(FormButton::ComputeStrength);
        QVERIFY(h.shell().strength_sheet() != nullptr);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg1"});
    }

    void a_stop_leaves_everything_as_it_was_data() {
        QTest::addColumn<std::string>("field");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("button");
        QTest::addColumn<std::string>("message");
        QTest::addColumn<std::string>("focus");  // empty: not moved
        const int geometry = int(FormButton::ComputeGeometry);
        const int strength = int(FormButton::ComputeStrength);
        QTest::newRow("letters in an optional field")
            << std::string("xng1") << std::string("abc") << geometry
            << std::string(msg::kLettersOrSymbols) << std::string("xng1");
        QTest::newRow("Chinese text in a number")
            << std::string("fjafn") << std::string("二十") << geometry
            << std::string(msg::kLettersOrSymbols) << std::string("fjafn");
        QTest::newRow("a required field empty")
            << std::string("fr2") << std::string("") << geometry << std::string(msg::kIncomplete)
            << std::string("fr2");
        QTest::newRow("zero module") << std::string("fmn") << std::string("0") << geometry
                                     << std::string(msg::kCannotCompute) << std::string("fmn");
        QTest::newRow("no torque") << std::string("nj") << std::string("") << strength
                                   << std::string(msg::kNoTorque) << std::string("nj");
        QTest::newRow("letters in the torque")
            << std::string("nj") << std::string("1O") << strength
            << std::string(msg::kLettersOrSymbols) << std::string("nj");
        // The strength calculation's own conversions of the two angles.
        QTest::newRow("no pressure angle") << std::string("fjafn") << std::string("") << strength
                                           << std::string(msg::kIncomplete) << std::string("fjafn");
        QTest::newRow("letters in the helix angle")
            << std::string("lxjbt") << std::string("1O") << strength
            << std::string(msg::kLettersOrSymbols) << std::string("lxjbt");
    }
    void a_stop_leaves_everything_as_it_was() {
        QFETCH(std::string, field);
        QFETCH(std::string, text);
        QFETCH(int, button);
        QFETCH(std::string, message);
        QFETCH(std::string, focus);
        ShellHarness h;
        h.fill(spur_example());
        h.click(h.form().equal_noise());
        h.type(field, text);
        h.form().button(FormButton::Exit)->setFocus();
        const FormTexts typed = h.texts();

        h.click(static_cast<FormButton>(button));
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].title, std::string("提示"));
        QCOMPARE(h.boxes.shown[0].text, message);
        QVERIFY(!h.boxes.shown[0].detail.empty());  // and below it, why
        QCOMPARE(h.boxes.shown[0].visible_windows, std::vector<std::string>{"js"});
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        QCOMPARE(h.texts(), typed);
        QVERIFY(h.form().equal_noise()->isChecked());
        QVERIFY(h.shell().geometry_sheet() == nullptr);
        QVERIFY(h.shell().strength_sheet() == nullptr);
        // The field to correct gets the keyboard focus.
        if (!focus.empty()) QCOMPARE(h.form().focusWidget(), h.field(focus));
    }

    void clear_empties_the_geometry_fields_only() {
        ShellHarness h;
        FormTexts all;
        int n = 0;
        for (const InputField& f : kInputFields) all[f.name] = std::to_string(++n) + ".5";
        all["th1"] = "齿轮43号";
        h.fill(all);
        h.click(h.form().equal_noise());
        h.click(FormButton::Clear);

        const std::vector<std::string> kept = {"nj",    "xng1", "xng2", "cgyj1",
                                               "cgyj2", "ck1",  "ck2"};
        for (const auto& [name, text] : h.texts()) {
            const bool keeps = std::find(kept.begin(), kept.end(), name) != kept.end();
            QCOMPARE(text, keeps ? all[name] : std::string());
        }
        QVERIFY(h.form().equal_noise()->isChecked());
        QVERIFY(h.boxes.shown.empty());

        h.click(FormButton::ComputeGeometry);
        QCOMPARE(h.boxes.shown.at(0).text, std::string(msg::kIncomplete));
    }

    void a_failed_save_says_so_and_the_sheet_stays() {
        QtReportFiles files(QStringLiteral("/nonexistent-gearpair/g.txt"),
                            QStringLiteral("/nonexistent-gearpair/s.txt"));
        ShellHarness h(&files);
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].title, std::string("提示"));
        QVERIFY2(h.boxes.shown[0].text.starts_with("结果未能保存到/nonexistent-gearpair/g.txt："),
                 h.boxes.shown[0].text.c_str());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg"});

        h.click_on_sheet(SheetButton::Return);
        h.click(FormButton::ComputeStrength);
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.boxes.shown.size(), std::size_t(2));
        QVERIFY(h.boxes.shown[1].text.starts_with("结果未能保存到/nonexistent-gearpair/s.txt："));
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg1"});
    }

    void printing_without_a_printer_says_where_the_pdf_went() {
        ShellHarness h;
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        h.printer.outcome = {PrintOutcome::Kind::SavedAsPdf, "/home/user/齿轮计算单.pdf",
                             "没有安装打印机"};
        h.click_on_sheet(SheetButton::Print);
        QCOMPARE(h.printer.printed.at(0).title, std::string("齿  轮  计  算  单"));
        QCOMPARE(h.boxes.shown.at(0).title, std::string("提示"));
        QVERIFY(h.boxes.shown[0].text.find("/home/user/齿轮计算单.pdf") != std::string::npos);

        h.printer.outcome = {PrintOutcome::Kind::Failed, "", "磁盘已满"};
        h.click_on_sheet(SheetButton::Print);
        QVERIFY(h.boxes.shown.at(1).text.find("磁盘已满") != std::string::npos);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg"});
    }

    void exit_from_every_window_data() {
        QTest::addColumn<int>("window");  // 0 js, 1 jg, 2 a strength sheet, 3 js with jg hidden
        QTest::addColumn<bool>("close_button");
        for (bool close : {false, true}) {
            const char* how = close ? "close button" : "退出";
            QTest::addRow("js, %s", how) << 0 << close;
            if (!close) {
                QTest::addRow("jg, %s", how) << 1 << close;
                QTest::addRow("jg1 over a hidden jg, %s", how) << 2 << close;
            }
            QTest::addRow("js after jg, %s", how) << 3 << close;
        }
    }
    void exit_from_every_window() {
        QFETCH(int, window);
        QFETCH(bool, close_button);
        ShellHarness h;
        h.fill(spur_example());
        QWidget* from = &h.form();
        if (window == 1 || window == 2 || window == 3) {
            h.click(FormButton::ComputeGeometry);
            from = h.shell().geometry_sheet();
        }
        if (window == 2) {
            h.click_on_sheet(SheetButton::Return);
            h.click(FormButton::ComputeStrength);
            from = h.shell().strength_sheet();
        }
        if (window == 3) {
            h.click_on_sheet(SheetButton::Return);
            from = &h.form();
        }
        QPointer<QWidget> js = &h.form();
        QPointer<QWidget> jg = h.shell().geometry_sheet();

        if (close_button) {
            from->close();
        } else {
            h.click(from->findChild<QAbstractButton*>(QStringLiteral("myexit")));
        }
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        const ShownMessage& m = h.boxes.shown[0];
        QCOMPARE(m.title, std::string("齿轮参数及强度计算"));
        QCOMPARE(m.text, kClosing);
        QCOMPARE(int(m.icon), int(MessageIcon::None));
        QVERIFY(m.visible_windows.empty());
        QCOMPARE(h.program_ends, 1);
        QCOMPARE(h.shell().state(), ShellState::Closing);
        h.settle();
        QVERIFY(js.isNull());
        QVERIFY(jg.isNull());
        QVERIFY(h.visible_windows().empty());
    }

    void a_sheets_close_button_returns_to_the_form() {
        ShellHarness h;
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        QVERIFY(!jg->close());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        QCOMPARE(h.shell().geometry_sheet(), jg);

        h.click(FormButton::ComputeStrength);
        QPointer<StrengthSheetWindow> sheet = h.shell().strength_sheet();
        QVERIFY(!sheet->close());
        h.settle();
        QVERIFY(sheet.isNull());
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        QVERIFY(h.boxes.shown.empty());
        QCOMPARE(h.program_ends, 0);
    }
};

GEARPAIR_GUI_TEST_MAIN(JourneysTest)

#include "journeys_test.moc"
