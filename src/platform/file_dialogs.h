// The questions a pair file raises: which file to open, where to save, whether to
// save changes, which of several rows to load; where to write a file of one of
// several kinds (a picture, an outline); and the About box.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gp {

enum class SaveAnswer { Save, Discard, Cancel };

// The file chosen to write and the kind the user left chosen in the dialog.
struct SaveChoice {
    std::string path;
    std::size_t filter = 0;  // index into the filters offered
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // A file to open, starting in `folder`; nothing when the user cancels.
    virtual std::optional<std::string> open_path(const std::string& folder) = 0;
    // Where to save, proposing `suggested`; nothing when the user cancels.
    virtual std::optional<std::string> save_path(const std::string& suggested) = 0;
    // Where to write a file of one of several kinds: `filters` as the dialog lists
    // them ("SVG 文件 (*.svg)", ...), the first chosen at the start; `suggested` the
    // path proposed. Nothing when the user cancels.
    virtual std::optional<SaveChoice> save_path_of_kind(
        const std::string& title, const std::string& suggested,
        const std::vector<std::string>& filters) = 0;
    // 保存 / 不保存 / 取消 under `question`.
    virtual SaveAnswer ask_to_save(const std::string& question) = 0;
    // The index of the chosen item; nothing when the user cancels.
    virtual std::optional<int> choose_row(const std::string& question,
                                          const std::vector<std::string>& items) = 0;
    virtual void about(const std::string& title, const std::string& text) = 0;
};

}  // namespace gp
