// The pair file behind the input form: the 文件, 编辑, 视图 and 帮助 menus (帮助 with
// the manual, F1, and a field's entry in it, Shift+F1), opening (from the menu, the
// command line, a drop or the recent files), saving, the window title with the
// file's name and `*`, the question before changes are lost, and the history of the
// form as a whole for 撤销 and 重做. A pair opened from a file goes back into its
// own row of that file on 保存, the file's other rows untouched.
//
// History: every change of the whole form (新建, 清空, opening a file, carrying
// the split, another window filling the form) is one step holding the document
// before and after. Typing is gathered into a step when the field is left, or
// when a whole-form change or 撤销/重做 comes while the field still has the focus.
// Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y) stay with a focused text field while the field
// has typing of its own to undo or redo; with nothing of its own left, the key
// goes on to the form's history.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstddef>
#include <string>

#include "document_state.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "message_boxes.h"
#include "preferences.h"
#include "rating_inputs.h"

class QAction;
class QMenu;
class QUndoStack;

namespace gp {

class InputForm;
class ManualWindow;

class PairDocument : public QObject {
    Q_OBJECT

  public:
    // A pair file is at most this large, and none of its cells longer than this.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    static constexpr std::size_t kMaxCellChars = 1000;
    // How many steps 撤销 goes back.
    static constexpr int kHistorySteps = 100;

    PairDocument(InputForm& form, MessageBoxes& boxes, FileDialogs& dialogs,
                 std::string about_text);

    // Loads one pair of the file into the form; on any problem tells the user and
    // leaves the form as it was. Does not ask about unsaved changes.
    bool open_file(const QString& path);
    // 打开…, 保存, 另存为…: false when the user cancelled or the file failed.
    bool open();
    bool save();
    bool save_as();
    // Before the program is left: asks "保存对…的修改吗？" when an open file was
    // changed. False when the user chose to stay.
    bool may_discard_changes();
    // Before another file replaces the form's texts: asks also when texts were typed
    // with no file open, since they would be lost.
    bool may_replace_texts();

    // 新建: asks about unsaved changes, then empties every field and selects the
    // first option, with no file behind the form. False when the user chose to stay.
    bool new_document();
    // Sets the form's texts and option as ONE undoable step named `what`; the rest
    // of the document stays. A change that changes nothing is no step.
    void apply_change(const GearPairInput& texts, const QString& what);
    void apply_change(const DocumentState& state, const QString& what);
    // The document as the form shows it now.
    DocumentState current() const;
    // 撤销 and 重做 of the form as a whole (typing not yet a step becomes one first).
    void undo();
    void redo();
    QUndoStack* history() const { return history_; }
    // The rating inputs belong to the pair like the form's fields (DocumentState):
    // saved with it (only when one is not empty), restored on open, counted by the
    // `*` and the question before changes are lost, and covered by 撤销/重做.
    const RatingInputs& rating() const { return rating_; }
    // The rating window's texts as they stand (typing, not yet a step of history).
    void set_rating(const RatingInputs& rating);
    // The rating window's typing becomes a step of the history (a field was left).
    void settle_rating();

    const QString& path() const { return path_; }
    bool modified() const;
    int zoom_percent() const { return zoom_; }

  signals:
    void exitRequested();
    void zoomChanged(int percent);
    // Another pair's rating inputs replaced the document's (a file was opened).
    void ratingReplaced();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_menus();
    void refresh_recent_files();
    void refresh_title();
    QString start_folder() const;
    // 另存为: the pair alone in a file of its own.
    bool write_to(const QString& path);
    bool write_to(const QString& path, const std::string& bytes, int line, std::size_t rows);
    // 保存 into the row the pair came from; offers 另存为 where the row cannot hold it.
    bool write_row();
    void opened_or_saved(const QString& path, QByteArray bytes, int line, std::size_t rows);
    // The file's name, with the row when the file holds several pairs.
    std::string shown_name() const;
    void problem(const std::string& text);
    void show_notice(const std::string& text);
    // The manual at `anchor` (a field's name), or at its top.
    void open_manual(const QString& anchor);
    // Writes a state into the form, leaving alone the fields that already hold
    // their text (so their cursor and own undo stay).
    void show(const DocumentState& state);
    // Typing since the last step becomes a step of its own.
    void settle_typing();
    void refresh_edit_actions();
    friend class DocumentStep;

    InputForm& form_;
    MessageBoxes& boxes_;
    FileDialogs& dialogs_;
    std::string about_text_;
    Preferences preferences_;
    QString base_title_;
    QString path_;
    DocumentState saved_;      // as last opened or saved
    DocumentState settled_;    // as of the last step of the history
    QByteArray file_bytes_;    // the file as last opened or saved
    int row_line_ = 0;         // the line the pair's row starts on
    std::size_t rows_ = 0;     // the pairs in the file
    QUndoStack* history_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    bool showing_ = false;  // a state is being written into the form
    RatingInputs rating_;  // the rating window's texts as they stand
    QMenu* file_menu_ = nullptr;
    QAction* recent_end_ = nullptr;  // the separator after the recent files
    int zoom_ = 100;
    ManualWindow* manual_ = nullptr;  // owned by the form, made when first asked for
};

}  // namespace gp
