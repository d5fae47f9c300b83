// What a result sheet window holds and where, in twips: one row table per sheet.
// The four sheets differ only in these tables.
#pragma once

#include <string>
#include <vector>

#include "strength_result.h"

namespace gp {

// Where a row's value stands.
enum class ValuePlace {
    Pair,        // pinion column and wheel column
    Centred,     // one value of the pair, between the two columns
    PinionOnly,  // one value, in the pinion column
};

struct SheetRow {
    const char* caption_name;  // the caption label
    const char* caption_text;
    ValuePlace place;
    const char* pinion;           // the value label (the only one unless Pair)
    const char* wheel = nullptr;  // the wheel's value label (Pair only)
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
