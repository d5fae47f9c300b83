// The result sheet "承载能力校核结果" as rows of texts, made once from a rating and
// shown, copied, printed and saved from there: the safety factors against their
// minima first, then every reported quantity grouped as the rating groups them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gear_pair_of.h"
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
};

struct RatingSheet {
    std::vector<SheetRow> rows;
    std::string method;    // "ISO 6336-1/-2/-3:2006，方法B"
    std::string duty;      // the torque and power rated
    std::string capacity;  // T1max and the power it carries at n1
    std::vector<std::string> warnings;
};

// A quantity as the sheet shows it: five significant digits, plain decimals from
// 0.0001 to below 10⁷, exponent form outside; "-" for a value that is not finite.
std::string shown_number(double value);

RatingSheet rating_sheet(const RatingResult& r);

// The sheet as a spreadsheet takes it in on a paste: one tab-separated line per
// row (name, symbol, pinion, wheel, unit) under the heading and drawing numbers.
std::string tab_separated(const RatingSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2);

// The sheet as a report: for paper (print, preview, PDF) and for the text report.
ReportDocument rating_report(const RatingSheet& sheet, const std::string& drawing1,
                             const std::string& drawing2, const ReportStamp& when);

// The text report: UTF-8 with a byte-order mark, CR LF line ends, the columns
// counted as a monospaced face draws them (a Chinese character two columns).
std::string text_report_bytes(const ReportDocument& doc);

}  // namespace gp::rating
