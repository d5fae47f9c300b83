#include "sheet_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "messages/sheets.h"
#include "notice_strip.h"
#include "qt_text.h"
#include "quantity_tips.h"
#include "twips.h"
#include "ui_font.h"
#include "window_zoom.h"

namespace gp {

namespace {

QPushButton* add_button(QWidget* window, const char* name, const char* text, ButtonPlace at,
                        int top, int height) {
    auto* b = new QPushButton(qt(text), window);
    b->setObjectName(qt(name));
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    place(b, at.left, top, at.width, height);
    return b;
}

}  // namespace

SheetWindow::SheetWindow(const SheetLayout& layout) : layout_(layout) {
    setObjectName(qt(layout.window_name));
    setWindowTitle(qt(layout.title));
    setFont(ui_font());
    setFixedSize(px(layout.inner_width), px(layout.inner_height));

    // A label may be taller than its table says, up to the row pitch, so that the
    // font's full line fits; it keeps its top.
    const int label_height = std::max(layout.label_height, layout.row_pitch);
    add_label(layout.pinion_heading_name, QStringLiteral("主动齿轮"), layout.pinion_heading_left,
              layout.heading_top, layout.heading_width,
              std::max(layout.heading_height, label_height));
    add_label("cd", QStringLiteral("从动齿轮"), layout.wheel_heading_left, layout.heading_top,
              layout.heading_width, std::max(layout.heading_height, label_height));

    values_.assign(layout.values->size(), nullptr);
    int top = layout.first_row_top;
    for (const SheetRow& row : layout.rows) {
        add_label(row.caption_name, qt(row.caption_text), layout.caption_left, top,
                  layout.caption_width, label_height);
        switch (row.place) {
            case ValuePlace::Pair:
                add_value(row.pinion, layout.pinion_left, top, layout.value_width, label_height);
                add_value(row.wheel, layout.wheel_left, top, layout.value_width, label_height);
                break;
            case ValuePlace::Centred:
                add_value(row.pinion, layout.centred_left, top, layout.value_width, label_height);
                break;
            case ValuePlace::PinionOnly:
                add_value(row.pinion, layout.pinion_left, top, layout.value_width, label_height);
                break;
        }
        top += layout.row_pitch;
    }
    if (std::find(values_.begin(), values_.end(), nullptr) != values_.end())
        throw std::logic_error("a value label of the sheet's table has no row");

    const int bt = layout.button_top;
    const int bh = layout.button_height;
    auto* back = add_button(this, "myreturn", "返 回", layout.back, bt, bh);
    auto* print = add_button(this, "myprint", "打 印", layout.print, bt, bh);
    auto* save = add_button(this, "保存结果", "保存结果", layout.save, bt, bh);
    auto* exit = add_button(this, "myexit", "退 出", layout.exit, bt, bh);
    buttons_ = {back, print, save, exit};

    // Keyboard order: return, print, exit, save; the sheet opens on return.
    setTabOrder(back, print);
    setTabOrder(print, exit);
    setTabOrder(exit, save);
    back->setFocus();
    add_actions();
    // Esc leaves the sheet the way 返回 does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, back,
            &QPushButton::click);
}

void SheetWindow::add_actions() {
    setContextMenuPolicy(Qt::ActionsContextMenu);
    const struct {
        const char* text;
        QKeySequence keys;
    } kinds[] = {
        {msg::sheet::kCopyAll, QKeySequence::Copy},
        {msg::sheet::kPrintPreview, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {msg::sheet::kPrintTo, QKeySequence::Print},
        {msg::sheet::kExportPdf, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
    };
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        auto* a = new QAction(qt(kinds[i].text), this);
        a->setShortcut(kinds[i].keys);
        a->setShortcutVisibleInContextMenu(true);
        addAction(a);
        actions_[i] = a;
    }
}

QAction* SheetWindow::action(SheetAction which) const {
    return actions_[static_cast<std::size_t>(which)];
}

namespace {

// A tab or a line break inside a text would split its cell.
std::string cell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

std::string SheetWindow::tab_separated(const std::string& drawing1,
                                       const std::string& drawing2) const {
    std::string out = "\t主动齿轮\t从动齿轮\n";
    auto row = [&out](const std::string& caption, const std::string& pinion,
                      const std::string& wheel) {
        out += cell(caption) + '\t' + cell(pinion) + '\t' + cell(wheel) + '\n';
    };
    row("图  号", drawing1, drawing2);
    for (const SheetRow& r : layout_.rows) {
        const std::string value = text_at(r.pinion);
        switch (r.place) {
            case ValuePlace::Pair:
                row(r.caption_text, value, text_at(r.wheel));
                break;
            case ValuePlace::Centred:  // a value of the pair, in both columns as the reports
                row(r.caption_text, value, value);
                break;
            case ValuePlace::PinionOnly:
                row(r.caption_text, value, {});
                break;
        }
    }
    return out;
}

QLabel* SheetWindow::add_label(const char* name, const QString& text, int left, int top, int width,
                               int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(qt(name));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    place(label, left, top, width, height);
    return label;
}

void SheetWindow::add_value(std::size_t position, int left, int top, int width, int height) {
    // Each position of the table once: a row table that names a label twice, or
    // one past the table, is a programming error.
    if (values_.at(position) != nullptr)
        throw std::logic_error("a value label of the sheet's table has two rows");
    const char* name = layout_.values->entries()[position].first.c_str();
    values_[position] = add_label(name, {}, left, top, width, height);
    values_[position]->setToolTip(qt(value_tip(name)));
}

void SheetWindow::set_note(const std::string& text, const std::string& explanation) {
    NoticeStrip* strip = NoticeStrip::of(this, !text.empty());
    if (!strip) return;
    strip->set_note(text, explanation);
    fit_strip();
}

void SheetWindow::set_status(const std::string& text) {
    NoticeStrip* strip = NoticeStrip::of(this, !text.empty());
    if (!strip) return;
    strip->set_status(text);
    fit_strip();
}

void SheetWindow::show_notices(const std::vector<std::string>& notices) {
    NoticeStrip::show_on(this, notices);
    fit_strip();
}

QLabel* SheetWindow::strip() const {
    return NoticeStrip::of(const_cast<SheetWindow*>(this), false);
}

void SheetWindow::fit_strip(bool rescale) {
    NoticeStrip* strip = NoticeStrip::of(this, false);
    if (!strip) return;
    // The layout's height at the zoom the window's width shows.
    const double zoom = double(width()) / px(layout_.inner_width);
    strip->fit(int(std::lround(px(layout_.inner_height) * zoom)));

    // The zoom fitted the layout to the screen; with the strip below it the window
    // may no longer fit, and is then drawn smaller once more.
    const QScreen* on = screen();
    if (!on || !rescale) return;
    const int frame = isVisible() ? frameGeometry().height() - this->height() : 0;
    const int room = on->availableGeometry().height() - frame;
    if (this->height() <= room) return;
    zoom_window(this, std::max(0.5, zoom * room / this->height()));
    fit_strip(false);
}

QPushButton* SheetWindow::button(SheetButton which) const {
    return buttons_[static_cast<std::size_t>(which)];
}

QLabel* SheetWindow::value_label(std::string_view name) const {
    const auto& names = layout_.values->entries();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].first == name) return values_[i];
    }
    return nullptr;
}

std::string SheetWindow::text_at(std::size_t position) const {
    return values_.at(position)->text().toStdString();
}

void SheetWindow::set_texts(const LabelTexts& texts) {
    const auto& entries = texts.entries();
    if (entries.size() != values_.size())
        throw std::invalid_argument("the texts are not a table of this sheet's labels");
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(qt(entries[i].second));
    }
}

LabelTexts SheetWindow::texts() const {
    LabelTexts out = *layout_.values;
    for (std::size_t i = 0; i < values_.size(); ++i) out.set_at(i, text_at(i));
    return out;
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

}  // namespace gp
