#include "qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "messages/base.h"
#include "messages/files.h"
#include "qt_text.h"

namespace gp {

namespace {

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::open_path(const std::string& folder) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                               qt(msg::pair_file::kOpenTitle), qt(folder),
                                               qt(msg::pair_file::kFileFilter)));
}

std::optional<std::string> QtFileDialogs::save_path(const std::string& suggested) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                               qt(msg::pair_file::kSaveAsTitle), qt(suggested),
                                               qt(msg::pair_file::kFileFilter)));
}

std::optional<SaveChoice> QtFileDialogs::save_path_of_kind(
    const std::string& title, const std::string& suggested,
    const std::vector<std::string>& filters) {
    QStringList list;
    for (const std::string& filter : filters) list << qt(filter);
    QString selected = list.value(0);
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), qt(title), qt(suggested),
                                     list.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty()) return std::nullopt;
    const qsizetype kind = std::max<qsizetype>(0, list.indexOf(selected));
    return SaveChoice{path.toStdString(), static_cast<std::size_t>(kind)};
}

SaveAnswer QtFileDialogs::ask_to_save(const std::string& question) {
    QMessageBox box(QMessageBox::Question, qt(msg::kAppTitle), qt(question), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* save = box.addButton(qt(msg::pair_file::kSave), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(qt(msg::pair_file::kDiscard), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(qt(msg::pair_file::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveAnswer::Save;
    if (box.clickedButton() == discard) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

std::optional<int> QtFileDialogs::choose_row(const std::string& question,
                                             const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << qt(item);
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(qt(msg::pair_file::kOpenTitle));
    dialog.setLabelText(qt(question));
    dialog.setComboBoxItems(list);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setOkButtonText(qt(msg::pair_file::kOpen));
    dialog.setCancelButtonText(qt(msg::pair_file::kCancel));
    // Wide enough for each row's whole summary, as far as the screen allows; a
    // longer one wraps nowhere, so the list scrolls sideways rather than cut it.
    if (auto* view = dialog.findChild<QListView*>()) {
        int widest = 0;
        for (const QString& item : list)
            widest = std::max(widest, view->fontMetrics().horizontalAdvance(item));
        const int frame = 2 * view->frameWidth() +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          4 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 16;
        int room = widest + frame;
        if (const QScreen* screen = dialog.screen())
            room = std::min(room, screen->availableGeometry().width() * 9 / 10);
        view->setMinimumWidth(room);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const auto index = list.indexOf(dialog.textValue());
    if (index < 0) return std::nullopt;
    return static_cast<int>(index);
}

void QtFileDialogs::about(const std::string& title, const std::string& text) {
    QMessageBox::about(QApplication::activeWindow(), qt(title), qt(text));
}

}  // namespace gp
