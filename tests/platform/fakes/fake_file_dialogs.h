// Answers the pair-file questions from a script instead of asking, and records what
// was asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "file_dialogs.h"

namespace gp {

class FakeFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> open_path(const std::string& folder) override {
        asked.push_back("open " + folder);
        return next(open_paths);
    }
    std::optional<std::string> save_path(const std::string& suggested) override {
        asked.push_back("save " + suggested);
        return next(save_paths);
    }
    std::optional<SaveChoice> save_path_of_kind(const std::string& title,
                                                const std::string& suggested,
                                                const std::vector<std::string>& filters) override {
        asked.push_back(title + " " + suggested);
        offered_filters = filters;
        return next(save_choices);
    }
    SaveAnswer ask_to_save(const std::string& question) override {
        asked.push_back(question);
        const auto answer = next(answers);
        return answer ? *answer : SaveAnswer::Cancel;
    }
    std::optional<int> choose_row(const std::string& question,
                                  const std::vector<std::string>& items) override {
        asked.push_back(question);
        row_items = items;
        return next(rows);
    }
    void about(const std::string& title, const std::string& text) override {
        asked.push_back(title);
        about_text = text;
    }

    // The scripted answers, used up front first; nothing (a cancel) once empty.
    std::deque<std::optional<std::string>> open_paths, save_paths;
    std::deque<std::optional<SaveChoice>> save_choices;
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<int>> rows;

    std::vector<std::string> asked;
    std::vector<std::string> row_items;
    std::vector<std::string> offered_filters;
    std::string about_text;

  private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& q) {
        if (q.empty()) return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    static std::optional<SaveAnswer> next(std::deque<SaveAnswer>& q) {
        if (q.empty()) return std::nullopt;
        const SaveAnswer v = q.front();
        q.pop_front();
        return v;
    }
};

}  // namespace gp
