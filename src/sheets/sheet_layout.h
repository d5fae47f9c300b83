// What a result sheet window holds and where, in twips: one row table per sheet.
// The four sheets differ only in these tables.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "label_texts.h"
#include "strength_result.h"

namespace gp {

// Where a row's value stands.
enum class ValuePlace {
    Pair,        // pinion column and wheel column
    Centred,     // one value of the pair, between the two columns
    PinionOnly,  // one value, in the pinion column
};

// No value label: the wheel's place of a row that is not Pair.
inline constexpr std::size_t kNoValue = static_cast<std::size_t>(-1);

// A row's value labels are given by their positions in the sheet's label table
// (SheetLayout::values), the positions the calculation fills them at; the label is
// named after the table's entry.
struct SheetRow {
    const char* caption_name;  // the caption label
    const char* caption_text;
    ValuePlace place;
    std::size_t pinion;            // the value label (the only one unless Pair)
    std::size_t wheel = kNoValue;  // the wheel's value label (Pair only)
};

// Left edge and width of one button of the bottom row.
struct ButtonPlace {
    int left;
    int width;
};

struct SheetLayout {
    const char* window_name;
    std::string title;
    int inner_width;
    int inner_height;

    const char* pinion_heading_name;  // over the pinion column; the wheel's is `cd`
    int heading_top;
    int pinion_heading_left;
    int wheel_heading_left;
    int heading_width;
    int heading_height;

    int caption_left;
    int caption_width;
    int pinion_left;
    int wheel_left;
    int centred_left;
    int value_width;
    int label_height;
    int first_row_top;
    int row_pitch;
    std::vector<SheetRow> rows;
    // The sheet's value labels with the empty text, in the order of the table the
    // calculation hands over: the rows place each of them exactly once.
    const LabelTexts* values = nullptr;

    int button_top;
    int button_height;
    ButtonPlace back;   // myreturn
    ButtonPlace print;  // myprint
    ButtonPlace save;   // 保存结果
    ButtonPlace exit;   // myexit
};

const SheetLayout& geometry_sheet_layout();
const SheetLayout& strength_sheet_layout(StrengthSheet sheet);

}  // namespace gp
