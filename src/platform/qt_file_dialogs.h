// The pair-file questions as the desktop's own dialogs, modal over the active window.
#pragma once

#include "file_dialogs.h"

namespace gp {

class QtFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> open_path(const std::string& folder) override;
    std::optional<std::string> save_path(const std::string& suggested) override;
    std::optional<SaveChoice> save_path_of_kind(const std::string& title,
                                                const std::string& suggested,
                                                const std::vector<std::string>& filters) override;
    SaveAnswer ask_to_save(const std::string& question) override;
    std::optional<int> choose_row(const std::string& question,
                                  const std::vector<std::string>& items) override;
    void about(const std::string& title, const std::string& text) override;
};

}  // namespace gp
