// The program's five windows and the way between them. Exactly one window is
// visible at a time (none while closing); each button has one handler here.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "desktop_services.h"
#include "gear_pair_input.h"
#include "input_checks.h"
#include "report_document.h"
#include "stop.h"
#include "strength_result.h"

class QAction;

namespace gp {

class FileDialogs;
class GeometrySheetWindow;
class ContourWindow;
class InputForm;
class PairDocument;
class MeshWindow;
class RatingWindow;
class SizingWindow;
class SheetWindow;
class StrengthSheetWindow;

enum class ShellState {
    Input,          // js visible; jg perhaps loaded and hidden
    GeometrySheet,  // jg visible, js hidden
    StrengthSheet,  // jg1, jg2 or jg3 visible, js hidden, jg perhaps loaded and hidden
    Closing,        // every window unloaded; the closing message, then the end
};

class Shell : public QObject {
    Q_OBJECT

  public:
    // `end_program` ends the program once the closing message has been read.
    Shell(DesktopServices desktop, std::function<void()> end_program);
    ~Shell() override;

    // Loads and shows the input form in its initial state.
    void start();
    // The dialogs the pair files ask through (by default the desktop's own); set
    // before start().
    void use_file_dialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
    // Opens a pair file into the form, as 打开… does once the file is chosen.
    bool open_file(const QString& path);

    ShellState state() const { return state_; }
    // The loaded windows (nullptr when not loaded).
    InputForm* form() const { return form_.get(); }
    GeometrySheetWindow* geometry_sheet() const { return geometry_.get(); }
    StrengthSheetWindow* strength_sheet() const { return strength_.get(); }
    PairDocument* document() const { return document_; }
    // The mesh picture of the geometry sheet's pair, while it is open.
    MeshWindow* mesh_window() const { return mesh_.get(); }
    // The blocking contour of the form's pair, while it is open.
    ContourWindow* contour_window() const { return contour_.get(); }
    // 计算 → 变位系数选择图… (F9), also in the geometry sheet's context menu: opens
    // the window beside the form, or brings it up computed afresh.
    void open_contour_window();
    // The rating window, once opened (计算 → 承载能力校核, F8).
    RatingWindow* rating_window() const { return rating_.get(); }
    // 计算 → 方案设计… (F10): the sizing window, its page filled from the document
    // when it first opens and kept as typed afterwards.
    void open_sizing_window();
    SizingWindow* sizing_window() const { return sizing_.get(); }
    // The form's 计算 menu actions: the two calculations and the rating window.
    QAction* compute_action(int which) const { return compute_actions_[which]; }

  private:
    // Input form.
    void compute_geometry();
    void compute_strength();
    void clear_form();
    // Geometry sheet.
    void carry_shift_into_form();
    // Every sheet.
    void return_to_form();
    void print_sheet();
    void save_sheet();
    // A sheet's context menu.
    void copy_sheet();
    void report_dialog(DialogOutcome (ReportDialogs::*show)(const ReportDocument&),
                       const char* task, std::string (*failure)(const std::string& reason));
    // Geometry sheet: 啮合图, a window of its own beside the sheet.
    void open_mesh_picture();
    // The form's 计算 menu, after 文件 (and 编辑).
    void build_compute_menu();
    // Opens the rating window beside the form, showing the form's pair.
    void open_rating();
    // Every window.
    void exit_program();
    void apply_zoom();
    // A sheet at the zoom, its strip under its layout.
    void zoom_sheet(SheetWindow* sheet);

    void connect_sheet(SheetWindow* sheet);
    SheetWindow* shown_sheet() const;
    std::optional<ReportDocument> sheet_report();
    // A check's or a calculation's notice: the message, with what failed below it.
    void notice(const std::string& text, const std::string& detail = {});
    // Runs a calculation, or a sheet's print, save or copy (`task` names it), turning
    // a fault of the program itself into a message instead of letting it take the
    // program down.
    template <typename Calculation>
    auto guarded(Calculation calculation, const char* task = nullptr)
        -> std::optional<decltype(calculation())>;
    // A calculation button's work: the check, then the calculation. The result, or
    // nothing once the user has been told why not.
    using Check = std::optional<CheckFailure> (*)(const GearPairInput&);
    template <typename Result>
    std::optional<Result> calculate(Check check, Outcome<Result> (*compute)(const GearPairInput&));

    DesktopServices desktop_;
    std::function<void()> end_program_;
    ShellState state_ = ShellState::Input;
    std::unique_ptr<InputForm> form_;
    std::unique_ptr<GeometrySheetWindow> geometry_;
    std::unique_ptr<StrengthSheetWindow> strength_;
    std::unique_ptr<FileDialogs> own_dialogs_;
    FileDialogs* dialogs_ = nullptr;
    PairDocument* document_ = nullptr;  // owned by the form
    std::unique_ptr<MeshWindow> mesh_;
    std::unique_ptr<ContourWindow> contour_;
    std::unique_ptr<RatingWindow> rating_;
    std::unique_ptr<SizingWindow> sizing_;
    QAction* compute_actions_[3] = {};
};

}  // namespace gp
