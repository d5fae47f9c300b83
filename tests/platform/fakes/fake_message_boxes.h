// Records every message box instead of showing it, so that a test never waits on a
// modal box; notes which windows were visible behind each one.
#pragma once

#include <QApplication>
#include <QWidget>
#include <string>
#include <vector>

#include "message_boxes.h"

namespace gp {

struct ShownMessage {
    std::string title;
    std::string text;
    MessageIcon icon;
    std::vector<std::string> visible_windows;  // object names, when the box came up
    std::string detail;                        // the explanation below the text
};

class FakeMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& title, const std::string& text, MessageIcon icon,
              const std::string& detail = {}) override {
        ShownMessage m{title, text, icon, {}, detail};
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) m.visible_windows.push_back(w->objectName().toStdString());
        }
        shown.push_back(std::move(m));
    }
    // A question is recorded like a message (with the icon None) and answered with
    // `answer`.
    bool confirm(const std::string& title, const std::string& question) override {
        show(title, question, MessageIcon::None);
        return answer;
    }

    bool answer = true;

    std::vector<ShownMessage> shown;
};

}  // namespace gp
