// The texts of a result sheet's value labels, in the sheet's fixed order. The sheet,
// the report builders and the batch tool all read this one table, so the list of
// labels is written down once.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>
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
        entries_.reserve(std::size(names));
        for (const auto& n : names) entries_.emplace_back(n, std::string());
    }

    // By name, comparing the name with every entry's: for tests, which name what
    // they check. The program reaches a label by its position (at, set_at). An
    // unknown name is a programming error (std::out_of_range).
    bool has(std::string_view name) const;
    const std::string& operator[](std::string_view name) const;
    void set(std::string_view name, std::string text);

    std::size_t size() const { return entries_.size(); }
    // The text of the label at `position` in the table's order. A position past the
    // end is a programming error (std::out_of_range).
    const std::string& at(std::size_t position) const { return entries_.at(position).second; }

    // The text of the label at `position` in the table's order: for calculations
    // that fill a sheet whose order is fixed, the position found while compiling
    // (see label_position). A position past the end is a programming error
    // (std::out_of_range).
    void set_at(std::size_t position, std::string text) {
        entries_.at(position).second = std::move(text);
    }

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::vector<Entry> entries_;
};

// Where `name` stands in a fixed list of labels. Called where the name is written
// in the code, it is evaluated while compiling: a name the list does not hold is
// not a constant expression, so a misspelt label does not build.
template <std::size_t N>
consteval std::size_t label_position(const std::array<const char*, N>& names,
                                     std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (std::string_view(names[i]) == name) return i;
    }
    throw "no value label of that name";
}

}  // namespace gp
