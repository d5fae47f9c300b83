// Modal message boxes with an OK button only: the checks' notices, the outcome of a
// failed save or print, and the closing message; and the few questions with two
// answers (overwrite a file changed since it was opened, save as another file).
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
    // Asks `question` with two buttons, `accept` and 取消 (the default, also Escape);
    // true when the user chose `accept`.
    virtual bool confirm(const std::string& title, const std::string& question,
                         const std::string& accept) = 0;
    // As confirm(), but `accept` is the default button (Enter) while Escape still
    // answers 取消: for a question that confirms what the user has just asked for.
    virtual bool confirm_action(const std::string& title, const std::string& question,
                                const std::string& accept) {
        return confirm(title, question, accept);
    }
};

}  // namespace gp
