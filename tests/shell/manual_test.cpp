// The manual from the form: F1 opens it at its top, within the screen; Shift+F1 in
// any of the 28 fields opens it at that field's entry.
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include "manual_window.h"
#include "messages/manual.h"
#include "qt_text.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

class ManualTest : public QObject {
    Q_OBJECT

  private slots:
    void f1_opens_the_manual_and_shift_f1_a_fields_entry() {
        ShellHarness h;
        InputForm& js = h.form();
        js.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&js));
        h.field("zxja")->setFocus();
        QTest::keyClick(&js, Qt::Key_F1);
        auto* manual = js.findChild<ManualWindow*>();
        QVERIFY(manual && manual->isVisible());
        QCOMPARE(manual->windowTitle(), qt(msg::manual::kWindowTitle));
        QTextBrowser* text = manual->browser();
        QCOMPARE(text->document()->firstBlock().text(), qt(msg::manual::kWindowTitle));
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QVERIFY(manual->screen()->availableGeometry().contains(manual->geometry()));

        // Each field's entry, which names the field, comes to the top.
        for (const InputField& f : kInputFields) {
            js.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &js);
            h.field(f.name)->setFocus();
            QTest::keyClick(h.field(f.name), Qt::Key_F1, Qt::ShiftModifier);
            QApplication::processEvents();
            const QString top = text->cursorForPosition(QPoint(40, 10)).block().text();
            QVERIFY2(top.contains(QLatin1String(f.name)), f.name);
        }
    }
};

GEARPAIR_GUI_TEST_MAIN(ManualTest)
#include "manual_test.moc"
