// The row tables of the reports: what each row is called and where its texts come
// from. A report never computes; it only gathers texts that already exist.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gear_pair_input.h"
#include "label_texts.h"
#include "report_document.h"
#include "strength_result.h"

namespace gp {

// Where one item of a report row takes its text.
struct ItemSource {
    enum class From { Nothing, Input, Label, Diameter };
    From from = From::Nothing;
    std::string GearPairInput::*field = nullptr;  // a form field, exactly as typed
    std::size_t label = 0;  // a value label of the sheet: its position in the sheet's table
    float SingleDiameters::*diameter = nullptr;  // a single-precision diameter
};

constexpr ItemSource input(std::string GearPairInput::*field) {
    return {ItemSource::From::Input, field, 0, nullptr};
}
// The value label at `position` of the sheet's table; each report names its labels
// through its own table's compile-time positions (geometry_label, strength_label).
constexpr ItemSource label_at(std::size_t position) {
    return {ItemSource::From::Label, nullptr, position, nullptr};
}
constexpr ItemSource diameter(float SingleDiameters::*value) {
    return {ItemSource::From::Diameter, nullptr, 0, value};
}

enum class RowKind {
    Pair,        // pinion text at column 38, wheel text at 64
    Single,      // one value of the pair at column 48
    PinionOnly,  // pinion text at column 38 ends the row
};

struct ReportRow {
    std::string_view caption;  // 22 columns, the name centred between blanks
    RowKind kind = RowKind::Pair;
    ItemSource pinion;  // the only item of Single and PinionOnly rows
    ItemSource wheel;
};

// Everything a report's texts are read from at the moment of printing or saving.
struct ReportSources {
    const GearPairInput& form;
    const LabelTexts& sheet;                     // in the order the rows' label positions refer to
    const SingleDiameters* diameters = nullptr;  // strength reports only
};

// Appends every row, each followed by an empty line: a thin one of `gap_points`
// between two rows, a full one of `row_points` after the last.
void append_rows(std::vector<ReportLine>& lines, std::span<const ReportRow> rows,
                 const ReportSources& sources, double row_points, double gap_points);

}  // namespace gp
