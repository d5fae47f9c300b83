#include <string>
#include <variant>
#include <vector>

#include "batch_modes.h"
#include "csv.h"
#include "geometry_calculation.h"
#include "strength_calculation.h"

namespace gp {
namespace {

template <typename Labels>
std::vector<std::string> header(std::vector<std::string> lead, const Labels& labels) {
    for (const char* name : labels) lead.emplace_back(name);
    return lead;
}

std::vector<std::string> stop_row(const Stop& stop, std::size_t width, bool with_detail) {
    std::vector<std::string> cells(width);
    cells[0] = "stop";
    cells[1] = stop.message;
    if (with_detail) cells.back() = stop.detail;
    return cells;
}

}  // namespace

void write_geometry_table(const std::vector<BatchRow>& rows, std::ostream& out, bool with_detail) {
    auto head = header({"status", "message"}, kGeometryLabels);
    if (with_detail) head.emplace_back("detail");
    out << csv::format_row(head);
    for (const BatchRow& row : rows) {
        const auto outcome = compute_geometry(row.input);
        if (const auto* stop = std::get_if<Stop>(&outcome)) {
            out << csv::format_row(stop_row(*stop, head.size(), with_detail));
            continue;
        }
        std::vector<std::string> cells = {"ok", ""};
        for (const auto& [name, text] : std::get<GeometryResult>(outcome).labels.entries()) {
            cells.push_back(text);
        }
        if (with_detail) cells.emplace_back();
        out << csv::format_row(cells);
    }
}

void write_strength_table(const std::vector<BatchRow>& rows, std::ostream& out, bool with_detail) {
    auto head = header({"status", "message", "sheet"}, kAllStrengthLabels);
    if (with_detail) head.emplace_back("detail");
    out << csv::format_row(head);
    for (const BatchRow& row : rows) {
        const auto outcome = compute_strength(row.input);
        if (const auto* stop = std::get_if<Stop>(&outcome)) {
            out << csv::format_row(stop_row(*stop, head.size(), with_detail));
            continue;
        }
        const auto& result = std::get<StrengthResult>(outcome);
        std::vector<std::string> cells = {"ok", "", std::string(sheet_name(result.sheet))};
        for (const char* name : kAllStrengthLabels) {
            cells.push_back(result.labels.has(name) ? result.labels[name] : std::string());
        }
        if (with_detail) cells.emplace_back();
        out << csv::format_row(cells);
    }
}

}  // namespace gp
