#include <string>
#include <string_view>
#include <variant>

#include "batch_modes.h"
#include "csv.h"
#include "geometry_calculation.h"
#include "strength_calculation.h"

namespace gp {
namespace {

template <typename Labels>
std::string header(std::string_view lead, const Labels& labels, bool with_detail) {
    std::string line(lead);
    for (const char* name : labels) {
        line += ',';
        csv::append_cell(line, name);
    }
    if (with_detail) line += ",detail";
    line += '\n';
    return line;
}

// "stop", the message, and every other cell of a row of `width` cells empty; with
// `with_detail`, one more cell holding the explanation.
void append_stop_row(std::string& out, const Stop& stop, std::size_t width, bool with_detail) {
    out += "stop,";
    csv::append_cell(out, stop.message);
    out.append(width - 2, ',');
    if (with_detail) {
        out += ',';
        csv::append_cell(out, stop.detail);
    }
    out += '\n';
}

// The end of a row that did not stop: an empty explanation cell when asked for.
void end_result_row(std::string& out, bool with_detail) {
    if (with_detail) out += ',';
    out += '\n';
}

constexpr std::size_t kGeometryWidth = 2 + kGeometryLabels.size();
constexpr std::size_t kStrengthWidth = 3 + kAllStrengthLabels.size();

void append_geometry_row(const BatchRow& row, std::string& out, bool with_detail) {
    const auto outcome = compute_geometry(row.input);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        append_stop_row(out, *stop, kGeometryWidth, with_detail);
        return;
    }
    out += "ok,";
    for (const auto& [name, text] : std::get<GeometryResult>(outcome).labels.entries()) {
        out += ',';
        csv::append_cell(out, text);
    }
    end_result_row(out, with_detail);
}

void append_strength_row(const BatchRow& row, std::string& out, bool with_detail) {
    const auto outcome = compute_strength(row.input);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        append_stop_row(out, *stop, kStrengthWidth, with_detail);
        return;
    }
    const auto& result = std::get<StrengthResult>(outcome);
    out += "ok,,";
    out += sheet_name(result.sheet);
    // A sheet's labels are a part of the full list, in the same order: one walk
    // along both finds every text.
    const auto& entries = result.labels.entries();
    std::size_t next = 0;
    for (const char* name : kAllStrengthLabels) {
        out += ',';
        if (next < entries.size() && entries[next].first == name) {
            csv::append_cell(out, entries[next++].second);
        }
    }
    end_result_row(out, with_detail);
}

void write_all(const BatchMode& mode, const std::vector<BatchRow>& rows, std::ostream& out,
               std::ostream& err) {
    std::string text = mode.head, messages;
    for (const BatchRow& row : rows) mode.row(row, text, messages);
    err << messages;
    out << text;
}

}  // namespace

BatchMode geometry_table(bool with_detail) {
    return {header("status,message", kGeometryLabels, with_detail),
            [with_detail](const BatchRow& row, std::string& out, std::string&) {
                append_geometry_row(row, out, with_detail);
            }};
}

BatchMode strength_table(bool with_detail) {
    return {header("status,message,sheet", kAllStrengthLabels, with_detail),
            [with_detail](const BatchRow& row, std::string& out, std::string&) {
                append_strength_row(row, out, with_detail);
            }};
}

void write_geometry_table(const std::vector<BatchRow>& rows, std::ostream& out, bool with_detail) {
    write_all(geometry_table(with_detail), rows, out, out);
}

void write_strength_table(const std::vector<BatchRow>& rows, std::ostream& out, bool with_detail) {
    write_all(strength_table(with_detail), rows, out, out);
}

void write_geometry_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err) {
    write_all(geometry_reports(now), rows, out, err);
}

void write_strength_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err) {
    write_all(strength_reports(now), rows, out, err);
}

}  // namespace gp
