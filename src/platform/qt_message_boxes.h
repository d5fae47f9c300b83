// Message boxes on the desktop.
#pragma once

#include <memory>

#include "message_boxes.h"

class QMessageBox;
class QWidget;

namespace gp {

class QtMessageBoxes : public MessageBoxes {
  public:
    // Modal over the active window (centred on the screen when none is visible).
    void show(const std::string& title, const std::string& text, MessageIcon icon,
              const std::string& detail = {}) override;
    bool confirm(const std::string& title, const std::string& question,
                 const std::string& accept) override;
    bool confirm_action(const std::string& title, const std::string& question,
                        const std::string& accept) override;
};

// The box confirm() and confirm_action() run, ready but not yet shown; its accepting
// button the default when `accept_default`, else 取消.
std::unique_ptr<QMessageBox> make_question_box(const std::string& title,
                                               const std::string& question,
                                               const std::string& accept, bool accept_default);

// The box show() runs, ready but not yet shown: for a look at it without waiting.
std::unique_ptr<QMessageBox> make_message_box(const std::string& title, const std::string& text,
                                              MessageIcon icon, QWidget* parent,
                                              const std::string& detail = {});

}  // namespace gp
