// The program's words for the quantities more than one sheet shows, so that the
// rating's sheet says what the geometry and strength sheets say: one name and one
// symbol per quantity, distinct symbols for a tolerance and a deviation.
#pragma once

#include <string_view>

namespace gp::glossary {

// 小齿轮/大齿轮 name the pinion and the wheel (the smaller and the larger gear),
// 主动/从动 the driving and the driven gear.
inline constexpr const char* kPinion = "小齿轮";
inline constexpr const char* kWheel = "大齿轮";
inline constexpr const char* kDriving = "主动齿轮";
inline constexpr const char* kDriven = "从动齿轮";

struct Term {
    const char* key;     // the quantity's key in the rating's table
    const char* name;    // as the geometry and strength sheets name it
    const char* symbol;  // empty: the rating's own symbol
};

inline constexpr Term kTerms[] = {
    {"eps_beta", "轴面重合度", ""},
    {"h", "齿全高", ""},
    {"ffalpha", "齿廓形状公差", "ffαT"},  // the tolerance; the deviation keeps ffα
};

inline const Term* term_of(std::string_view key) {
    for (const Term& t : kTerms) {
        if (key == t.key) return &t;
    }
    return nullptr;
}

}  // namespace gp::glossary
