// The five windows as the user sees them: names, texts, keyboard order, and a
// layout in which nothing is cut off and nothing overlaps.
#include <QAction>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "contour_window.h"
#include "manual_window.h"
#include "mesh_window.h"
#include "messages/base.h"
#include "messages/files.h"
#include "messages/geometry.h"
#include "notice_strip.h"
#include "preferences.h"
#include "qt_message_boxes.h"
#include "rating_window.h"
#include "shell_harness.h"
#include "twips.h"
#include "ui_font.h"
#include "window_zoom.h"
#include "sizing_window.h"

using namespace gp;
using namespace gp::testing;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// Walks the keyboard order from the focused control with Tab.
QStringList tab_walk(QWidget* window, int steps) {
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QWidget* focused = QApplication::focusWidget();
        names << (focused ? focused->objectName() : QStringLiteral("<none>"));
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
    }
    return names;
}

// Every text a control shows fits inside it, and no two controls of one parent
// cover each other.
void check_fits_and_no_overlap(QWidget* window) {
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (w->window() != window->window()) continue;  // a list's popup, hidden
        const QFontMetrics fm(w->font());
        const QString where = window->objectName() + QLatin1Char('/') + w->objectName() +
                              QLatin1Char(' ') + QLatin1String(w->metaObject()->className());
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where));
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
        } else if (label) {
            const int needed = fm.horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(where + QLatin1Char(' ') + label->text()));
            QVERIFY2(fm.height() <= label->height(), qPrintable(where));
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            QVERIFY2(radio->sizeHint().width() <= radio->width(), qPrintable(where));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QVERIFY2(fm.horizontalAdvance(button->text()) + 8 <= button->width(),
                     qPrintable(where));
            QVERIFY2(fm.height() + 4 <= button->height(), qPrintable(where));
        }
        for (QWidget* other : children) {
            if (other == w || other->parentWidget() != w->parentWidget() ||
                other->window() != window->window()) {
                continue;
            }
            QVERIFY2(!w->geometry().intersects(other->geometry()),
                     qPrintable(where + QStringLiteral(" overlaps ") + other->objectName()));
        }
    }
}

std::set<std::string> value_label_names(SheetWindow& sheet, const std::vector<std::string>& all) {
    std::set<std::string> out;
    for (const auto& name : all) {
        if (sheet.value_label(name)) out.insert(name);
    }
    return out;
}

std::vector<std::string> every_label_name() {
    std::vector<std::string> all(kGeometryLabels.begin(), kGeometryLabels.end());
    all.insert(all.end(), kAllStrengthLabels.begin(), kAllStrengthLabels.end());
    return all;
}

// Captions from top to bottom, as the user reads the sheet's rows.
QStringList row_captions(SheetWindow& sheet, int caption_left) {
    std::vector<QLabel*> captions;
    for (QLabel* l : sheet.findChildren<QLabel*>()) {
        if (l->x() == px(caption_left)) captions.push_back(l);
    }
    std::sort(captions.begin(), captions.end(),
              [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    QStringList out;
    for (QLabel* l : captions) out << l->text();
    return out;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void the_form_names_its_controls_and_captions() {
        ShellHarness h;
        InputForm& js = h.form();
        QCOMPARE(js.windowTitle(), q("齿轮参数及强度计算-根据Tolmaren方法编写"));
        QCOMPARE(js.body()->size(), QSize(510, 551));
        const std::pair<const char*, const char*> frames[] = {
            {"Frame1", "主动齿轮"}, {"Frame2", "从动齿轮"}, {"Frame3", "基本参数"},
            {"Frame4", "主动齿轮"}, {"Frame6", "从动齿轮"}, {"Frame5", "变位系数分配情况"}};
        for (const auto& [name, title] : frames) {
            auto* frame = js.findChild<QGroupBox*>(q(name));
            QVERIFY2(frame, name);
            QCOMPARE(frame->title(), q(title));
        }
        // Each field's caption, found through the label that names it.
        const std::pair<const char*, const char*> captions[] = {
            {"th1", "图 号"},          {"jd2", "精度等级及偏差代号"},
            {"zxja", "中心距"},        {"fmn", "法向模数"},
            {"fjafn", "法向压力角"},   {"lxjbt", "分度圆螺旋角"},
            {"ckbw", "工 作 齿 宽"},   {"h0", "法面齿顶高系数"},
            {"c0", "法面顶隙系数"},    {"nj", "主动齿轮输入扭矩（kg/m)"},
            {"cs1z1", "齿    数"},     {"ess2", "齿厚上偏差"},
            {"esi1", "齿厚下偏差"},    {"fr2", "齿圈径跳"},
            {"xng1", "法向变位系数"},  {"dpg2", "量棒直径"},
            {"cgyj2", "齿根圆角半径"}, {"ck1", "工作齿宽"},
        };
        for (const auto& [field, caption] : captions) {
            QLabel* found = nullptr;
            for (QLabel* l : js.findChildren<QLabel*>()) {
                if (l->buddy() == js.field(find_input_field(field)->text)) found = l;
            }
            QVERIFY2(found, field);
            QCOMPARE(found->text(), q(caption));
        }
        for (const InputField& f : kInputFields) {
            QVERIFY2(js.field(f.text) && js.field(f.text)->objectName() == q(f.name), f.name);
        }
        QCOMPARE(js.findChildren<QLineEdit*>().size(), qsizetype(28));
        QCOMPARE(js.equal_strength()->text(), q("按等强度分配变位系数"));
        QCOMPARE(js.equal_noise()->text(), q("按等噪音分配变位系数"));
        const std::pair<FormButton, const char*> buttons[] = {
            {FormButton::ComputeGeometry, "计算齿轮参数"},
            {FormButton::Clear, "清 空"},
            {FormButton::ComputeStrength, "计算齿轮强度"},
            {FormButton::Exit, "退 出"}};
        for (const auto& [which, text] : buttons) QCOMPARE(js.button(which)->text(), q(text));
        QCOMPARE(js.button(FormButton::ComputeGeometry)->geometry(),
                 twips_rect(120, 7800, 1455, 375));
    }

    // Down the page, pinion and wheel alternating line by line, the option and the
    // buttons last; the program starts on the option.
    void the_form_keyboard_order_follows_the_page() {
        ShellHarness h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        const QStringList order = {
            "dx1",   "computer", "clear", "Command1", "myexit", "th1", "jd1", "th2",  "jd2",
            "zxja",  "fmn",      "fjafn", "lxjbt",    "ckbw",   "h0",  "c0",  "nj",   "cs1z1",
            "cs2z2", "ess1",     "ess2",  "esi1",     "esi2",   "fr1", "fr2", "xng1", "xng2",
            "dpg1",  "dpg2",     "cgyj1", "cgyj2",    "ck1",    "ck2", "dx1"};
        QCOMPARE(tab_walk(&h.form(), int(order.size())), order);
    }

    void the_sheets_show_their_rows_and_buttons_data() {
        QTest::addColumn<int>("kind");  // -1: the geometry sheet
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("caption_left");
        QTest::addColumn<QStringList>("first_and_last_rows");
        QTest::addColumn<int>("rows");
        QTest::newRow("jg") << -1 << q("计算结果") + QString(38, QLatin1Char(' '))
                            << QSize(505, 536) << 240
                            << QStringList{q("法向变位系数和"), q("总重合度")} << 29;
        QTest::newRow("jg1") << int(StrengthSheet::jg1) << q("计算结果") << QSize(456, 423) << 240
                             << QStringList{q("中心距"), q("齿面接触应力")} << 21;
        QTest::newRow("jg2") << int(StrengthSheet::jg2) << q("计算结果") << QSize(456, 431) << 240
                             << QStringList{q("中心距"), q("齿面接触应力")} << 22;
        QTest::newRow("jg3") << int(StrengthSheet::jg3) << q("计算结果") << QSize(441, 436) << 0
                             << QStringList{q("中心距"), q("齿面接触应力")} << 22;
    }
    void the_sheets_show_their_rows_and_buttons() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        QFETCH(int, caption_left);
        QFETCH(QStringList, first_and_last_rows);
        QFETCH(int, rows);
        std::unique_ptr<SheetWindow> sheet;
        std::set<std::string> values;
        if (kind < 0) {
            sheet = std::make_unique<GeometrySheetWindow>();
            values = {kGeometryLabels.begin(), kGeometryLabels.end()};
        } else {
            sheet = std::make_unique<StrengthSheetWindow>(StrengthSheet(kind));
            for (const char* n : strength_labels(StrengthSheet(kind))) values.insert(n);
        }
        QCOMPARE(sheet->windowTitle(), title);
        QCOMPARE(sheet->size(), size);
        QCOMPARE(value_label_names(*sheet, every_label_name()), values);
        for (const auto& name : values) {
            QVERIFY(sheet->value_label(name)->text().isEmpty());  // empty when loaded
        }
        const QStringList captions = row_captions(*sheet, caption_left);
        QCOMPARE(captions.size(), rows);
        QCOMPARE(captions.front(), first_and_last_rows.front());
        QCOMPARE(captions.back(), first_and_last_rows.back());

        const std::pair<SheetButton, const char*> buttons[] = {{SheetButton::Return, "返 回"},
                                                               {SheetButton::Print, "打 印"},
                                                               {SheetButton::Save, "保存结果"},
                                                               {SheetButton::Exit, "退 出"}};
        int last_left = -1;
        for (const auto& [which, text] : buttons) {
            QCOMPARE(sheet->button(which)->text(), q(text));
            QVERIFY(sheet->button(which)->x() > last_left);  // left to right in this order
            last_left = sheet->button(which)->x();
        }
        QCOMPARE(sheet->button(SheetButton::Save)->objectName(), q("保存结果"));

        sheet->show();
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
        QCOMPARE(tab_walk(sheet.get(), 5),
                 (QStringList{"myreturn", "myprint", "myexit", q("保存结果"), "myreturn"}));
    }

    void strength_sheets_place_each_value_in_its_column() {
        // On jg2 the helix factor stands between the columns, on jg3 the inclined
        // contact factor in the pinion column only.
        StrengthSheetWindow jg2(StrengthSheet::jg2);
        StrengthSheetWindow jg3(StrengthSheet::jg3);
        QCOMPARE(jg2.value_label("lx")->x(), px(3300));
        QCOMPARE(jg2.value_label("jx1")->x(), px(2160));
        QCOMPARE(jg2.value_label("jx2")->x(), px(4440));
        QCOMPARE(jg3.value_label("jx")->x(), px(1920));
        QCOMPARE(jg3.value_label("lx2")->x(), px(4200));
        QCOMPARE(jg2.value_label("zxj")->y(), px(480));
        QCOMPARE(jg3.value_label("zn")->geometry().topLeft(), QPoint(px(1920), px(660)));
    }

    void nothing_is_cut_off_and_nothing_overlaps() {
        ShellHarness h;
        check_fits_and_no_overlap(h.form().body());
        GeometrySheetWindow jg;
        LabelTexts wide(kGeometryLabels);
        for (const char* name : kGeometryLabels) wide.set(name, "-12345.67891");
        jg.set_texts(wide);
        check_fits_and_no_overlap(&jg);
        for (StrengthSheet kind : {StrengthSheet::jg1, StrengthSheet::jg2, StrengthSheet::jg3}) {
            StrengthSheetWindow sheet(kind);
            LabelTexts texts(strength_labels(kind));
            for (const char* name : strength_labels(kind)) texts.set(name, "-12345.67891");
            sheet.set_texts(texts);
            // And a notice under the sheet, in as many lines as it takes.
            NoticeStrip::show_on(&sheet, {msg::sheet::shift_not_from_centre_distance(
                                             "-0.12345", "-0.12345", "12345.67891", "-1.23456")});
            check_fits_and_no_overlap(&sheet);
        }
    }

    // Each window the user meets lies within the screen, at any pixel density.
    // The form comes back where the user left it; a place kept on a larger screen,
    // or on one since unplugged, comes back whole on this one.
    void windows_open_where_they_were_left_fitted_to_the_screen() {
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QRect left;
        QSize frame;  // what the window system's frame adds to a window
        {
            ShellHarness h;
            h.form().move(room.topLeft() + QPoint(37, 23));
            h.form().resize(h.form().size() - QSize(40, 30));
            left = h.form().frameGeometry();
            frame = left.size() - h.form().size();
            h.click(FormButton::Exit);
        }
        {
            ShellHarness h(nullptr, KeptPlaces::Keep);
            QCOMPARE(h.form().frameGeometry(), left);
        }
        Preferences().set_window_place(
            QStringLiteral("form"),
            {QRect(room.right() + 500, room.top() - 300, room.width() * 2, room.height() + 100),
             QSize(room.width() * 2, room.height() + 100) - frame});
        ShellHarness h(nullptr, KeptPlaces::Keep);
        QCOMPARE(h.form().frameGeometry(), room);
    }

    void every_window_stays_on_the_screen() {
        ShellHarness h;
        const auto within_screen = [](QWidget* w) {
            const QSize room = w->screen()->availableGeometry().size();
            QVERIFY2(w->width() <= room.width() && w->height() <= room.height(),
                     qPrintable(w->objectName()));
        };
        within_screen(&h.form());
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        within_screen(h.shell().geometry_sheet());
        h.click_on_sheet(SheetButton::Return);
        h.click(FormButton::ComputeStrength);
        within_screen(h.shell().strength_sheet());
        h.click_on_sheet(SheetButton::Return);
        // The blocking contour opens whole on the screen, its controls at their size.
        h.shell().open_contour_window();
        QWidget* contour = h.shell().contour_window();
        within_screen(contour);
        QVERIFY(contour->screen()->availableGeometry().contains(contour->frameGeometry()));
        for (auto* b : contour->findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        // The rating window, at the largest zoom too: within the screen, its buttons
        // in view, its input page and sheet scrolling inside it.
        h.shell().compute_action(2)->trigger();
        RatingWindow* rating = h.shell().rating_window();
        for (const int percent : {100, kZoomSteps[std::size(kZoomSteps) - 1]}) {
            rating->show();
            rating->pages()->setCurrentIndex(1);  // zoomed while the input page is hidden
            QApplication::processEvents();
            zoom_application(percent);  // as the 视图 menu zooms
            rating->zoom(percent);
            QApplication::processEvents();
            within_screen(rating);
            // Each row of the input page whole, however large the type.
            rating->pages()->setCurrentIndex(0);
            QApplication::processEvents();
            check_fits_and_no_overlap(rating->findChild<QWidget*>(QStringLiteral("inputs")));
            for (QPushButton* b : rating->findChildren<QPushButton*>()) {
                const QRect at(b->mapTo(rating, QPoint()), b->size());
                QVERIFY2(rating->rect().contains(at) && b->width() >= b->sizeHint().width(),
                         qPrintable(b->text()));
            }
        }
        zoom_application(100);
        // The sizing window likewise.
        h.shell().open_sizing_window();
        SizingWindow* sizing = h.shell().sizing_window();
        for (const int percent : {100, kZoomSteps[std::size(kZoomSteps) - 1]}) {
            sizing->set_zoom(percent);
            QApplication::processEvents();
            within_screen(sizing);
            for (QPushButton* b : sizing->findChildren<QPushButton*>()) {
                const QRect at(b->mapTo(sizing, QPoint()), b->size());
                QVERIFY2(sizing->rect().contains(at) && b->width() >= b->sizeHint().width(),
                         qPrintable(b->text()));
            }
        }
    }

    // At the largest zoom the program's dialogs stay on the screen too: a stop with
    // the longest explanation a check gives, and the manual opened from 帮助.
    void dialogs_stay_on_the_screen_at_the_largest_zoom() {
        const int percent = kZoomSteps[std::size(kZoomSteps) - 1];
        zoom_application(percent);
        ShellHarness h;
        const QRect room = h.form().screen()->availableGeometry();
        std::string fields;
        for (const InputField& f : kInputFields) fields += std::string(f.name) + "、";
        const auto box = make_message_box(msg::kNoticeTitle, msg::kLettersOrSymbols,
                                          MessageIcon::None, &h.form(), fields + fields);
        box->show();
        QApplication::processEvents();
        QVERIFY2(box->width() <= room.width() && box->height() <= room.height(),
                 qPrintable(QString::number(box->width()) + "x" + QString::number(box->height())));
        box->close();
        ManualWindow manual(&h.form());
        manual.open_at(QStringLiteral("zxja"), &h.form());
        QApplication::processEvents();
        QVERIFY(room.contains(manual.frameGeometry()));
        zoom_application(100);
    }

    // The mesh window at each zoom of the 视图 menu: at most 90 % of its screen,
    // every control whole on the screen and as large as it asks, beside the sheet
    // when the screen has room for both; the zoom reaches the program's other
    // windows (menus, dialogs, message boxes) through the application's type.
    void the_mesh_window_fits_its_screen_at_every_zoom() {
        for (int percent : kZoomSteps) {
            ShellHarness h;
            for (QAction* a : h.form().findChildren<QAction*>()) {
                if (a->text() == q(msg::pair_file::zoom_action(percent).c_str())) a->trigger();
            }
            QCOMPARE(QApplication::font().pixelSize(),
                     int(std::lround(ui_font().pixelSize() * percent / 100.0)));
            h.fill(spur_example());
            h.click(FormButton::ComputeGeometry);
            GeometrySheetWindow* jg = h.shell().geometry_sheet();
            h.click(jg->mesh_button());
            MeshWindow* w = h.shell().mesh_window();
            QVERIFY(w && QTest::qWaitForWindowExposed(w));
            const QRect screen = w->screen()->availableGeometry();
            const QString at = QString::number(percent) + QStringLiteral(" %: ");
            QVERIFY2(
                w->width() <= screen.width() * 0.9 + 1 && w->height() <= screen.height() * 0.9 + 1,
                qPrintable(at));
            QVERIFY(w->text_scale() >= 1 && w->text_scale() <= percent / 100.0);
            for (QWidget* c : w->findChildren<QWidget*>()) {
                if (!c->isVisible()) continue;
                const QString what = at + QString::fromLatin1(c->metaObject()->className()) +
                                     QLatin1Char(' ') + c->objectName();
                QVERIFY2(screen.contains(QRect(c->mapToGlobal(QPoint(0, 0)), c->size())),
                         qPrintable(what));
                if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c)) {
                    const QSize least = c->minimumSizeHint();
                    QVERIFY2(c->width() >= least.width() && c->height() >= least.height(),
                             qPrintable(what));
                }
            }
            if (screen.width() - jg->frameGeometry().width() >= w->minimumSizeHint().width()) {
                QVERIFY2(!w->frameGeometry().intersects(jg->frameGeometry()), qPrintable(at));
                QVERIFY(screen.contains(jg->frameGeometry()));
            }
        }
    }

    // The shift plane at each zoom of the 视图 menu: whole on the screen, beside the
    // form where the screen has room for both, its legend whole without scrolling.
    void the_shift_plane_opens_beside_the_form_at_every_zoom() {
        for (int percent : kZoomSteps) {
            ShellHarness h;
            for (QAction* a : h.form().findChildren<QAction*>()) {
                if (a->text() == q(msg::pair_file::zoom_action(percent).c_str())) a->trigger();
            }
            h.fill(spur_example());
            h.shell().open_contour_window();
            ContourWindow* w = h.shell().contour_window();
            QVERIFY(w && QTest::qWaitForWindowExposed(w));
            const QRect screen = w->screen()->availableGeometry();
            const QRect form = h.form().frameGeometry();
            const QString at = QString::number(percent) + QStringLiteral(" %");
            QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(at));
            const int room = std::max(screen.right() - form.right(), form.left() - screen.left());
            if (room >= w->minimumSizeHint().width() + (w->frameGeometry().width() - w->width()))
                QVERIFY2(!w->frameGeometry().intersects(form), qPrintable(at));
            QVERIFY2(w->legend()->verticalScrollBar()->maximum() == 0, qPrintable(at));
            QVERIFY2(w->legend()->font().pixelSize() >= 9, qPrintable(at));
        }
    }
};

GEARPAIR_GUI_TEST_MAIN(WindowsTest)

#include "windows_test.moc"
