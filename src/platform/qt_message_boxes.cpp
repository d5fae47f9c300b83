#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "messages/files.h"
#include "messages/output.h"
#include "qt_text.h"

namespace gp {

namespace {

QMessageBox::Icon qt_icon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The messages separate their sentences with a lone carriage return, which a
// plain-text label would not break on.
QString displayed_text(const std::string& text) {
    QString t = qt(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

}  // namespace

std::unique_ptr<QMessageBox> make_message_box(const std::string& title, const std::string& text,
                                              MessageIcon icon, QWidget* parent,
                                              const std::string& detail) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(qt(title));
    box->setTextFormat(Qt::PlainText);
    box->setText(displayed_text(text));
    // The explanation stands under the message, readable without another click.
    if (!detail.empty()) box->setInformativeText(displayed_text(detail));
    box->setIcon(qt_icon(icon));
    box->setStandardButtons(QMessageBox::Ok);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ok->setText(qt(msg::output::kOk));
    ok->setIcon(QIcon());  // some styles put a picture on it; the box shows words only
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void QtMessageBoxes::show(const std::string& title, const std::string& text, MessageIcon icon,
                          const std::string& detail) {
    make_message_box(title, text, icon, QApplication::activeWindow(), detail)->exec();
}

std::unique_ptr<QMessageBox> make_question_box(const std::string& title,
                                               const std::string& question,
                                               const std::string& accept, bool accept_default) {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(qt(title));
    box->setTextFormat(Qt::PlainText);
    box->setText(displayed_text(question));
    box->setIcon(QMessageBox::Question);
    QPushButton* yes = box->addButton(qt(accept), QMessageBox::AcceptRole);
    QPushButton* no = box->addButton(qt(msg::pair_file::kCancel), QMessageBox::RejectRole);
    box->setDefaultButton(accept_default ? yes : no);
    box->setEscapeButton(no);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

namespace {

bool ask(const std::string& title, const std::string& question, const std::string& accept,
         bool accept_default) {
    const auto box = make_question_box(title, question, accept, accept_default);
    box->exec();
    return box->clickedButton() && box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole;
}

}  // namespace

bool QtMessageBoxes::confirm(const std::string& title, const std::string& question,
                             const std::string& accept) {
    return ask(title, question, accept, false);
}

bool QtMessageBoxes::confirm_action(const std::string& title, const std::string& question,
                                    const std::string& accept) {
    return ask(title, question, accept, true);
}

}  // namespace gp
