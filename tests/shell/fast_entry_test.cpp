// Working at speed: the derived shift split carried from the geometry sheet into
// the form, Enter from field to field, function keys for the two calculations, and
// notices that say why.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <fstream>
#include <set>
#include <sstream>

#include "geometry_sheet.h"
#include "messages/base.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

// What the strength button led to: the sheet's texts, or the notice.
std::map<std::string, std::string> strength_outcome(ShellHarness& h) {
    std::map<std::string, std::string> out;
    h.click(FormButton::ComputeStrength);
    if (!h.boxes.shown.empty()) {
        out["notice"] = h.boxes.shown.back().text;
        return out;
    }
    StrengthSheetWindow* sheet = h.shell().strength_sheet();
    out["sheet"] = sheet->objectName().toStdString();
    for (const char* name : kAllStrengthLabels) {
        if (QLabel* l = sheet->value_label(name)) out[name] = l->text().toStdString();
    }
    return out;
}

// Golden cases with both shift fields empty (the geometry derives the split) that
// the geometry calculation finishes; at most `wanted` of them.
std::vector<std::pair<FormTexts, bool>> derived_split_cases(std::size_t wanted) {
    std::ifstream file(std::string(GEARPAIR_GOLDEN_DIR) + "/cases.csv");
    std::string header, row;
    std::getline(file, header);
    if (!header.empty() && header.back() == '\r') header.pop_back();
    std::vector<std::pair<FormTexts, bool>> out;
    while (out.size() < wanted && std::getline(file, row)) {
        if (!row.empty() && row.back() == '\r') row.pop_back();
        if (row.find('"') != std::string::npos) continue;
        FormTexts texts = form_from_csv(header, row);
        if (!texts["xng1"].empty() || !texts["xng2"].empty()) continue;
        ShellHarness probe;
        probe.fill(texts);
        probe.click(FormButton::ComputeGeometry);
        const bool noise = row.size() >= 3 && row.substr(row.size() - 3) == "dx2";
        if (probe.boxes.shown.empty()) out.emplace_back(texts, noise);
    }
    return out;
}

}  // namespace

class FastEntryTest : public QObject {
    Q_OBJECT

  private slots:
    void carried_split_gives_the_strength_of_the_typed_split() {
        const auto cases = derived_split_cases(8);
        QVERIFY(cases.size() >= 5);
        int sheets = 0;
        for (const auto& [texts, noise] : cases) {
            ShellHarness carried;
            carried.fill(texts);
            if (noise) carried.click(carried.form().equal_noise());
            carried.click(FormButton::ComputeGeometry);
            GeometrySheetWindow* jg = carried.shell().geometry_sheet();
            QVERIFY(jg && jg->isVisible());
            // The geometry calculation alone leaves the form as typed.
            QCOMPARE(carried.field("xng1")->text(), QString());
            QAction* carry = jg->carry_shift_action();
            QVERIFY(jg->actions().contains(carry));
            QCOMPARE(carry->text(), QStringLiteral("把变位系数填入输入表"));
            QVERIFY(!carry->shortcut().isEmpty());
            carry->trigger();
            const std::string xn1 = jg->value_label("xn1")->text().toStdString();
            const std::string xn2 = jg->value_label("xn2")->text().toStdString();
            QCOMPARE(carried.field("xng1")->text().toStdString(), xn1);
            QCOMPARE(carried.field("xng2")->text().toStdString(), xn2);
            carried.click_on_sheet(SheetButton::Return);
            const auto from_carried = strength_outcome(carried);

            FormTexts typed_texts = texts;
            typed_texts["xng1"] = xn1;
            typed_texts["xng2"] = xn2;
            ShellHarness typed;
            typed.fill(typed_texts);
            if (noise) typed.click(typed.form().equal_noise());
            QCOMPARE(strength_outcome(typed), from_carried);
            sheets += from_carried.count("sheet") ? 1 : 0;
        }
        QVERIFY(sheets >= 3);
    }

    void carry_works_from_the_keyboard() {
        ShellHarness h;
        h.fill(spur_example());
        h.type("xng1", "");
        h.type("xng2", "");
        h.click(FormButton::ComputeGeometry);
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        jg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(jg));
        QTest::keySequence(jg, jg->carry_shift_action()->shortcut());
        QCOMPARE(h.field("xng1")->text(), jg->value_label("xn1")->text());
        QCOMPARE(h.field("xng2")->text(), jg->value_label("xn2")->text());
    }

    void enter_moves_to_the_next_field_in_keyboard_order() {
        ShellHarness h;
        InputForm& js = h.form();
        js.show();
        js.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&js));
        // From the first field, Enter visits every field once in reading order (down
        // the form, left to right along a line) and comes round to the first again;
        // Shift+Enter retraces each step.
        QWidget* at = h.field("th1");
        at->setFocus();
        std::set<QWidget*> seen{at};
        for (std::size_t step = 0; step < kInputFields.size(); ++step) {
            const QPoint from = at->mapTo(js.body(), QPoint(0, 0));
            QTest::keyClick(at, Qt::Key_Return);
            QWidget* next = js.focusWidget();
            QVERIFY(qobject_cast<QLineEdit*>(next));
            if (step + 1 == kInputFields.size()) {
                QCOMPARE(next, h.field("th1"));
                break;
            }
            const QPoint to = next->mapTo(js.body(), QPoint(0, 0));
            QVERIFY2(to.y() > from.y() || (to.y() == from.y() && to.x() > from.x()),
                     qPrintable(next->objectName()));
            QVERIFY(seen.insert(next).second);
            QTest::keyClick(next, Qt::Key_Enter, Qt::ShiftModifier);
            QCOMPARE(js.focusWidget(), at);
            QTest::keyClick(at, Qt::Key_Return);
            at = next;
        }
        QCOMPARE(seen.size(), kInputFields.size());
        QVERIFY(h.boxes.shown.empty());
        // On a button Enter still presses it.
        js.button(FormButton::ComputeGeometry)->setFocus();
        QTest::keyClick(js.button(FormButton::ComputeGeometry), Qt::Key_Return);
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].text, std::string(msg::kIncomplete));
    }

    void function_keys_compute_and_tool_tips_name_them() {
        ShellHarness h;
        InputForm& js = h.form();
        QVERIFY(js.button(FormButton::ComputeGeometry)->toolTip().contains("F5"));
        QVERIFY(js.button(FormButton::ComputeStrength)->toolTip().contains("F6"));
        js.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&js));
        h.field("zxja")->setFocus();
        QTest::keyClick(&js, Qt::Key_F6);
        QTRY_COMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].text, std::string(msg::kNoTorque));
        QTest::keyClick(&js, Qt::Key_F5);
        QTRY_COMPARE(h.boxes.shown.size(), std::size_t(2));
        QCOMPARE(h.boxes.shown[1].text, std::string(msg::kIncomplete));
        // The notice names every missing field by its caption.
        const std::string& detail = h.boxes.shown[1].detail;
        for (const char* caption : {"中心距", "法向模数", "从动齿轮齿圈径跳"}) {
            QVERIFY2(detail.find(caption) != std::string::npos, detail.c_str());
        }
    }

    void a_calculation_stop_shows_why() {
        ShellHarness h;
        FormTexts texts = spur_example();
        texts["zxja"] = "50";
        h.fill(texts);
        h.click(FormButton::ComputeGeometry);
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].text, std::string(msg::kCannotCompute));
        const std::string& detail = h.boxes.shown[0].detail;
        QVERIFY2(detail.find("最小中心距 56.38156") != std::string::npos, detail.c_str());
        QVERIFY2(detail.find("a0 = 60") != std::string::npos, detail.c_str());
    }
};

GEARPAIR_GUI_TEST_MAIN(FastEntryTest)
#include "fast_entry_test.moc"
