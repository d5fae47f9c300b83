#include "rating_sheet.h"

#include <charconv>
#include <initializer_list>
#include <string_view>
#include <algorithm>
#include <cmath>

#include "messages/rating.h"
#include "messages/rating_window.h"
#include "rating_quantities.h"
#include "report_columns.h"
#include "report_lines.h"

namespace gp::rating {
namespace {

namespace text = msg::rating_window;

std::string to_text(double value, std::chars_format format, int precision) {
    char digits[64];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, format, precision);
    return ec == std::errc() ? std::string(digits, end) : std::string("-");
}

std::string with_given(std::string value) { return value + " " + msg::rating::kGiven; }

std::string verdict(double safety, bool met) {
    return shown_number(safety) + " " + (met ? text::kMet : text::kNotMet);
}

}  // namespace

std::string shown_number(double value) {
    if (!std::isfinite(value)) return "-";
    if (value == 0) return "0";
    const double size = std::abs(value);
    if (size < 1e-4 || size >= 1e7) return to_text(value, std::chars_format::scientific, 4);
    // Five significant digits as plain decimals, trailing zeros dropped.
    const int decimals = std::max(0, 4 - int(std::floor(std::log10(size))));
    std::string s = to_text(value, std::chars_format::fixed, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

RatingSheet rating_sheet(const RatingResult& r) {
    RatingSheet sheet;
    sheet.method = msg::rating::kMethodLine;
    const double n1 = r.inputs.n1.value_or(0);
    sheet.duty = text::duty_line(shown_number(r.load.T1), shown_number(power_kw(r.load.T1, n1)));
    sheet.capacity = r.T1max ? text::capacity_line(shown_number(*r.T1max),
                                                   shown_number(*r.T1max / kNewtonMetresPerKgfMetre),
                                                   shown_number(n1),
                                                   shown_number(power_kw(*r.T1max, n1)))
                             : text::kNoCapacity;
    sheet.warnings = r.warnings;

    // The verdicts first, what a design review looks for: each safety factor of the
    // rating's table against the minimum the table names for it.
    sheet.rows.push_back({.heading = true, .name = text::kSafetyGroup});
    for (const RatingQuantity& q : rating_quantities()) {
        if (q.minimum == nullptr) continue;
        const std::string minimum = shown_number(q.minimum(r));
        SheetRow row{.name = std::string_view(q.key) == "SH" ? text::contact_safety(minimum)
                                                             : text::bending_safety(minimum),
                     .symbol = q.symbol};
        for (int gear = 0; gear < 2; ++gear) {
            const bool met = meets_minimum(q, r, gear);
            (gear == 0 ? row.pinion : row.wheel) = verdict(q.value(r, gear).value_or(0), met);
            row.met[gear] = met;
        }
        sheet.rows.push_back(std::move(row));
    }

    std::optional<QuantityGroup> group;
    for (const RatingQuantity& q : rating_quantities()) {
        if (group != q.group) {
            group = q.group;
            sheet.rows.push_back({.heading = true, .name = group_name(q.group)});
        }
        const bool given = is_given(r, q.given);
        const auto value = [&](int gear) {
            const auto v = q.value(r, gear);
            if (!v) return std::string();
            return given ? with_given(shown_number(*v)) : shown_number(*v);
        };
        const auto v0 = q.value(r, 0);
        if (!v0 && !(q.per_gear && q.value(r, 1))) continue;  // skipped by a given factor
        SheetRow row{.name = q.name, .symbol = q.symbol, .unit = q.unit};
        row.pinion = value(0);
        if (q.per_gear) {
            row.wheel = value(1);
            if (q.minimum) row.met = {meets_minimum(q, r, 0), meets_minimum(q, r, 1)};
        } else {
            row.pair = true;
        }
        sheet.rows.push_back(std::move(row));
        if (std::string_view(q.key) == "Kv" && r.dynamic) {
            sheet.rows.push_back(
                {.name = text::kKvRange, .symbol = "N", .pinion = kv_range_name(r.dynamic->range),
                 .pair = true});
        }
    }
    return sheet;
}

namespace {

// A tab or a line break inside a text would split its cell.
std::string cell(std::string s) {
    for (char& c : s) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return s;
}

}  // namespace

std::string tab_separated(const RatingSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2) {
    std::string out = std::string(text::kSheetTitle) + '\n' + sheet.method + '\n';
    const auto line = [&out](std::initializer_list<std::string> cells) {
        bool first = true;
        for (const std::string& c : cells) {
            if (!first) out += '\t';
            out += cell(c);
            first = false;
        }
        out += '\n';
    };
    line({text::kColumnName, text::kColumnSymbol, text::kPinion, text::kWheel, text::kColumnUnit});
    line({text::kDrawingNumber, "", drawing1, drawing2, ""});
    for (const SheetRow& row : sheet.rows) {
        if (row.heading) {
            line({row.name});
        } else {
            line({row.name, row.symbol, row.pinion, row.pair ? row.pinion : row.wheel, row.unit});
        }
    }
    line({sheet.duty});
    line({sheet.capacity});
    for (const std::string& w : sheet.warnings) line({std::string(text::kWarningsHeading) + w});
    return out;
}

namespace {

// Columns of the rating report: name, symbol, pinion, wheel (a pair value between
// the two), unit.
constexpr int kName = 1, kSymbol = 35, kPinionColumn = 45, kWheelColumn = 62, kPairColumn = 53,
              kUnit = 79;
constexpr double kTitlePoints = 15, kRowPoints = 9.5, kStampPoints = 9;

ReportLine line_of(double points, std::vector<ReportItem> items) {
    ReportLine l;
    l.points = points;
    l.items = std::move(items);
    return l;
}

}  // namespace

ReportDocument rating_report(const RatingSheet& sheet, const std::string& drawing1,
                             const std::string& drawing2, const ReportStamp& when) {
    ReportDocument doc;
    doc.title = text::kSheetTitle;
    doc.lines.push_back(line_of(kTitlePoints, {{30, text::kSheetTitle}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, sheet.method}}));
    doc.lines.push_back(stamp_line(kStampPoints, when));
    doc.lines.push_back(empty_line(kRowPoints));
    doc.lines.push_back(line_of(kRowPoints, {{kName, text::kColumnName},
                                             {kSymbol, text::kColumnSymbol},
                                             {kPinionColumn, text::kPinion},
                                             {kWheelColumn, text::kWheel},
                                             {kUnit, text::kColumnUnit}}));
    doc.lines.push_back(line_of(
        kRowPoints, {{kName, text::kDrawingNumber}, {kPinionColumn, drawing1}, {kWheelColumn, drawing2}}));
    for (const SheetRow& row : sheet.rows) {
        if (row.heading) {
            doc.lines.push_back(empty_line(kRowPoints));
            doc.lines.push_back(line_of(kRowPoints, {{kName, "== " + row.name + " =="}}));
            continue;
        }
        std::vector<ReportItem> items{{kName, row.name}, {kSymbol, row.symbol}};
        if (row.pair) {
            items.push_back({kPairColumn, row.pinion});
        } else {
            items.push_back({kPinionColumn, row.pinion});
            items.push_back({kWheelColumn, row.wheel});
        }
        items.push_back({kUnit, row.unit});
        doc.lines.push_back(line_of(kRowPoints, std::move(items)));
    }
    doc.lines.push_back(empty_line(kRowPoints));
    doc.lines.push_back(line_of(kRowPoints, {{kName, sheet.duty}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, sheet.capacity}}));
    for (const std::string& w : sheet.warnings) {
        doc.lines.push_back(line_of(kRowPoints, {{kName, std::string(text::kWarningsHeading) + w}}));
    }
    return doc;
}

namespace {

// Columns a character takes in a monospaced face: two for the wide scripts (CJK,
// full-width forms), one for the rest.
double display_columns(const std::string& s) {
    double columns = 0;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? c : c & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < s.size(); ++k) code = (code << 6) | (s[i + k] & 0x3F);
        const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                          (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                          (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                          (code >= 0xFFE0 && code <= 0xFFE6);
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

}  // namespace

std::string text_report_bytes(const ReportDocument& doc) {
    std::string out = "\xEF\xBB\xBF";
    for (const ReportLine& line : doc.lines) {
        for (const auto& physical : place_at_columns(items_on(line, ReportMedium::File),
                                                     display_columns)) {
            double used = 0;
            for (const ReportItem& item : physical) {
                out.append(std::size_t(std::max(0.0, item.column - 1 - used)), ' ');
                out += item.text;
                used = std::max(used, double(item.column - 1)) + display_columns(item.text);
            }
            while (!out.empty() && out.back() == ' ') out.pop_back();
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace gp::rating
