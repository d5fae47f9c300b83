// The texts of a result sheet's value labels, in the sheet's fixed order. The sheet,
// the report builders and the batch tool all read this one table, so the list of
// labels is written down once.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gp {

class LabelTexts {
  public:
    using Entry = std::pair<std::string, std::string>;  // label name, text

    LabelTexts() = default;
    // Every named label, in this order, with the empty text.
    explicit LabelTexts(std::initializer_list<const char*> names);
    template <typename Names>
    explicit LabelTexts(const Names& names) {
        for (const auto& n : names) entries_.emplace_back(n, std::string());
    }

    bool has(std::string_view name) const;
    // The text of a label; an unknown name is a programming error (std::out_of_range).
    const std::string& operator[](std::string_view name) const;
    void set(std::string_view name, std::string text);

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::vector<Entry> entries_;
};

}  // namespace gp
