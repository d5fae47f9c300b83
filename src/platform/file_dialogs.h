// The questions a pair file raises: which file to open, where to save, whether to
// save changes, which of several rows to load; and the About box.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gp {

enum class SaveAnswer { Save, Discard, Cancel };

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // A file to open, starting in `folder`; nothing when the user cancels.
    virtual std::optional<std::string> open_path(const std::string& folder) = 0;
    // Where to save, proposing `suggested`; nothing when the user cancels.
    virtual std::optional<std::string> save_path(const std::string& suggested) = 0;
    // 保存 / 不保存 / 取消 under `question`.
    virtual SaveAnswer ask_to_save(const std::string& question) = 0;
    // The index of the chosen item; nothing when the user cancels.
    virtual std::optional<int> choose_row(const std::string& question,
                                          const std::vector<std::string>& items) = 0;
    virtual void about(const std::string& title, const std::string& text) = 0;
};

}  // namespace gp
