// A result sheet window: caption labels, value labels and the four buttons, laid out
// from its row table. The sheet shows ready-made texts and computes nothing.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <string_view>
#include <utility>
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
    // The value label of that name; nullptr when the sheet has none.
    QLabel* value_label(std::string_view name) const;
    // Replaces the text of every value label named in `texts`.
    void set_texts(const LabelTexts& texts);
    // The current texts of the named value labels, in the given order.
    template <typename Names>
    LabelTexts texts_of(const Names& names) const {
        LabelTexts out(names);
        for (const auto& [name, text] : out.entries()) out.set(name, text_of(name));
        return out;
    }

  signals:
    // The window's own close button was pressed; the shell decides what follows.
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::string text_of(std::string_view name) const;
    QLabel* add_label(const char* name, const QString& text, int left, int top, int width,
                      int height);
    void add_value(const char* name, int left, int top, int width, int height);

    void add_actions();

    const SheetLayout& layout_;
    std::array<QPushButton*, 4> buttons_{};
    std::array<QAction*, 4> actions_{};
    std::vector<std::pair<std::string, QLabel*>> values_;
};

}  // namespace gp
