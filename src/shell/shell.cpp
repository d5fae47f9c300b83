#include "shell.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QFileInfo>
#include <QScreen>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <utility>
#include <variant>
#include <vector>

#include "contour_window.h"
#include "geometry_calculation.h"
#include "geometry_limits.h"
#include "geometry_numbers.h"
#include "geometry_sheet.h"
#include "impossible_inputs.h"
#include "input_checks.h"
#include "input_form.h"
#include "mesh_scene_of.h"
#include "mesh_window.h"
#include "messages/base.h"
#include "messages/contour.h"
#include "messages/files.h"
#include "messages/inputs.h"
#include "messages/rating_window_texts.h"
#include "messages/shell_texts.h"
#include "messages/tips.h"
#include "notice_strip.h"
#include "pair_document.h"
#include "qt_file_dialogs.h"
#include "qt_text.h"
#include "rating_window.h"
#include "messages/sizing.h"
#include "sizing_window.h"
#include "report_actions.h"
#include "shift_notice.h"
#include "strength_calculation.h"
#include "strength_sheet.h"
#include "window_places.h"
#include "window_zoom.h"

namespace gp {

namespace {

// Unloading discards a window and its texts. The window may be the one whose
// button is being handled, so it goes once the handler has returned.
template <typename Window>
void unload(std::unique_ptr<Window>& window) {
    if (!window) return;
    window->hide();
    window.release()->deleteLater();
}

// What a sheet of `kind` says under its layout about the form it was computed from:
// the values no gear can have, and for strength the shift coefficients it used.
std::vector<std::string> notices_for(const GearPairInput& input, CalculationKind kind) {
    std::vector<std::string> out;
    if (kind == CalculationKind::Strength) {
        if (auto shift = shift_notice(input)) out.push_back(std::move(*shift));
    }
    for (const ImpossibleValue& v : impossible_values(input, kind)) {
        out.push_back(msg::sheet::impossible_value(v.explanation));
    }
    return out;
}

}  // namespace

Shell::Shell(DesktopServices desktop, std::function<void()> end_program)
    : desktop_(desktop), end_program_(std::move(end_program)) {}

Shell::~Shell() = default;

void Shell::start() {
    form_ = std::make_unique<InputForm>();
    connect(form_->button(FormButton::ComputeGeometry), &QPushButton::clicked, this,
            &Shell::compute_geometry);
    connect(form_->button(FormButton::ComputeStrength), &QPushButton::clicked, this,
            &Shell::compute_strength);
    connect(form_->button(FormButton::Clear), &QPushButton::clicked, this, &Shell::clear_form);
    connect(form_->button(FormButton::Exit), &QPushButton::clicked, this, &Shell::exit_program);
    connect(form_.get(), &InputForm::closeRequested, this, &Shell::exit_program);
    if (!dialogs_) dialogs_ = (own_dialogs_ = std::make_unique<QtFileDialogs>()).get();
    document_ = new PairDocument(
        *form_, desktop_.boxes, *dialogs_,
        msg::pair_file::about(GEARPAIR_VERSION, desktop_.files.path(ReportKind::Geometry),
                              desktop_.files.path(ReportKind::Strength)));
    connect(document_, &PairDocument::exitRequested, this, &Shell::exit_program);
    connect(document_, &PairDocument::zoomChanged, this, &Shell::apply_zoom);
    connect(document_, &PairDocument::ratingReplaced, this, [this] {
        if (!rating_) return;
        rating_->set_inputs(document_->rating());
        rating_->show_pair(form_->read());
    });
    build_compute_menu();
    apply_zoom();
    // Each window where the user last left it, fitted to this screen; else as placed
    // on a first run.
    keep_window_place(form_.get(), QStringLiteral("form"));
    state_ = ShellState::Input;
    form_->show();
}

bool Shell::open_file(const QString& path) {
    return state_ == ShellState::Input && document_->open_file(path);
}

// --- The 计算 menu: the calculations and the windows computed from the form ---------
void Shell::build_compute_menu() {
    QMenuBar* bar = form_->menuBar();
    auto* menu = new QMenu(qt(msg::shell::kComputeMenu), bar);
    menu->setObjectName(QStringLiteral("compute_menu"));
    compute_actions_[0] = menu->addAction(qt(msg::shell::kComputeGeometryAction),
                                          QKeySequence(Qt::Key_F5), this, &Shell::compute_geometry);
    compute_actions_[1] = menu->addAction(qt(msg::shell::kComputeStrengthAction),
                                          QKeySequence(Qt::Key_F6), this, &Shell::compute_strength);
    menu->addSeparator();
    compute_actions_[2] = menu->addAction(qt(msg::rating_window::kOpenRating),
                                          QKeySequence(Qt::Key_F8), this, &Shell::open_rating);
    menu->addAction(qt(msg::contour::kMenuAction), QKeySequence(Qt::Key_F9), this,
                    &Shell::open_contour_window);
    menu->addAction(qt(msg::sizing::kMenuAction), QKeySequence(Qt::Key_F10), this,
                    &Shell::open_sizing_window);
    // After 文件 (and 编辑), before 视图.
    QAction* before = nullptr;
    for (QAction* a : bar->actions()) {
        if (a->text() == qt(msg::pair_file::kViewMenu)) before = a;
    }
    bar->insertMenu(before, menu);
}

void Shell::open_contour_window() {
    if (state_ == ShellState::Closing) return;
    if (contour_) {
        // Open: the plane in view again; closed: as new.
        if (contour_->isVisible()) {
            contour_->recompute();
        } else {
            contour_->start_afresh();
        }
    } else {
        auto window = guarded([&] {
            return std::make_unique<ContourWindow>(
                [this] { return form_->read(); },
                [this](const GearPairInput& texts, const QString& what) {
                    document_->apply_change(texts, what);
                },
                desktop_, *dialogs_);
        });
        if (!window) return;
        contour_ = std::move(*window);
        contour_->set_zoom(document_->zoom_percent());
        // Typing in the form redraws the plane (a whole contour takes some tens of
        // milliseconds, so it follows the typing once it rests).
        for (const InputField& f : kInputFields) {
            connect(form_->field(f.text), &QLineEdit::textChanged, contour_.get(),
                    &ContourWindow::recompute_soon);
        }
        // Beside the form where the screen has room, within the screen always (its
        // frame too, known once it is shown).
        contour_->show();
        contour_->fit_to_screen(form_.get());
        keep_window_place(contour_.get(), QStringLiteral("contour"));
    }
    contour_->show();
    contour_->raise();
    contour_->activateWindow();
}

void Shell::open_sizing_window() {
    if (state_ == ShellState::Closing) return;
    if (!sizing_) {
        auto window = guarded([&] {
            return std::make_unique<SizingWindow>(
                [this] { return form_->read(); }, [this] { return document_->rating(); },
                [this](const GearPairInput& texts, const QString& what) {
                    document_->apply_change(texts, what);
                },
                desktop_, *dialogs_);
        });
        if (!window) return;
        sizing_ = std::move(*window);
        sizing_->set_zoom(document_->zoom_percent());  // and sized within the screen
        show_beside(sizing_.get(), nullptr, sizing_->size(), false);  // centred
        keep_window_place(sizing_.get(), QStringLiteral("sizing"));
    }
    sizing_->show();  // reopened: the page as the user left it
    sizing_->raise();
    sizing_->activateWindow();
}
// --- end of the 计算 menu ------------------------------------------------------------

void Shell::apply_zoom() {
    const int percent = document_->zoom_percent();
    zoom_application(percent);
    zoom_main_window(form_.get(), form_->body(), percent);
    if (mesh_) mesh_->set_zoom(percent);
    if (geometry_) zoom_sheet(geometry_.get());
    if (strength_) zoom_sheet(strength_.get());
    if (contour_) contour_->set_zoom(percent);
    if (rating_) rating_->zoom(percent);
    if (sizing_) sizing_->set_zoom(percent);
}

void Shell::open_rating() {
    if (state_ != ShellState::Input) return;
    if (!rating_) {
        rating_ = std::make_unique<RatingWindow>([this] { return form_->read(); }, desktop_,
                                                 *dialogs_);
        // The spectrum's file is named relative to the pair file's folder.
        rating_->spectrum_page()->set_folder_source([this] {
            const QString path = document_->path();
            return path.isEmpty() ? std::string() : QFileInfo(path).absolutePath().toStdString();
        });
        rating_->set_inputs(document_->rating());
        // A sheet computed from another pair is marked out of date at the form's first edit.
        for (QLineEdit* edit : form_->findChildren<QLineEdit*>()) {
            connect(edit, &QLineEdit::textChanged, rating_.get(), &RatingWindow::mark_stale);
        }
        connect(rating_.get(), &RatingWindow::inputsEdited, this,
                [this] { document_->set_rating(rating_->inputs()); });
        connect(rating_.get(), &RatingWindow::inputsSettled, document_,
                &PairDocument::settle_rating);
        rating_->zoom(document_->zoom_percent());
        // Beside the form, where the screen has room; the form does not move.
        show_beside(rating_.get(), form_.get(), rating_->size(), false);
        keep_window_place(rating_.get(), QStringLiteral("rating"));
    }
    rating_->show_pair(form_->read());
    rating_->show();
    rating_->raise();
    rating_->activateWindow();
}

void Shell::zoom_sheet(SheetWindow* sheet) {
    zoom_to_fit(sheet, document_->zoom_percent());
    sheet->fit_strip();
}

void Shell::connect_sheet(SheetWindow* sheet) {
    connect(sheet->button(SheetButton::Return), &QPushButton::clicked, this,
            &Shell::return_to_form);
    connect(sheet->button(SheetButton::Print), &QPushButton::clicked, this, &Shell::print_sheet);
    connect(sheet->button(SheetButton::Save), &QPushButton::clicked, this, &Shell::save_sheet);
    connect(sheet->button(SheetButton::Exit), &QPushButton::clicked, this, &Shell::exit_program);
    connect(sheet->action(SheetAction::CopyAll), &QAction::triggered, this, &Shell::copy_sheet);
    connect(sheet->action(SheetAction::PrintPreview), &QAction::triggered, this, [this] {
        report_dialog(&ReportDialogs::preview, msg::shell::kTaskPrint, msg::shell::not_printed_to);
    });
    connect(sheet->action(SheetAction::PrintTo), &QAction::triggered, this, [this] {
        report_dialog(&ReportDialogs::print_to, msg::shell::kTaskPrint, msg::shell::not_printed_to);
    });
    connect(sheet->action(SheetAction::ExportPdf), &QAction::triggered, this, [this] {
        report_dialog(&ReportDialogs::export_pdf, msg::shell::kTaskExport,
                      msg::shell::not_exported);
    });
    // A sheet's own close button goes back to the form, as 返回 does.
    connect(sheet, &SheetWindow::closeRequested, this, &Shell::return_to_form);
}

void Shell::notice(const std::string& text, const std::string& detail) {
    desktop_.boxes.show(msg::kNoticeTitle, text, MessageIcon::None, detail);
}

template <typename Calculation>
auto Shell::guarded(Calculation calculation, const char* task)
    -> std::optional<decltype(calculation())> {
    std::string what;
    try {
        return calculation();
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = msg::shell::kUnknownFault;
    }
    desktop_.boxes.show(
        msg::kNoticeTitle,
        task ? msg::shell::task_fault(task, what) : msg::shell::internal_fault(what),
        MessageIcon::Warning);
    return std::nullopt;
}

template <typename Result>
std::optional<Result> Shell::calculate(Check check,
                                       Outcome<Result> (*compute)(const GearPairInput&)) {
    const GearPairInput input = form_->read();
    // The button's own check first, so that the keyboard focus can go to the field
    // that failed; the calculation would stop with the same message.
    if (const auto failure = check(input)) {
        notice(failure->message, failure->detail);
        form_->focus_field(failure->field);
        return std::nullopt;
    }
    auto outcome = guarded([&] { return compute(input); });
    if (!outcome) return std::nullopt;
    if (const auto* stop = std::get_if<Stop>(&*outcome)) {
        notice(stop->message, stop->detail);
        if (!stop->field.empty()) form_->focus_field(stop->field);
        return std::nullopt;
    }
    return std::get<Result>(std::move(*outcome));
}

void Shell::compute_geometry() {
    if (state_ != ShellState::Input) return;
    const auto result = calculate(check_for_geometry, compute_geometry_sheet_and_numbers);
    if (!result) return;
    // Switch to the sheet: load it once, hide the form, show the sheet, then
    // write its texts.
    if (!geometry_) {
        geometry_ = std::make_unique<GeometrySheetWindow>();
        connect_sheet(geometry_.get());
        zoom_sheet(geometry_.get());
        connect(geometry_->carry_shift_action(), &QAction::triggered, this,
                &Shell::carry_shift_into_form);
        connect(geometry_->mesh_button(), &QPushButton::clicked, this, &Shell::open_mesh_picture);
        connect(geometry_->contour_action(), &QAction::triggered, this,
                &Shell::open_contour_window);
    }
    form_->hide();
    geometry_->show();
    geometry_->show_texts(result->sheet);
    geometry_->show_limit_flags(geometry_limit_flags(result->numbers));
    geometry_->set_status({});
    geometry_->show_notices(notices_for(form_->read(), CalculationKind::Geometry));
    // The form's texts behind the sheet, for the mesh picture (the form is unchanged
    // since it was read).
    geometry_->keep_form(form_->read());
    state_ = ShellState::GeometrySheet;
}

void Shell::compute_strength() {
    if (state_ != ShellState::Input) return;
    const auto calculated = calculate(check_for_strength, gp::compute_strength);
    if (!calculated) return;
    const StrengthResult& result = *calculated;
    form_->kept_diameters = result.diameters;
    // A strength sheet is always loaded afresh: returning discarded the last one.
    strength_ = std::make_unique<StrengthSheetWindow>(result.sheet);
    connect_sheet(strength_.get());
    zoom_sheet(strength_.get());
    form_->hide();
    strength_->show();
    strength_->show_texts(result);
    strength_->show_notices(notices_for(form_->read(), CalculationKind::Strength));
    state_ = ShellState::StrengthSheet;
}

void Shell::carry_shift_into_form() {
    if (state_ != ShellState::GeometrySheet) return;
    // Exactly the texts the sheet shows, as one step 撤销 can take back.
    const GeometrySheetWindow& shown = *geometry_;
    GearPairInput in = form_->read();
    in.xng1 = shown.text_at(geometry_label("xn1"));
    in.xng2 = shown.text_at(geometry_label("xn2"));
    document_->apply_change(in, qt(msg::editing::kStepCarryShift));
}

void Shell::clear_form() {
    if (state_ != ShellState::Input) return;
    document_->apply_change(InputForm::cleared(form_->read()), qt(msg::editing::kStepClear));
}

void Shell::return_to_form() {
    switch (state_) {
        case ShellState::GeometrySheet:
            unload(mesh_);      // its pair is no longer on show
            geometry_->hide();  // stays loaded, with its texts
            break;
        case ShellState::StrengthSheet:
            unload(strength_);
            break;
        case ShellState::Input:
        case ShellState::Closing:
            return;
    }
    state_ = ShellState::Input;
    form_->show();
}

SheetWindow* Shell::shown_sheet() const {
    switch (state_) {
        case ShellState::GeometrySheet:
            return geometry_.get();
        case ShellState::StrengthSheet:
            return strength_.get();
        case ShellState::Input:
        case ShellState::Closing:
            break;
    }
    return nullptr;
}

std::optional<ReportDocument> Shell::sheet_report() {
    // The report is built at the click, from the sheet's texts and the form's
    // texts as they stand.
    return guarded(
        [&] {
            const ReportStamp when = desktop_.clock.now();
            return state_ == ShellState::GeometrySheet
                       ? geometry_->report(form_->read(), when)
                       : strength_->report(form_->read(), form_->kept_diameters, when);
        },
        msg::shell::kTaskReport);
}

void Shell::print_sheet() {
    if (!shown_sheet()) return;
    if (const auto doc = sheet_report()) {
        guarded(
            [&] {
                print_report(*doc, desktop_);
                return true;
            },
            msg::shell::kTaskPrint);
    }
}

void Shell::save_sheet() {
    if (!shown_sheet()) return;
    const ReportKind kind =
        state_ == ShellState::GeometrySheet ? ReportKind::Geometry : ReportKind::Strength;
    if (const auto doc = sheet_report()) {
        const auto saved =
            guarded([&] { return save_report(*doc, kind, desktop_); }, msg::shell::kTaskSave);
        // No box to close: the sheet says where the report went.
        shown_sheet()->set_status(saved && *saved
                                      ? msg::tips::report_appended(desktop_.files.path(kind))
                                      : std::string());
    }
}

void Shell::copy_sheet() {
    const SheetWindow* sheet = shown_sheet();
    if (!sheet) return;
    guarded(
        [&] {
            const GearPairInput form = form_->read();
            QGuiApplication::clipboard()->setText(qt(sheet->tab_separated(form.th1, form.th2)));
            return true;
        },
        msg::shell::kTaskCopy);
}

void Shell::report_dialog(DialogOutcome (ReportDialogs::*show)(const ReportDocument&),
                          const char* task, std::string (*failure)(const std::string& reason)) {
    if (!shown_sheet()) return;
    const auto doc = sheet_report();
    if (!doc) return;
    const auto out = guarded([&] { return (desktop_.dialogs.*show)(*doc); }, task);
    if (out && out->kind == DialogOutcome::Kind::Failed) {
        desktop_.boxes.show(msg::kNoticeTitle, failure(out->reason), MessageIcon::Warning);
    }
}

void Shell::open_mesh_picture() {
    if (state_ != ShellState::GeometrySheet) return;
    const auto& shown = geometry_->shown_form();
    auto picture = guarded([&] {
        // The sheet's calculation again, its numbers at full precision: only when
        // the picture is asked for, not at every calculation.
        if (!shown) return refused_picture(msg::kCannotCompute);
        const auto numbers = compute_geometry_numbers(*shown);
        const auto* n = std::get_if<GeometryNumbers>(&numbers);
        if (!n) return refused_picture(msg::kCannotCompute);
        return mesh_picture(*n, *shown);
    });
    if (!picture) return;
    // One picture at a time, of the pair on the sheet.
    unload(mesh_);
    mesh_ = std::make_unique<MeshWindow>(std::move(picture->scene), std::move(picture->outlines),
                                         desktop_, *dialogs_);
    mesh_->set_zoom(document_->zoom_percent());
    mesh_->fit_to_screen(geometry_.get());
    keep_window_place(mesh_.get(), QStringLiteral("mesh"));
    mesh_->show();
    mesh_->raise();
    mesh_->activateWindow();
}

void Shell::exit_program() {
    if (state_ == ShellState::Closing) return;
    // Changes to an open pair file are not lost without a question.
    if (document_ && !document_->may_discard_changes()) return;
    state_ = ShellState::Closing;
    unload(mesh_);
    unload(contour_);
    unload(rating_);
    unload(strength_);
    unload(geometry_);
    unload(form_);
    // The message names the geometry report file whichever window the user left.
    desktop_.boxes.show(msg::kAppTitle,
                        msg::shell::closing(desktop_.files.path(ReportKind::Geometry)),
                        MessageIcon::None);
    end_program_();
}

}  // namespace gp
