// Modal message boxes: with an OK button only for the checks' notices, the outcome of
// a failed save or print and the closing message; with 确定 and 取消 for a question.
#pragma once

#include <string>

namespace gp {

enum class MessageIcon { None, Information, Warning };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the text under the title and returns once the user has pressed OK. A
    // carriage return in the text starts a new line. A non-empty `detail` (what
    // exactly failed) is shown below the text, in smaller type.
    virtual void show(const std::string& title, const std::string& text, MessageIcon icon,
                      const std::string& detail = {}) = 0;
    // Asks the question with 确定 and 取消; true once the user has pressed 确定. A
    // desktop without a way to ask answers no, so that nothing changes unasked.
    virtual bool confirm(const std::string& title, const std::string& question) {
        (void)title;
        (void)question;
        return false;
    }
};

}  // namespace gp
