// The blocking-contour window as the user meets it: opened from the form's 计算 menu
// key, its legend naming every curve drawn, a point picked by a click carried into
// the form only once confirmed, as one change that undo takes back, and then shown
// by the geometry sheet.
#include <QAction>
#include <QListWidget>
#include <cmath>

#include "contour_view.h"
#include "contour_window.h"
#include "messages/contour.h"
#include "number_text.h"
#include "pair_document.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

// A pinion of 12 teeth with a wheel of 40, the coefficients left to the split.
FormTexts pinion_12() {
    FormTexts t = spur_example();
    t["cs1z1"] = "12";
    t["cs2z2"] = "40";
    t["zxja"] = "53";
    t["xng1"] = "";
    t["xng2"] = "";
    return t;
}

// A function key on the form, active as the user's window is.
void press_on_form(ShellHarness& h, Qt::Key key) {
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    QTest::keyClick(&h.form(), key);
}

double sheet_number(ShellHarness& h, std::size_t position) {
    return std::stod(h.shell().geometry_sheet()->text_at(position));
}

}  // namespace

class ContourWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Opened by F9 on the form and from the geometry sheet, for pairs whose curves
    // differ: every curve with points in the plane is named in the legend; a pair the
    // geometry refuses shows why in the plane's place.
    void legend_names_every_curve_drawn() {
        for (const bool from_sheet : {false, true}) {
            ShellHarness h;
            h.fill(from_sheet ? pinion_12() : spur_example());
            if (from_sheet) {  // the geometry sheet's context menu
                h.click(FormButton::ComputeGeometry);
                h.shell().geometry_sheet()->contour_action()->trigger();
            } else {
                press_on_form(h, Qt::Key_F9);
            }
            ContourWindow* w = h.shell().contour_window();
            QVERIFY(w && w->isVisible() && w->chart().drawable());
            QStringList legend;
            for (int i = 0; i < w->legend()->count(); ++i) legend << w->legend()->item(i)->text();
            int drawn = 0;
            for (int k = 0; k < kLimitCount; ++k) {
                if (w->chart().contour.curves[k].runs.empty()) continue;
                ++drawn;
                QVERIFY2(legend.contains(QString::fromUtf8(msg::contour::kLimitCaptions[k])),
                         kLimitNames[k]);
            }
            QVERIFY(drawn >= 8);
            h.type("fmn", "abc");
            w->recompute();
            QVERIFY(!w->chart().drawable() && w->legend()->count() == 0);
        }
    }

    // A click off the typed line picks that point with its centre distance, one on the
    // line a split of the typed one; 填入输入表 asks first, writes the five-decimal
    // texts as one change, the geometry sheet then shows that point, undo restores.
    void picked_point_reaches_the_sheet_and_undo_restores() {
        ShellHarness h;
        h.fill(spur_example());
        const FormTexts before = h.texts();
        h.shell().open_contour_window();
        ContourWindow* w = h.shell().contour_window();
        ContourView* view = w->view();
        for (const QPointF at : {QPointF(0.45, 0.2), QPointF(0.3, -0.3)}) {
            const bool on_line = at.x() + at.y() == 0;  // the typed a = 60 is xΣ = 0
            const QPointF pixel = view->pixel_of(at.x(), at.y()) + QPointF(on_line ? 3 : 0, 0);
            QTest::mouseClick(view, Qt::LeftButton, {}, pixel.toPoint());
            QVERIFY(w->pick() && w->pick()->on_typed_line == on_line);
            const PlanePoint p = w->pick()->at;
            QVERIFY(std::abs(p.x1 - at.x()) < 0.02 && std::abs(p.x2 - at.y()) < 0.02);

            h.boxes.answers.push_back(false);
            w->fill_button()->click();
            QCOMPARE(h.texts(), before);
            h.boxes.answers.push_back(true);
            w->fill_button()->click();
            QCOMPARE(h.boxes.asked.size(), std::size_t(2) + (on_line ? 2 : 0));
            QCOMPARE(h.field("xng1")->text(), QString::fromStdString(rounded_text(Real(p.x1), 5)));
            QCOMPARE(h.field("zxja")->text(),
                     on_line ? QStringLiteral("60")
                             : QString::fromStdString(rounded_text(Real(p.a), 5)));

            press_on_form(h, Qt::Key_F5);
            QVERIFY(h.shell().geometry_sheet() && h.shell().geometry_sheet()->isVisible());
            QVERIFY(std::abs(sheet_number(h, geometry_label("xn1")) - p.x1) < 1e-4);
            QVERIFY(std::abs(sheet_number(h, geometry_label("xn2")) - p.x2) < 1e-4);
            h.click_on_sheet(SheetButton::Return);

            h.shell().document()->undo();
            QCOMPARE(h.texts(), before);
        }
    }
};

GEARPAIR_GUI_TEST_MAIN(ContourWindowTest)

#include "contour_window_test.moc"
