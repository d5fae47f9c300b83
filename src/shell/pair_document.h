// The pair file behind the input form: the 文件, 视图 and 帮助 menus (帮助 with the
// manual, F1, and a field's entry in it, Shift+F1), opening
// (from the menu, the command line, a drop or the recent files), saving, the
// window title with the file's name and `*`, and the question before changes
// are lost. A pair opened from a file goes back into its own row of that file on
// 保存, the file's other rows untouched.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstddef>
#include <string>

#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "message_boxes.h"
#include "preferences.h"

class QAction;
class QMenu;

namespace gp {

class InputForm;
class ManualWindow;

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

    const QString& path() const { return path_; }
    bool modified() const;
    int zoom_percent() const { return zoom_; }

  signals:
    void exitRequested();
    void zoomChanged(int percent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_menus();
    void refresh_recent_files();
    void refresh_title();
    // 另存为: the pair alone in a file of its own.
    bool write_to(const QString& path);
    bool write_to(const QString& path, const std::string& bytes, int line, std::size_t rows);
    // 保存 into the row the pair came from; offers 另存为 where the row cannot hold it.
    bool write_row();
    void opened_or_saved(const QString& path, QByteArray bytes, int line, std::size_t rows);
    // The file's name, with the row when the file holds several pairs.
    std::string shown_name() const;
    void problem(const std::string& text);
    // The manual at `anchor` (a field's name), or at its top.
    void open_manual(const QString& anchor);

    InputForm& form_;
    MessageBoxes& boxes_;
    FileDialogs& dialogs_;
    std::string about_text_;
    Preferences preferences_;
    QString base_title_;
    QString path_;
    GearPairInput saved_;  // the texts as last opened or saved
    QByteArray file_bytes_;  // the file as last opened or saved
    int row_line_ = 0;       // the line the pair's row starts on
    std::size_t rows_ = 0;   // the pairs in the file
    QMenu* file_menu_ = nullptr;
    QAction* recent_end_ = nullptr;  // the separator after the recent files
    int zoom_ = 100;
    ManualWindow* manual_ = nullptr;  // owned by the form, made when first asked for
};

}  // namespace gp
