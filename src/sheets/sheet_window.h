// A result sheet window: caption labels, value labels and the four buttons, laid out
// from its row table. The sheet shows ready-made texts and computes nothing. Each
// value tells its meaning, symbol and unit in its tool tip; Esc leaves the sheet
// as 返回 does. Under the layout, a strip says what the figures cannot (the case a
// strength sheet used, that a report was appended): it appears only when it has
// something to say, and the layout above keeps its size and place.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "label_texts.h"
#include "sheet_layout.h"

class QAction;
class QLabel;
class QPushButton;

namespace gp {

enum class SheetButton { Return, Print, Save, Exit };
// The sheet's context menu (right click), each with its shortcut. The menu lists the
// window's actions, so an action added with addAction() appears in it too.
enum class SheetAction { CopyAll, PrintPreview, PrintTo, ExportPdf };

class SheetWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SheetWindow(const SheetLayout& layout);

    QPushButton* button(SheetButton which) const;
    QAction* action(SheetAction which) const;
    // Every row as tab-separated text (caption, pinion value, wheel value), below a
    // heading line and the drawing numbers: what a spreadsheet takes in on a paste.
    std::string tab_separated(const std::string& drawing1, const std::string& drawing2) const;
    // The value label at `position` of the sheet's label table, the position the
    // calculation fills (geometry_label, position_on_sheet). A position past the
    // table is a programming error (std::out_of_range).
    QLabel* value_label_at(std::size_t position) const { return values_.at(position); }
    // The text that label shows.
    std::string text_at(std::size_t position) const;
    // The value label of that name, nullptr when the sheet has none. It compares
    // names: for tests, which name what they look at; the program goes by position.
    QLabel* value_label(std::string_view name) const;
    // Shows `texts`, a table of this sheet's labels in the sheet's order: each
    // value label takes the text at its own position. A table of another length is
    // a programming error (std::invalid_argument).
    void set_texts(const LabelTexts& texts);
    // Every value label's current text, in the sheet's table.
    LabelTexts texts() const;

    // The notice strip's first line, a lasting note on what the sheet shows (with
    // a longer explanation in its tool tip), and its last, the outcome of the last
    // task; an empty text removes the line.
    void set_note(const std::string& text, const std::string& explanation = {});
    void set_status(const std::string& text);
    // The calculation's notices in the strip, the window kept on its screen.
    void show_notices(const std::vector<std::string>& notices);
    // The notice strip under the layout, nullptr while the sheet has had nothing to
    // say.
    QLabel* strip() const;
    // Lays the strip out under the layout at the window's present zoom and makes
    // the window as tall as both, drawing it smaller when both would not fit on
    // the screen (`rescale`); called again once the zoom has changed.
    void fit_strip(bool rescale = true);

  signals:
    // The window's own close button was pressed; the shell decides what follows.
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* add_label(const char* name, const QString& text, int left, int top, int width,
                      int height);
    void add_value(std::size_t position, int left, int top, int width, int height);

    void add_actions();

    const SheetLayout& layout_;
    std::array<QPushButton*, 4> buttons_{};
    std::array<QAction*, 4> actions_{};
    // The value labels in the order of the sheet's table (layout_.values), so that
    // filling the sheet walks the two side by side.
    std::vector<QLabel*> values_;
};

}  // namespace gp
