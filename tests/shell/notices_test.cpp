// The notice strip under the sheets: what the strength sheet says about the shift
// coefficients it used, and the values no gear can have, named by their field,
// whether they stop a calculation or not.
#include <algorithm>
#include <tuple>

#include "gbk.h"
#include "messages/inputs.h"
#include "notice_strip.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;
using namespace std::string_literals;

namespace {

// Golden case 17: the shift coefficients left empty, so the geometry takes the sum
// 0.89267 from the centre distance while the strength takes zero.
FormTexts shift_from_centre_distance() {
    return form_from_csv(kCasesHeader,
                         "551.044,7,20,30.6177,63,1,0.25,1.694,68,66,-0.342,-0.242,-0.522,-0.331,"
                         "0.089,0.034,,,,,2.493,2.319,73,63,TH-9896,,6级,6级,dx1");
}

std::vector<std::string> notices(QWidget* window) {
    const NoticeStrip* strip = NoticeStrip::of(window, false);
    return strip && strip->isVisible() ? strip->notices() : std::vector<std::string>{};
}

}  // namespace

class NoticesTest : public QObject {
    Q_OBJECT

  private slots:
    void the_strength_sheet_says_which_shift_coefficients_it_used() {
        ShellHarness h;
        h.fill(shift_from_centre_distance());
        h.click(FormButton::ComputeStrength);
        StrengthSheetWindow* sheet = h.shell().strength_sheet();
        QCOMPARE(notices(sheet),
                 std::vector<std::string>{
                     "注意：强度计算按输入表中的变位系数 xn1 = 0、xn2 = 0 进行，与中心距 551.044 "
                     "所需的变位系数和 0.89267 不一致。请在几何计算结果中按 F7 "
                     "填入变位系数后重新计算。"});
        // Under the sheet's own layout, which neither moves nor shrinks: the window grows.
        const StrengthSheetWindow plain(sheet->kind());
        const NoticeStrip* strip = NoticeStrip::of(sheet, false);
        QCOMPARE(strip->geometry(), QRect(0, plain.height(), plain.width(), strip->height()));
        QCOMPARE(sheet->size(), plain.size() + QSize(0, strip->height()));
        QVERIFY(strip->height() >= 2 * strip->fontMetrics().height());
        for (std::size_t i = 0; i < sheet->texts().size(); ++i) {
            QCOMPARE(sheet->value_label_at(i)->geometry(), plain.value_label_at(i)->geometry());
        }
        // Nor is it part of the report.
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.fake_files.appended.back().bytes.find(gbk_from_utf8("注意")), std::string::npos);

        // With the coefficients carried over by F7 the two calculations agree.
        h.click_on_sheet(SheetButton::Return);
        h.click(FormButton::ComputeGeometry);
        QVERIFY(notices(h.shell().geometry_sheet()).empty());
        h.shell().geometry_sheet()->carry_shift_action()->trigger();  // F7
        h.click_on_sheet(SheetButton::Return);
        h.click(FormButton::ComputeStrength);
        // The strip keeps only the line naming the strength case.
        const auto grown = [](QWidget* sheet) {
            return QSize(0, NoticeStrip::of(sheet, false)->height());
        };
        QVERIFY(notices(h.shell().strength_sheet()).empty());
        QCOMPARE(h.shell().strength_sheet()->size(), plain.size() + grown(h.shell().strength_sheet()));
        // Typed coefficients that fit the centre distance, in a golden pair: none either.
        h.click_on_sheet(SheetButton::Return);
        h.fill(helical_jg2());
        h.click(FormButton::ComputeStrength);
        QVERIFY(notices(h.shell().strength_sheet()).empty());
        QCOMPARE(h.shell().strength_sheet()->size(),
                 QSize(456, 431) + grown(h.shell().strength_sheet()));
    }

    // Each value no gear can have: a calculation that stops on it names the field and
    // the value before the step that failed and puts the focus on the field; one that
    // goes on says so under its sheet.
    void impossible_values_name_their_field_data() {
        QTest::addColumn<std::string>("field");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stops");
        QTest::addColumn<std::string>("named");
        // What the geometry and the strength calculation do with the value: Stop,
        // go on with a Notice, or - not read at all.
        const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
            {"fmn", "-2", "NS", "法向模数为 -2：模数必须大于 0"},
            {"fmn", "0", "SS", "法向模数为 0：模数必须大于 0"},
            {"fjafn", "-20", "SN", "法向压力角为 -20：压力角必须在 0° 与 90° 之间"},
            {"fjafn", "90", "SS", "法向压力角为 90：压力角必须在 0° 与 90° 之间"},
            {"lxjbt", "-95", "SS", "分度圆螺旋角为 -95：螺旋角必须在 −90° 与 90° 之间"},
            {"ckbw", "-30", "NN", "工作齿宽为 -30：齿宽必须大于 0"},
            {"h0", "-1", "SS", "法面齿顶高系数为 -1：齿顶高系数不能为负"},
            {"c0", "-0.25", "NN", "法面顶隙系数为 -0.25：顶隙系数不能为负"},
            {"cs1z1", "-20", "NS", "主动齿轮齿数为 -20：齿数必须大于 0"},
            {"cs2z2", "0", "SS", "从动齿轮齿数为 0：齿数必须大于 0"},
            {"cgyj1", "-0.76", "-N", "主动齿轮齿根圆角半径为 -0.76：齿根圆角半径不能为负"},
            {"ck2", "0", "-S", "从动齿轮工作齿宽为 0：齿宽必须大于 0"},
        };
        for (const auto& [field, text, outcomes, named] : rows) {
            for (const int k : {0, 1}) {
                if (outcomes[k] == '-') continue;
                QTest::addRow("%s %s %s", field, text, k ? "strength" : "geometry")
                    << std::string(field) << std::string(text)
                    << int(k ? FormButton::ComputeStrength : FormButton::ComputeGeometry)
                    << (outcomes[k] == 'S') << std::string(named);
            }
        }
    }
    void impossible_values_name_their_field() {
        QFETCH(std::string, field);
        QFETCH(std::string, text);
        QFETCH(int, button);
        QFETCH(bool, stops);
        QFETCH(std::string, named);
        ShellHarness h;
        h.fill(spur_example());
        h.type(field, text);
        h.form().button(FormButton::Exit)->setFocus();
        h.click(static_cast<FormButton>(button));
        if (stops) {
            QCOMPARE(h.boxes.shown.size(), std::size_t(1));
            const std::string& detail = h.boxes.shown[0].detail;
            QVERIFY2(detail.starts_with(named + "。") && detail.size() > named.size() + 12,
                     detail.c_str());
            QCOMPARE(h.form().focusWidget(), h.field(field));
            return;
        }
        QVERIFY(h.boxes.shown.empty());
        QWidget* sheet = button == int(FormButton::ComputeGeometry)
                             ? static_cast<QWidget*>(h.shell().geometry_sheet())
                             : h.shell().strength_sheet();
        const auto shown = notices(sheet);  // a strength sheet may add the shift's notice
        QVERIFY(std::count(shown.begin(), shown.end(), msg::sheet::impossible_value(named)) == 1);
    }
};

GEARPAIR_GUI_TEST_MAIN(NoticesTest)

#include "notices_test.moc"
