// Records every message box instead of showing it, so that a test never waits on a
// modal box; notes which windows were visible behind each one.
#pragma once

#include <QApplication>
#include <QWidget>
#include <deque>
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
    bool confirm(const std::string& title, const std::string& question,
                 const std::string& accept) override {
        asked.push_back({title, question, accept});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    bool confirm_action(const std::string& title, const std::string& question,
                        const std::string& accept) override {
        const bool yes = confirm(title, question, accept);
        asked.back().accept_default = true;
        return yes;
    }

    std::vector<ShownMessage> shown;
    // The questions asked (title, question, the accepting button), and the scripted
    // answers, used up front first; 取消 once none are left.
    struct Question {
        std::string title, text, accept;
        bool accept_default = false;  // Enter accepts (confirm_action)
    };
    std::vector<Question> asked;
    std::deque<bool> answers;
};

}  // namespace gp
