// The display texts of the strength result sheet chosen for a pair.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "label_texts.h"

namespace gp {

enum class StrengthSheet { jg1, jg2, jg3 };

inline constexpr std::string_view sheet_name(StrengthSheet s) {
    return s == StrengthSheet::jg1 ? "jg1" : s == StrengthSheet::jg2 ? "jg2" : "jg3";
}

// Every value label any strength sheet has, in the order the sheets are filled.
inline constexpr std::array<const char*, 40> kAllStrengthLabels = {
    "zxj",   "zn",   "ck",   "ck1",   "ck2",   "cs1",  "cs2",  "fm1",  "fm2",  "fj1",
    "fj2",   "lxj1", "lxj2", "bwxs1", "bwxs2", "cdy1", "cdy2", "cgy1", "cgy2", "cgyj1",
    "cgyj2", "yzl1", "cx1",  "cx2",   "hx1",   "hx2",  "lx",   "jx1",  "jx2",  "lx1",
    "lx2",   "jx",   "yx1",  "yx2",   "dd",    "zd",   "dh",   "wq1",  "wq2",  "jc"};

// Whether a sheet shows a label: the factors of one calculation case are shown on
// that case's sheet alone, everything else on all three.
constexpr bool on_sheet(std::string_view name, StrengthSheet sheet) {
    if (name == "hx1" || name == "hx2") return sheet == StrengthSheet::jg1;
    if (name == "lx" || name == "jx1" || name == "jx2") return sheet == StrengthSheet::jg2;
    if (name == "lx1" || name == "lx2" || name == "jx") return sheet == StrengthSheet::jg3;
    return true;
}

// The labels of one sheet, in the order of kAllStrengthLabels.
std::vector<const char*> strength_labels(StrengthSheet sheet);

// The position of a label in kAllStrengthLabels, found while compiling: a
// misspelt name does not build.
consteval std::size_t strength_label(std::string_view name) {
    return label_position(kAllStrengthLabels, name);
}

// Where the label at `position` of kAllStrengthLabels stands in the table of
// `sheet`; past the table's end when the sheet does not show it.
constexpr std::size_t position_on_sheet(StrengthSheet sheet, std::size_t position) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < position; ++i) at += on_sheet(kAllStrengthLabels[i], sheet);
    return on_sheet(kAllStrengthLabels[position], sheet) ? at : kAllStrengthLabels.size();
}

// Every label of a sheet with the empty text, built once per sheet.
const LabelTexts& blank_strength_labels(StrengthSheet sheet);

// Tip and root diameters as the calculation held them, in single precision; the
// strength report prints these rather than the rounded sheet texts.
struct SingleDiameters {
    float da1 = 0, da2 = 0, df1 = 0, df2 = 0;
};

struct StrengthResult {
    StrengthSheet sheet = StrengthSheet::jg1;
    LabelTexts labels;  // exactly the labels of `sheet`
    SingleDiameters diameters;
};

}  // namespace gp
