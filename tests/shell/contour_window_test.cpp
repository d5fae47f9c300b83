// The blocking-contour window as the user meets it: opened from the form's 计算 menu
// key, its legend naming every curve drawn, a point picked by a click carried into
// the form only once confirmed, as one change that undo takes back, and then shown
// by the geometry sheet.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>
#include <cmath>

#include "contour_view.h"
#include "contour_window.h"
#include "messages/contour.h"
#include "number_text.h"
#include "pair_document.h"
#include "qt_message_boxes.h"
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

void wheel(QWidget* view, QPointF at, int notches) {
    QWheelEvent e(at, view->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &e);
}

// The mouse moved over the view, no button held.
void hover(QWidget* view, QPointF at) {
    QMouseEvent e(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(view, &e);
}

// `inner` lies within `outer`, give or take rounding.
bool within(const QRectF& inner, const QRectF& outer) {
    return outer.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(inner);
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
            // A single click picks once no second click can make it a double one.
            QTRY_VERIFY(w->pick() && w->pick()->on_typed_line == on_line);
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

    // Zoom and pan change the view only: a recalculation (typing, 重新计算) keeps the
    // plane and the view, and clears the values under the cursor; 适合窗口 and a double
    // click bring back the whole plane, never the last zoomed view, and a double click
    // picks nothing; the shading follows the zoomed view at its resolution.
    void the_plane_keeps_its_extent_through_zoom_and_recalculation() {
        ShellHarness h;
        h.fill(pinion_12());
        h.shell().open_contour_window();
        ContourWindow* w = h.shell().contour_window();
        ContourView* view = w->view();
        const QRectF whole(-1, -1, 3, 3);
        QVERIFY(within(whole, view->visible_plane()));
        const QPointF middle = view->frame().center();
        hover(view, middle);
        QVERIFY(!w->status_label()->text().isEmpty());

        wheel(view, middle + QPointF(60, -40), 3);
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(view, QPoint(230, 210));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(230, 210));
        const QRectF zoomed = view->visible_plane();
        QVERIFY(zoomed.width() < whole.width() * 0.6);
        QTRY_VERIFY(!w->chart().region.isNull() && within(w->chart().region_area, zoomed));
        // Cells of a few pixels, wherever the view went.
        const double cell_px = w->chart().region_area.width() * view->place().scale /
                               w->chart().region.width();
        QVERIFY2(cell_px <= 4, qPrintable(QString::number(cell_px)));

        for (const bool by_typing : {true, false}) {
            if (by_typing) {
                h.type("ckbw", "31");
                QTRY_VERIFY(w->status_label()->text().isEmpty());
            } else {
                hover(view, middle);
                QVERIFY(!w->status_label()->text().isEmpty());
                w->recompute();
                QVERIFY(w->status_label()->text().isEmpty());
            }
            const ShiftWindow& plane = w->chart().contour.window;
            QCOMPARE(QRectF(QPointF(plane.x1_min, plane.x2_min), QPointF(plane.x1_max, plane.x2_max)),
                     whole);
            QCOMPARE(view->visible_plane(), zoomed);
        }
        w->fit_button()->click();
        QVERIFY(within(whole, view->visible_plane()));
        QVERIFY(view->visible_plane().width() < whole.width() * 1.5);

        wheel(view, middle, 2);
        QVERIFY(!within(whole, view->visible_plane()));
        QTest::mouseDClick(view, Qt::LeftButton, {}, middle.toPoint());
        QVERIFY(within(whole, view->visible_plane()));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!w->pick());
    }

    // "不可用" names the limits that fail at the point, and 填入输入表's question fills
    // on Enter: its default button is the one that fills, 取消 answers Escape.
    void the_values_name_what_fails_and_enter_fills() {
        ShellHarness h;
        h.fill(pinion_12());
        h.shell().open_contour_window();
        ContourWindow* w = h.shell().contour_window();
        const QString undercut = QString::fromUtf8(msg::contour::kBrokenLimits[0]);
        const struct {
            QPointF at;
            bool admissible;
            bool pinion_undercut;
        } points[] = {{{0.0, 0.3}, false, true}, {{0.5, 0.3}, true, false}};
        for (const auto& p : points) {
            w->show_values_at(p.at);
            const QString text = w->status_label()->text();
            QVERIFY2(text.contains(QStringLiteral("（可用）")) == p.admissible, qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("（不可用：")) != p.admissible, qPrintable(text));
            QVERIFY2(text.contains(undercut) == p.pinion_undercut, qPrintable(text));
        }

        w->pick_at(QPointF(0.5, 0.3), w->view()->pixel_of(0.5, 0.3));
        h.boxes.answers.push_back(false);
        w->fill_button()->click();
        QVERIFY(!h.boxes.asked.empty() && h.boxes.asked.back().accept_default);
        const auto box = make_question_box("t", "q", msg::contour::kFillForm, true);
        QCOMPARE(box->defaultButton()->text(), QString::fromUtf8(msg::contour::kFillForm));
        QCOMPARE(box->buttonRole(box->escapeButton()), QMessageBox::RejectRole);
    }
};

GEARPAIR_GUI_TEST_MAIN(ContourWindowTest)

#include "contour_window_test.moc"
