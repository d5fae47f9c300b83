// Modal message boxes with an OK button only: the checks' notices, the outcome of a
// failed save or print, and the closing message.
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
};

}  // namespace gp
