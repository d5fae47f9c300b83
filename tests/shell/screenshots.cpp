// Takes a picture of every window of the program with the worked examples filled
// in, for the documentation: gearpair-screenshots [FOLDER] (default: the current
// folder). Run it under a display, or with QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QComboBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <tuple>

#include "manual_window.h"
#include "contour_view.h"
#include "contour_window.h"
#include "mesh_window.h"
#include "messages/base.h"
#include "messages/files.h"
#include "messages/shell_texts.h"
#include "pair_document.h"
#include "qt_message_boxes.h"
#include "qt_report_dialogs.h"
#include "report_painter.h"
#include "rating_calculation.h"
#include "rating_window.h"
#include "window_zoom.h"
#include "shell_harness.h"
#include "sizing_plot.h"
#include "sizing_window.h"
#include "ui_font.h"

using namespace gp;
using namespace gp::testing;

namespace {

bool save(QWidget* window, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (window->grab().save(path)) return true;
    std::fprintf(stderr, "gearpair-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

bool save_box(const std::string& title, const std::string& text, MessageIcon icon,
              const QDir& folder, const char* name, const std::string& detail = {}) {
    const auto box = make_message_box(title, text, icon, nullptr, detail);
    box->show();
    QApplication::processEvents();
    const bool ok = save(box.get(), folder, name);
    box->hide();
    return ok;
}

// The form with its first menu open: the menu is a window of its own, so it is
// grabbed apart and drawn onto the form's picture where it stands.
bool save_with_menu(InputForm& form, const QDir& folder, const char* name) {
    QAction* first = form.menuBar()->actions().value(0);
    QMenu* menu = first ? first->menu() : nullptr;
    if (!menu) return false;
    const QRect item = form.menuBar()->actionGeometry(first);
    menu->popup(form.menuBar()->mapToGlobal(item.bottomLeft()));
    QApplication::processEvents();
    QPixmap picture = form.grab();
    {
        QPainter painter(&picture);
        painter.drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (picture.save(path)) return true;
    std::fprintf(stderr, "gearpair-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

// The sheet with its context menu open where the user right-clicked.
bool save_context_menu(SheetWindow* sheet, const QDir& folder, const char* name) {
    QMenu menu;
    menu.addActions(sheet->actions());
    const QPoint at(sheet->width() / 3, sheet->height() / 3);
    menu.popup(sheet->mapToGlobal(at));
    QApplication::processEvents();
    QPixmap shot = sheet->grab();
    QPainter(&shot).drawPixmap(at, menu.grab());
    menu.hide();
    const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    return shot.save(path);
}

// The rating's material group at the top of its input page: where the window holds
// one column of groups, it lies below the duty.
void material_in_view(RatingWindow* rating) {
    QApplication::processEvents();
    auto* scroller = rating->findChild<QScrollArea*>(QStringLiteral("input_scroller"));
    const QWidget* material = rating->findChild<QWidget*>(QStringLiteral("material"));
    if (scroller && material) {
        scroller->verticalScrollBar()->setValue(material->mapTo(scroller->widget(), QPoint()).y());
    }
    QApplication::processEvents();
}

// The report as the PDF export writes it, every page.
bool save_pdf(const ReportDocument& doc, const QDir& folder, const char* name) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf")));
    QString error;
    return paint_report(doc, pdf, &error);
}

bool save_preview(const ReportDocument& doc, const QDir& folder, const char* name) {
    ReportPreviewDialog preview(doc, nullptr);
    preview.resize(760, 900);
    preview.show();
    QApplication::processEvents();
    const bool ok = save(&preview, folder, name);
    preview.hide();
    return ok;
}

// The helical pair with an undercut pinion: 10 teeth, no profile shift, at the
// reference centre distance 2 · 40 / (2 · cos 15°).
FormTexts helical_undercut() {
    FormTexts f = spur_example();
    f["lxjbt"] = "15";
    f["cs1z1"] = "10";
    f["cs2z2"] = "30";
    f["zxja"] = "41.411047";
    f["xng1"] = "0";
    f["xng2"] = "0";
    f["cgyj1"] = "";
    f["cgyj2"] = "";
    return f;
}

// The screen as it stands: every window shown, where it is, on the screen's room.
bool save_screen(const QDir& folder, const QString& name) {
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QPixmap screen(room.size());
    screen.fill(QColor(96, 110, 128));
    QPainter painter(&screen);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMenu*>(w)) {
            painter.drawPixmap(w->frameGeometry().topLeft() - room.topLeft(), w->grab());
        }
    }
    painter.end();
    return screen.save(folder.filePath(name + QStringLiteral(".png")));
}

// The geometry sheet of `form`, then its mesh picture turned a little, as the user
// sees it, alone and on the screen beside the sheet.
bool mesh_picture(ShellHarness& h, FormTexts form, const QDir& folder, const char* name) {
    // No pin diameters left over from an earlier pair.
    form.try_emplace("dpg1", "");
    form.try_emplace("dpg2", "");
    h.fill(form);
    h.click(FormButton::ComputeGeometry);
    GeometrySheetWindow* jg = h.shell().geometry_sheet();
    if (!jg || !jg->isVisible()) {
        std::fprintf(stderr, "gearpair-screenshots: no geometry sheet for %s: %s\n", name,
                     h.boxes.shown.empty() ? "" : h.boxes.shown.back().text.c_str());
        return false;
    }
    h.click(jg->mesh_button());
    MeshWindow* mesh = h.shell().mesh_window();
    if (!mesh) {
        std::fprintf(stderr, "gearpair-screenshots: no mesh picture for %s\n", name);
        return false;
    }
    mesh->slider()->setValue(mesh->slider()->maximum() / 3);
    QApplication::processEvents();
    bool ok = save(mesh, folder, name);
    ok &= save_screen(folder, QString::fromUtf8(name) + QStringLiteral("-screen"));
    const QString svg = folder.filePath(QString::fromUtf8(name) + QStringLiteral("-page.png"));
    ok &= !mesh->save_picture(svg).has_value();
    h.click(jg->button(SheetButton::Return));
    return ok;
}

// The blocking contour of `form` from the 计算 menu, a point picked, as the user sees
// it; and its page as saved.
bool contour_window(ShellHarness& h, const FormTexts& form, QPointF pick, const QDir& folder,
                    const char* name) {
    h.fill(form);
    h.shell().open_contour_window();
    ContourWindow* w = h.shell().contour_window();
    if (!w || !w->chart().drawable()) {
        std::fprintf(stderr, "gearpair-screenshots: no blocking contour for %s\n", name);
        return false;
    }
    w->resize(1180, 800);
    QApplication::processEvents();
    const QPointF pixel = w->view()->pixel_of(pick.x(), pick.y());
    QTest::mouseClick(w->view(), Qt::LeftButton, {}, pixel.toPoint());
    // A single click picks once no second click can make it a double one.
    if (!QTest::qWaitFor([w] { return w->pick().has_value(); })) {
        std::fprintf(stderr, "gearpair-screenshots: no point picked for %s\n", name);
        return false;
    }
    QTest::mouseMove(w->view(), (pixel + QPointF(40, -30)).toPoint());
    w->show_values_at(w->view()->plane_at(pixel + QPointF(40, -30)));
    QApplication::processEvents();
    bool ok = save(w, folder, name);
    ok &= !w->save_picture(folder.filePath(QString::fromUtf8(name) + QStringLiteral("-page.png")))
               .has_value();
    w->close();
    return ok;
}

// The sizing of the documented example (T1 = 500 N·m at 1450 1/min, i = 3.5, a free,
// case-hardened, Lh 20,000 h, SHmin 1.0, SFmin 1.4), run to the end, a variant of
// the front chosen in the plot.
bool sizing_window(ShellHarness& h, const QDir& folder, const char* name) {
    h.fill(spur_example());
    RatingInputs r;
    r.n1 = "1450";
    r.Lh = "20000";
    r.SHmin = "1.0";
    r.SFmin = "1.4";
    h.shell().document()->set_rating(r);
    h.shell().open_sizing_window();
    SizingWindow* w = h.shell().sizing_window();
    if (!w) return false;
    w->fill_defaults();
    w->field("T1")->setText(QStringLiteral("500"));
    w->field("i")->setText(QStringLiteral("3.5"));
    w->start();
    while (w->running()) QTest::qWait(50);
    if (w->summary().admissible == 0 || w->plot()->front().empty()) {
        std::fprintf(stderr, "gearpair-screenshots: the sizing found nothing\n");
        return false;
    }
    emit w->plot()->picked(w->plot()->front()[w->plot()->front().size() / 3]);
    QApplication::processEvents();
    const bool ok = save(w, folder, name);
    w->close();
    return ok;
}

// The 视图 menu's zoom, as the user sets it.
void set_zoom(ShellHarness& h, int percent) {
    for (QAction* a : h.form().findChildren<QAction*>()) {
        if (a->text() == QString::fromStdString(msg::pair_file::zoom_action(percent))) a->trigger();
    }
    QApplication::processEvents();
}

// The blocking contour of `form` opened from the 计算 menu beside the form, at the
// zoom `percent`, the view zoomed in by the wheel about the typed point and a value
// read under the cursor: the whole screen, and the window alone.
bool contour_on_screen(ShellHarness& h, const FormTexts& form, int percent, const QDir& folder,
                       const QString& name) {
    set_zoom(h, percent);
    h.fill(form);
    h.form().show();
    h.shell().open_contour_window();
    ContourWindow* w = h.shell().contour_window();
    if (!w || !w->chart().drawable()) return false;
    w->fit_to_screen(&h.form());
    QApplication::processEvents();
    ContourView* view = w->view();
    const QPointF at = view->pixel_of(0.5, 0.2);
    QWheelEvent wheel(at, view->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    w->shade_view();
    w->show_values_at(view->plane_at(view->frame().center() + QPointF(-60, 40)));
    QApplication::processEvents();
    // The screen with the form under the window, as they stand.
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QPixmap screen(room.size());
    screen.fill(QColor(96, 110, 128));
    {
        QPainter painter(&screen);
        for (QWidget* shown : {static_cast<QWidget*>(&h.form()), static_cast<QWidget*>(w)})
            painter.drawPixmap(shown->frameGeometry().topLeft() - room.topLeft(), shown->grab());
    }
    bool ok = screen.save(folder.filePath(name + QStringLiteral("-screen.png")));
    ok &= save(w, folder, qPrintable(name));
    w->close();
    set_zoom(h, 100);
    return ok;
}

// A pinion of 8 teeth without profile shift: the geometry sheet draws the values
// beyond their limits in red; the undercut's tool tip is open.
bool limits_sheet(ShellHarness& h, const QDir& folder, const char* name) {
    FormTexts form = spur_example();
    form["cs1z1"] = "8";
    form["zxja"] = "48";
    form["xng1"] = "0";
    form["xng2"] = "0";
    h.fill(form);
    h.click(FormButton::ComputeGeometry);
    GeometrySheetWindow* jg = h.shell().geometry_sheet();
    if (!jg || !jg->isVisible()) return false;
    QLabel* undercut = jg->value_label("zmin1");
    const QPoint at = undercut->mapTo(jg, undercut->rect().topLeft());
    QToolTip::showText(jg->mapToGlobal(at), undercut->toolTip(), undercut);
    QApplication::processEvents();
    QPixmap shot = jg->grab();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible()) {
            // Above the value, clear of the rows below it, and inside the picture as a
            // tip is kept on its screen.
            const int left = std::clamp(at.x(), 0, std::max(0, shot.width() - w->width()));
            QPainter(&shot).drawPixmap(QPoint(left, at.y() - w->height() - 2), w->grab());
        }
    }
    QToolTip::hideText();
    const bool ok = shot.save(folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png")));
    h.click(jg->button(SheetButton::Return));
    return ok;
}

bool strength_sheet(ShellHarness& h, const FormTexts& form, const QDir& folder, const char* name) {
    h.fill(form);
    h.click(FormButton::ComputeStrength);
    StrengthSheetWindow* sheet = h.shell().strength_sheet();
    if (!sheet) {
        std::fprintf(stderr, "gearpair-screenshots: no strength sheet for %s\n", name);
        return false;
    }
    const bool ok = save(sheet, folder, name);
    h.click(sheet->button(SheetButton::Return));
    return ok;
}

// The manual at the table of the form's fields, as it opens beside the form.
bool manual(ShellHarness& h, const QDir& folder) {
    ManualWindow window;
    window.open_at(QStringLiteral("fields"), &h.form());
    QApplication::processEvents();
    const bool ok = save(&window, folder, "manual");
    window.hide();
    return ok;
}

}  // namespace

// The same pair under a duty of five bins about its torque: the 载荷谱 page and
// the sheet 载荷谱寿命计算 with its chart.
bool spectrum_sheet(ShellHarness& h, RatingWindow& rating, const QDir& folder) {
    const auto rated = rating::rate(h.form().read(), rating.inputs());
    if (!std::holds_alternative<rating::RatingResult>(rated)) return false;
    const double T1 = std::get<rating::RatingResult>(rated).load.T1;
    rating::LoadSpectrum duty;
    duty.kind = rating::DurationKind::Hours;
    const double shares[][2] = {{1.6, 0.5}, {1.3, 5}, {1.0, 60}, {0.7, 500}, {0.4, 15000}};
    for (const auto& [torque, hours] : shares) {
        duty.bins.push_back({std::round(T1 * torque * 10) / 10, hours, {}, {}});
    }
    SpectrumPage* page = rating.spectrum_page();
    page->show_spectrum(duty);
    rating.pages()->setCurrentWidget(page);
    QApplication::processEvents();
    bool ok = save(&rating, folder, "spectrum-page");
    h.click(page->button(SpectrumButton::Compute));
    QApplication::processEvents();
    if (!page->sheet()) return false;
    ok &= save(&rating, folder, "spectrum-sheet");
    h.click(page->button(SpectrumButton::Print));
    return ok && !h.printer.printed.empty() &&
           save_preview(h.printer.printed.back(), folder, "spectrum-print-preview") &&
           save_pdf(h.printer.printed.back(), folder, "spectrum-report");
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setFont(ui_font());
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
    // No recent files and no zoom of the user's in the pictures.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    ShellHarness h;
    bool ok = save(&h.form(), folder, "input-form-empty");
    h.fill(spur_example());
    ok &= save(&h.form(), folder, "input-form");
    // Saved once, so that the menu lists it among the recent files.
    h.file_dialogs.save_paths = {
        QDir(settings.path()).filePath(QStringLiteral("B-1.csv")).toStdString()};
    ok &= h.shell().document()->save();
    h.form().show();
    ok &= save_with_menu(h.form(), folder, "input-form-menu");

    h.click(FormButton::ComputeGeometry);
    if (GeometrySheetWindow* jg = h.shell().geometry_sheet()) {
        ok &= save(jg, folder, "geometry-sheet");
        ok &= save_context_menu(jg, folder, "sheet-context-menu");
        h.click(jg->button(SheetButton::Print));
        ok &= !h.printer.printed.empty() &&
              save_preview(h.printer.printed.back(), folder, "print-preview");
        h.click(jg->button(SheetButton::Return));
    } else {
        ok = false;
    }
    ok &= limits_sheet(h, folder, "geometry-sheet-limits");
    ok &= strength_sheet(h, spur_example(), folder, "strength-sheet-jg1");
    ok &= strength_sheet(h, helical_jg2(), folder, "strength-sheet-jg2");
    ok &= strength_sheet(h, helical_jg3(), folder, "strength-sheet-jg3");

    // The rating window of the worked spur pair with its duty, materials from the
    // lines of ISO 6336-5 and a required life: the input page, then the sheet with
    // its 输入数据, and both once more at 200 %.
    FormTexts spur = spur_example();
    spur["dpg1"] = "";  // no pin diameters left over from the helical pair
    spur["dpg2"] = "";
    h.fill(spur);
    h.shell().compute_action(2)->trigger();
    if (RatingWindow* rating = h.shell().rating_window()) {
        rating->field(&RatingInputs::n1)->setText(QStringLiteral("1450"));
        rating->field(&RatingInputs::KA)->setText(QStringLiteral("1.25"));
        rating->field(&RatingInputs::Lh)->setText(QStringLiteral("20000"));
        rating->field(&RatingInputs::Q1)->setText(QStringLiteral("7"));
        rating->field(&RatingInputs::Q2)->setText(QStringLiteral("7"));
        // The pinion case-hardened at 60 HRC, the wheel of alloy steel at 300 HV.
        const std::tuple<const char*, const char*, const char*, const char*> picks[] = {
            {"Eh", "", "60", "HRC"}, {"V", "alloy", "300", "HV"}};
        for (int gear = 0; gear < 2; ++gear) {
            const auto& [code, type, hardness, unit] = picks[gear];
            QComboBox* klass = rating->material_choice(gear);
            klass->setCurrentIndex(klass->findData(QString::fromLatin1(code)));
            emit klass->activated(klass->currentIndex());
            if (*type) {
                rating->type_choice(gear)->setCurrentIndex(
                    rating->type_choice(gear)->findData(QString::fromLatin1(type)));
            }
            rating->hardness_unit(gear)->setCurrentText(QString::fromLatin1(unit));
            rating->hardness(gear)->setText(QString::fromLatin1(hardness));
            emit rating->hardness(gear)->editingFinished();
        }
        rating->oil_grade()->setCurrentIndex(rating->oil_grade()->findData(320));
        emit rating->oil_grade()->activated(rating->oil_grade()->currentIndex());
        QApplication::processEvents();
        material_in_view(rating);
        ok &= save(rating, folder, "rating-inputs");
        h.click(rating->button(RatingButton::Compute));
        QApplication::processEvents();
        if (!rating->sheet()) {
            std::fprintf(stderr, "gearpair-screenshots: no rating sheet: %s\n",
                         h.boxes.shown.empty() ? "" : h.boxes.shown.back().text.c_str());
            ok = false;
        } else {
            ok &= save(rating, folder, "rating-sheet");
            h.click(rating->button(RatingButton::Print));
            ok &= !h.printer.printed.empty() &&
                  save_preview(h.printer.printed.back(), folder, "rating-print-preview") &&
                  save_pdf(h.printer.printed.back(), folder, "rating-report");
            zoom_application(200);
            rating->zoom(200);
            QApplication::processEvents();
            ok &= save(rating, folder, "rating-sheet-200");
            ok &= save_preview(h.printer.printed.back(), folder, "rating-print-preview-200");
            // The material page in view: where the screen holds one column, it lies below.
            rating->pages()->setCurrentIndex(0);
            QApplication::processEvents();
            material_in_view(rating);
            ok &= save(rating, folder, "rating-inputs-200");
            zoom_application(100);
            rating->zoom(100);
            ok &= spectrum_sheet(h, *rating, folder);
        }
        rating->close();
    } else {
        ok = false;
    }

    ok &= mesh_picture(h, spur_example(), folder, "mesh-spur");
    ok &= mesh_picture(h, helical_undercut(), folder, "mesh-helical-undercut");

    ok &= manual(h, folder);
    FormTexts pinion_12 = spur_example();
    pinion_12["cs1z1"] = "12";
    pinion_12["cs2z2"] = "40";
    pinion_12["zxja"] = "53";
    pinion_12["xng1"] = "";
    pinion_12["xng2"] = "";
    ok &= contour_window(h, pinion_12, QPointF(0.6, 0.3), folder, "contour-12-40");
    ok &= contour_window(h, spur_example(), QPointF(0.5, 0.1), folder, "contour-spur");
    ok &= contour_on_screen(h, pinion_12, 100, folder, QStringLiteral("contour-12-40-100"));
    ok &= contour_on_screen(h, pinion_12, 200, folder, QStringLiteral("contour-12-40-200"));

    ok &= sizing_window(h, folder, "sizing-window");

    ok &= save_box(msg::kNoticeTitle, msg::kIncomplete, MessageIcon::None, folder, "check-message");
    // A calculation's stop, with the explanation under its message.
    FormTexts too_close = spur_example();
    too_close["zxja"] = "50";
    h.fill(too_close);
    h.click(FormButton::ComputeGeometry);
    if (!h.boxes.shown.empty()) {
        const ShownMessage& stop = h.boxes.shown.back();
        ok &= save_box(stop.title, stop.text, stop.icon, folder, "stop-message", stop.detail);
    } else {
        ok = false;
    }
    ok &= save_box(msg::kAppTitle, msg::shell::closing(h.fake_files.path(ReportKind::Geometry)),
                   MessageIcon::None, folder, "closing-message");
    return ok ? 0 : 1;
}
