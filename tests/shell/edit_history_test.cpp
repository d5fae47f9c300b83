// The form as a whole through 编辑 → 撤销/重做 and 文件 → 新建: whole-form changes
// and typing are steps several deep, and a focused field keeps its own Ctrl+Z.
#include <QAction>
#include <QRadioButton>
#include <QUndoStack>
#include <fstream>

#include "pair_document.h"
#include "pair_file.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

QAction* action(ShellHarness& h, const char* name) {
    return h.form().findChild<QAction*>(QString::fromLatin1(name));
}

void press(ShellHarness& h, QKeyCombination key) {
    QWidget* target = h.form().focusWidget() ? h.form().focusWidget() : &h.form();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

}  // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT

  private slots:
    void clear_carry_and_typing_are_undone_and_redone_step_by_step() {
        ShellHarness h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        FormTexts pair = spur_example();
        pair["xng1"] = pair["xng2"] = "";  // the split comes from the centre distance
        h.fill(pair);
        h.click(h.form().equal_noise());
        const FormTexts typed = h.texts();
        h.click(FormButton::ComputeGeometry);
        h.shell().geometry_sheet()->carry_shift_action()->trigger();
        h.click_on_sheet(SheetButton::Return);
        const FormTexts carried = h.texts();
        QVERIFY(carried != typed);
        h.click(FormButton::Clear);
        QCOMPARE(h.texts().at("zxja"), "");

        // The button has the focus: Ctrl+Z is the menu's.
        press(h, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(h.texts(), carried);  // the 21 fields are back
        QVERIFY(h.form().equal_noise()->isChecked());
        action(h, "undo")->trigger();
        QCOMPARE(h.texts(), typed);
        press(h, Qt::CTRL | Qt::Key_Y);
        press(h, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(h.texts().at("zxja"), "");
        QVERIFY(!action(h, "redo")->isEnabled());
        // The typing and the option went in as steps of their own, back to the start.
        while (action(h, "undo")->isEnabled()) action(h, "undo")->trigger();
        for (const auto& [name, text] : h.texts()) QCOMPARE(text, std::string());
        QVERIFY(h.form().equal_strength()->isChecked());
    }

    void a_focused_field_keeps_its_own_undo_until_it_has_none() {
        ShellHarness h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        h.field("zxja")->setFocus();
        h.type("zxja", "60");
        h.field("fmn")->setFocus();  // leaving the field: a step
        h.type("fmn", "2");
        QCOMPARE(action(h, "undo")->text(), QStringLiteral("撤销 输入法向模数"));
        press(h, Qt::CTRL | Qt::Key_Z);  // the field's own: its "2" goes, the step stays
        QCOMPARE(h.texts().at("fmn"), "");
        QCOMPARE(h.texts().at("zxja"), "60");
        press(h, Qt::CTRL | Qt::Key_Z);  // nothing left in the field: the form's step
        QCOMPARE(h.texts().at("zxja"), "");
        h.form().button(FormButton::Clear)->setFocus();
        press(h, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(h.texts().at("zxja"), "60");
    }

    // A change made by a window (填入输入表 of the shift plane, say) is the first thing
    // 撤销 takes back, though the field in focus holds typing from before it.
    void a_window_change_is_undone_before_earlier_typing() {
        ShellHarness h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        h.field("zxja")->setFocus();
        h.type("zxja", "60");
        GearPairInput filled = h.form().read();
        filled.xng1 = "0.25";
        h.shell().document()->apply_change(filled, QStringLiteral("填入输入表"));
        QCOMPARE(h.form().focusWidget(), h.field("zxja"));
        press(h, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(h.texts().at("xng1"), "");
        QCOMPARE(h.texts().at("zxja"), "60");
        press(h, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(h.texts().at("zxja"), "");
    }

    void opening_and_new_are_steps_and_new_asks_first() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.csv");
        GearPairInput pair;
        for (const auto& [name, text] : spur_example()) pair.*find_input_field(name)->text = text;
        std::ofstream(path.toStdString(), std::ios::binary) << write_pair_file(pair);

        ShellHarness h;
        h.type("jd1", "before");
        const FormTexts before = h.texts();
        h.file_dialogs.answers = {SaveAnswer::Discard};
        h.file_dialogs.open_paths = {path.toStdString()};
        QVERIFY(h.shell().document()->open());
        const FormTexts opened = h.texts();
        QCOMPARE(opened.at("th1"), "B-1");
        h.shell().document()->undo();
        QCOMPARE(h.texts(), before);
        QVERIFY(h.form().windowTitle().endsWith("p.csv*"));
        h.shell().document()->redo();
        QCOMPARE(h.texts(), opened);
        QVERIFY(h.form().windowTitle().endsWith("p.csv"));

        // 新建 over a changed file asks; 取消 keeps everything, 不保存 empties.
        h.type("zxja", "61");
        h.file_dialogs.answers = {SaveAnswer::Cancel, SaveAnswer::Discard};
        QVERIFY(!h.shell().document()->new_document());
        QCOMPARE(h.texts().at("zxja"), "61");
        action(h, "new")->trigger();
        for (const auto& [name, text] : h.texts()) QCOMPARE(text, std::string());
        QCOMPARE(h.form().windowTitle(), QStringLiteral("齿轮参数及强度计算-根据Tolmaren方法编写"));
        h.shell().document()->undo();
        QCOMPARE(h.texts().at("zxja"), "61");
    }
};

GEARPAIR_GUI_TEST_MAIN(EditHistoryTest)
#include "edit_history_test.moc"
