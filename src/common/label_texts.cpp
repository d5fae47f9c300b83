#include "label_texts.h"

#include <stdexcept>

namespace gp {

LabelTexts::LabelTexts(std::initializer_list<const char*> names) {
    entries_.reserve(names.size());
    for (const char* n : names) entries_.emplace_back(n, std::string());
}

bool LabelTexts::has(std::string_view name) const {
    for (const auto& e : entries_) {
        if (e.first == name) return true;
    }
    return false;
}

const std::string& LabelTexts::operator[](std::string_view name) const {
    for (const auto& e : entries_) {
        if (e.first == name) return e.second;
    }
    throw std::out_of_range("unknown label " + std::string(name));
}

void LabelTexts::set(std::string_view name, std::string text) {
    for (auto& e : entries_) {
        if (e.first == name) {
            e.second = std::move(text);
            return;
        }
    }
    throw std::out_of_range("unknown label " + std::string(name));
}

}  // namespace gp
