#include "qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "messages.h"

namespace gp {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::open_path(const std::string& folder) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                               q(msg::pair_file::kOpenTitle), q(folder),
                                               q(msg::pair_file::kFileFilter)));
}

std::optional<std::string> QtFileDialogs::save_path(const std::string& suggested) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                               q(msg::pair_file::kSaveAsTitle), q(suggested),
                                               q(msg::pair_file::kFileFilter)));
}

SaveAnswer QtFileDialogs::ask_to_save(const std::string& question) {
    QMessageBox box(QMessageBox::Question, q(msg::kAppTitle), q(question), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* save = box.addButton(q(msg::pair_file::kSave), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(q(msg::pair_file::kDiscard), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(q(msg::pair_file::kCancel), QMessageBox::RejectRole);
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
    for (const std::string& item : items) list << q(item);
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(q(msg::pair_file::kOpenTitle));
    dialog.setLabelText(q(question));
    dialog.setComboBoxItems(list);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setOkButtonText(q(msg::pair_file::kOpen));
    dialog.setCancelButtonText(q(msg::pair_file::kCancel));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const auto index = list.indexOf(dialog.textValue());
    if (index < 0) return std::nullopt;
    return static_cast<int>(index);
}

void QtFileDialogs::about(const std::string& title, const std::string& text) {
    QMessageBox::about(QApplication::activeWindow(), q(title), q(text));
}

}  // namespace gp
