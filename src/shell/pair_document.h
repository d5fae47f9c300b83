// The pair file behind the input form: the 文件, 视图 and 帮助 menus, opening
// (from the menu, the command line, a drop or the recent files), saving, the
// window title with the file's name and `*`, and the question before changes
// are lost.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "message_boxes.h"
#include "preferences.h"
#include "rating_inputs.h"

class QAction;
class QMenu;

namespace gp {

class InputForm;

class PairDocument : public QObject {
    Q_OBJECT

  public:
    // A pair file is at most this large, and none of its cells longer than this.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    static constexpr std::size_t kMaxCellChars = 1000;

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

    // The rating inputs belong to the pair like the form's fields: saved with it
    // (only when one is not empty), restored on open, counted by the `*` and the
    // question before changes are lost.
    const RatingInputs& rating() const { return rating_; }
    void set_rating(const RatingInputs& rating);

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
    bool write_to(const QString& path);
    void opened_or_saved(const QString& path);
    void problem(const std::string& text);

    InputForm& form_;
    MessageBoxes& boxes_;
    FileDialogs& dialogs_;
    std::string about_text_;
    Preferences preferences_;
    QString base_title_;
    QString path_;
    GearPairInput saved_;  // the texts as last opened or saved
    RatingInputs rating_, saved_rating_;
    QMenu* file_menu_ = nullptr;
    QAction* recent_end_ = nullptr;  // the separator after the recent files
    int zoom_ = 100;
};

}  // namespace gp
