// The rating table: one row per pair, every batch quantity at full precision.
#include <charconv>
#include <string>
#include <variant>

#include "batch_modes.h"
#include "csv.h"
#include "messages/rating.h"
#include "number_text.h"
#include "rating_calculation.h"
#include "rating_quantities.h"
#include "rating_sheet.h"

namespace gp {
namespace {

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts) {
        if (!all.empty()) all += msg::rating::kWarningSeparator;
        all += t;
    }
    return all;
}

void append_rating_row(const BatchRow& row, std::string& out, bool with_detail, std::size_t width) {
    const auto outcome = rating::rate(row.input, row.rating);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        out += "stop,";
        csv::append_cell(out, stop->message);
        out.append(width, ',');
        if (with_detail) {
            out += ',';
            csv::append_cell(out, stop->detail);
        }
        out += '\n';
        return;
    }
    const auto& result = std::get<rating::RatingResult>(outcome);
    out += "ok,";
    for (const rating::RatingQuantity& q : rating::rating_quantities()) {
        if (!q.in_batch) continue;
        for (int i = 0; i < (q.per_gear ? kGears : 1); ++i) {
            out += ',';
            if (const auto v = q.value(result, i)) out += full_precision_text(*v);
        }
    }
    if (with_detail) {
        out += ',';
        csv::append_cell(out, joined(result.warnings));
    }
    out += '\n';
}

}  // namespace

BatchMode rating_reports(const ReportStamp& now) {
    return {{}, [now](const BatchRow& row, std::string& out, std::string& err) {
                const auto outcome = rating::rate(row.input, row.rating);
                if (const auto* stop = std::get_if<Stop>(&outcome)) {
                    err += msg::cli::row_stop(row.line, stop->message);
                    return;
                }
                const rating::RatingSheet sheet =
                    rating::rating_sheet(std::get<rating::RatingResult>(outcome),
                                         {.form = row.input, .typed = row.rating});
                out += rating::text_report_bytes(
                    rating::rating_report(sheet, row.input.th1, row.input.th2, now));
            }};
}

BatchMode rating_table(bool with_detail) {
    std::string head = "status,message";
    const auto columns = rating::batch_columns();
    for (const std::string& name : columns) head += "," + name;
    if (with_detail) head += ",detail";
    head += '\n';
    return {std::move(head), [with_detail, width = columns.size()](const BatchRow& row,
                                                                   std::string& out, std::string&) {
                append_rating_row(row, out, with_detail, width);
            }};
}

}  // namespace gp
