// What the windows explain without being asked: the geometry sheet's values that
// break a limit, tool tips with meaning and unit, the strength case in words, and
// the small habits of the sheets and files (Esc, the saved report's status line,
// a pair file's suffix).
#include <QRadioButton>
#include <QScreen>
#include <fstream>
#include <sstream>

#include "geometry_numbers.h"
#include "pair_document.h"
#include "pair_file.h"
#include "qt_text.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

bool red(const SheetWindow& sheet, const char* label) {
    return sheet.value_label(label)->palette().color(QPalette::WindowText) !=
           sheet.palette().color(QPalette::WindowText);
}

}  // namespace

class SheetLimitsTest : public QObject {
    Q_OBJECT

  private slots:
    // Over every golden case that computes, each of the seven values is red exactly
    // when the unrounded number breaks its limit, and its tip then says why.
    void flags_follow_the_limits_over_the_golden_cases() {
        std::ifstream in(std::string(GEARPAIR_GOLDEN_DIR) + "/cases.csv", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const auto file = std::get<PairFile>(read_pair_file(bytes.str()));
        ShellHarness h;
        std::map<std::string, int> seen;
        for (const PairRow& row : file.rows) {
            const auto numbers = compute_geometry_numbers(row.input);
            const auto* n = std::get_if<GeometryNumbers>(&numbers);
            if (!n) continue;
            for (const InputField& f : kInputFields)
                h.form().field(f.text)->setText(qt(row.input.*f.text));
            (row.input.rule == ShiftRule::EqualStrength ? h.form().equal_strength()
                                                        : h.form().equal_noise())
                ->setChecked(true);
            h.click(FormButton::ComputeGeometry);
            const GeometrySheetWindow& jg = *h.shell().geometry_sheet();
            QVERIFY(jg.isVisible());
            const std::pair<const char*, bool> limits[] = {{"zmin1", n->z[0] < n->zmin[0]},
                                                           {"zmin2", n->z[1] < n->zmin[1]},
                                                           {"btf1", n->btf[0] > 1},
                                                           {"btf2", n->btf[1] > 1},
                                                           {"sta1", n->sta[0] < 0.25 * n->mn},
                                                           {"sta2", n->sta[1] < 0.25 * n->mn},
                                                           {"epsp", n->eps_alpha < 1.2}};
            for (const auto& [label, broken] : limits) {
                QVERIFY2(red(jg, label) == broken,
                         qPrintable(QStringLiteral("line %1 %2").arg(row.line).arg(label)));
                QCOMPARE(jg.value_label(label)->toolTip().count(QLatin1Char('\n')), broken ? 2 : 0);
                seen[label] += broken;
            }
            h.click_on_sheet(SheetButton::Return);
        }
        for (const char* label : {"zmin1", "btf1", "btf2", "sta1", "epsp"})
            QVERIFY(seen[label] > 0);
    }

    void fields_and_values_tell_meaning_symbol_and_unit() {
        ShellHarness h;
        for (const InputField& f : kInputFields) QVERIFY(!h.field(f.name)->toolTip().isEmpty());
        QCOMPARE(h.field("zxja")->toolTip(), QStringLiteral("中心距 a，mm"));
        QVERIFY(h.field("nj")->toolTip().startsWith(QStringLiteral("主动齿轮输入扭矩 T，kgf·m")));
        const std::pair<FormTexts, const char*> cases[] = {{spur_example(), "计算情况一"},
                                                           {helical_jg2(), "计算情况二"},
                                                           {helical_jg3(), "计算情况三"}};
        for (const auto& [texts, words] : cases) {
            h.fill(texts);
            h.click(FormButton::ComputeGeometry);
            for (const char* name : kGeometryLabels)
                QVERIFY2(!h.shell().geometry_sheet()->value_label(name)->toolTip().isEmpty(), name);
            h.click_on_sheet(SheetButton::Return);
            h.click(FormButton::ComputeStrength);
            StrengthSheetWindow& sheet = *h.shell().strength_sheet();
            const LabelTexts shown = sheet.texts();
            for (const auto& [name, text] : shown.entries())
                QVERIFY2(!sheet.value_label(name)->toolTip().isEmpty(), name.c_str());
            QVERIFY(sheet.value_label("jc")->toolTip().endsWith(QStringLiteral("kgf/mm²")));
            // The case in words under the layout, which stays where it was.
            QVERIFY(sheet.strip()->text().startsWith(QString::fromUtf8(words)));
            const QPushButton* back = sheet.button(SheetButton::Return);
            QVERIFY(sheet.strip()->y() >= back->geometry().bottom());
            QCOMPARE(sheet.height(), sheet.strip()->geometry().bottom() + 1);
            h.click_on_sheet(SheetButton::Return);
        }
    }

    void a_sheet_with_its_strip_stays_on_the_screen_at_any_zoom() {
        Preferences().set_zoom_percent(200);
        ShellHarness h;
        h.fill(helical_jg3());
        h.click(FormButton::ComputeStrength);
        const StrengthSheetWindow& sheet = *h.shell().strength_sheet();
        QVERIFY(sheet.strip()->isVisible());
        QVERIFY(sheet.height() <= sheet.screen()->availableGeometry().height());
        QCOMPARE(sheet.height(), sheet.strip()->geometry().bottom() + 1);
        Preferences().set_zoom_percent(100);  // for the tests after this one
    }

    void esc_leaves_a_sheet_and_saving_says_where_without_a_box() {
        ShellHarness h;
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        const QSize size = jg->size();
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.fake_files.appended.size(), std::size_t(1));
        QVERIFY(h.boxes.shown.empty());
        QCOMPARE(jg->strip()->toolTip(),
                 QStringLiteral("计算单已追加到 /home/user/齿轮参数结果Tolmaren.txt 的末尾"));
        QVERIFY(jg->height() > size.height());
        jg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(jg));
        QTest::keyClick(jg, Qt::Key_Escape);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
        h.click(FormButton::ComputeGeometry);  // a new calculation, no old status
        QCOMPARE(jg->size(), size);

        // 另存为 a name without a suffix: a .csv file the open dialog lists.
        QTemporaryDir dir;
        h.file_dialogs.save_paths = {dir.filePath("pair").toStdString()};
        h.click_on_sheet(SheetButton::Return);
        QVERIFY(h.shell().document()->save_as());
        QVERIFY(QFileInfo::exists(dir.filePath("pair.csv")));
    }
};

GEARPAIR_GUI_TEST_MAIN(SheetLimitsTest)
#include "sheet_limits_test.moc"
