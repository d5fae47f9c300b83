// The result sheet "承载能力校核结果" as rows of texts, made once from a rating and
// shown, copied, printed and saved from there: what was rated (the group 输入数据:
// the pair, the duty, each gear's material, the oil, the surfaces, the known
// factors and the minima), the verdict and T1max, then every reported quantity
// grouped as the rating groups them. Without Qt, so that the batch tool writes the
// same text report as the window.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "rating_inputs.h"
#include "rating_result.h"
#include "report_document.h"

namespace gp::rating {

struct SheetRow {
    bool heading = false;  // a group's name in `name`, nothing else
    std::string name = {}, symbol = {}, unit = {};
    std::string pinion = {}, wheel = {};  // a value of the pair stands in `pinion`, `pair` set
    bool pair = false;
    // Safety factor rows: whether each gear meets its minimum.
    GearPairOf<std::optional<bool>> met{};
    std::string tip = {};  // what the value is and where it comes from
};

struct RatingSheet {
    std::vector<SheetRow> rows;  // 输入数据 first, then the safety factors, then the groups
    std::string method;    // "ISO 6336-1/-2/-3:2006，方法B"
    std::string duty;      // the torque and power rated
    std::string capacity;  // T1max and the power it carries at n1
    std::string decided_by;  // which gear and which failure set T1max; empty without T1max
    std::string verdict;     // every safety factor met, or which are not
    std::vector<std::string> warnings;
};

// A gear's material as chosen on the material page: the ISO 6336-5 line it was
// read from. Empty code: the limits were typed.
struct MaterialNote {
    std::string code, type, quality, hardness, unit;
    int contact_row = 0, bending_row = 0;
};

// What was rated, as typed: the form, the rating texts and the material lines.
struct RatingRecord {
    GearPairInput form;
    RatingInputs typed;
    GearPairOf<MaterialNote> material{};
};

// A quantity as the sheet shows it: five significant digits, plain decimals from
// 0.0001 to below 10⁷, exponent form outside; "-" for a value that is not finite.
std::string shown_number(double value);

// Numbers by their kind: safety factors to three decimals, factors to four,
// stresses to one, cycles as 1.74×10⁹, every other quantity as shown_number.
enum class NumberKind { Safety, Factor, Stress, Cycles, Plain };
std::string shown_as(double value, NumberKind kind);

RatingSheet rating_sheet(const RatingResult& r, const RatingRecord& record);

// The sheet as a spreadsheet takes it in on a paste: one tab-separated line per
// row (name, symbol, pinion, wheel, unit) under the heading and drawing numbers.
std::string tab_separated(const RatingSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2);

// The title block of a rating's printed report: the drawing numbers, the date, the
// program and its version, and the method, as label and value pairs.
std::vector<std::pair<std::string, std::string>> title_block(const std::string& drawing1,
                                                             const std::string& drawing2,
                                                             const ReportStamp& when,
                                                             const std::string& method);

// The sheet as a calculation report, for paper (print, preview, PDF) and for the
// text report: a title block (title, drawing numbers, date, program version,
// method), the verdict and T1max between rules, the inputs, the results.
ReportDocument rating_report(const RatingSheet& sheet, const std::string& drawing1,
                             const std::string& drawing2, const ReportStamp& when);

// The text report: UTF-8 with a byte-order mark, CR LF line ends, the columns
// counted by the report painter's rule (a character takes as many columns as it
// has bytes in GBK).
std::string text_report_bytes(const ReportDocument& doc);

}  // namespace gp::rating
