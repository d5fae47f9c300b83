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
std::string header(std::string_view lead, const Labels& labels) {
    std::string line(lead);
    for (const char* name : labels) {
        line += ',';
        csv::append_cell(line, name);
    }
    line += '\n';
    return line;
}

// "stop", the message, and every other cell of a row of `width` cells empty.
void append_stop_row(std::string& out, const Stop& stop, std::size_t width) {
    out += "stop,";
    csv::append_cell(out, stop.message);
    out.append(width - 2, ',');
    out += '\n';
}

constexpr std::size_t kGeometryWidth = 2 + kGeometryLabels.size();
constexpr std::size_t kStrengthWidth = 3 + kAllStrengthLabels.size();

void append_geometry_row(const BatchRow& row, std::string& out) {
    const auto outcome = compute_geometry(row.input);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        append_stop_row(out, *stop, kGeometryWidth);
        return;
    }
    out += "ok,";
    for (const auto& [name, text] : std::get<GeometryResult>(outcome).labels.entries()) {
        out += ',';
        csv::append_cell(out, text);
    }
    out += '\n';
}

void append_strength_row(const BatchRow& row, std::string& out) {
    const auto outcome = compute_strength(row.input);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        append_stop_row(out, *stop, kStrengthWidth);
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
    out += '\n';
}

void write_all(const BatchMode& mode, const std::vector<BatchRow>& rows, std::ostream& out,
               std::ostream& err) {
    std::string text = mode.head, messages;
    for (const BatchRow& row : rows) mode.row(row, text, messages);
    err << messages;
    out << text;
}

}  // namespace

BatchMode geometry_table() {
    return {
        header("status,message", kGeometryLabels),
        [](const BatchRow& row, std::string& out, std::string&) { append_geometry_row(row, out); }};
}

BatchMode strength_table() {
    return {
        header("status,message,sheet", kAllStrengthLabels),
        [](const BatchRow& row, std::string& out, std::string&) { append_strength_row(row, out); }};
}

void write_geometry_table(const std::vector<BatchRow>& rows, std::ostream& out) {
    write_all(geometry_table(), rows, out, out);
}

void write_strength_table(const std::vector<BatchRow>& rows, std::ostream& out) {
    write_all(strength_table(), rows, out, out);
}

void write_geometry_reports(const std::vector<BatchRow>& rows, std::ostream& out,
                            std::ostream& err) {
    write_all(geometry_reports(current_report_stamp()), rows, out, err);
}

void write_strength_reports(const std::vector<BatchRow>& rows, std::ostream& out,
                            std::ostream& err) {
    write_all(strength_reports(current_report_stamp()), rows, out, err);
}

}  // namespace gp
