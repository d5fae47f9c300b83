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
};

// The box show() runs, ready but not yet shown: for a look at it without waiting.
std::unique_ptr<QMessageBox> make_message_box(const std::string& title, const std::string& text,
                                              MessageIcon icon, QWidget* parent,
                                              const std::string& detail = {});

}  // namespace gp
