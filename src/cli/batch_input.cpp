#include "batch_input.h"

#include <optional>
#include <set>

#include "csv.h"

namespace gp {

std::vector<BatchRow> read_batch(std::string_view csv_text) {
    std::vector<csv::Record> records;
    try {
        records = csv::parse(csv_text);
    } catch (const csv::ParseError& e) {
        throw BatchInputError(std::string("malformed CSV at ") + e.what());
    }
    if (records.empty()) throw BatchInputError("line 1: the header row is missing");

    const csv::Record& header = records.front();
    std::vector<std::optional<InputField>> columns;  // nullopt: the dx column
    std::set<std::string> seen;
    for (const std::string& name : header.cells) {
        if (!seen.insert(name).second) {
            throw BatchInputError("line " + std::to_string(header.line) + ": column \"" + name +
                                  "\" appears twice");
        }
        if (name == "dx") {
            columns.emplace_back(std::nullopt);
            continue;
        }
        auto field = find_input_field(name);
        if (!field) {
            throw BatchInputError("line " + std::to_string(header.line) + ": unknown column \"" +
                                  name + "\"");
        }
        columns.emplace_back(field);
    }

    std::vector<BatchRow> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const csv::Record& rec = records[r];
        const bool blank_line = rec.cells.size() == 1 && rec.cells[0].empty();
        if (blank_line && columns.size() > 1) continue;  // spreadsheets leave these behind
        if (rec.cells.size() != columns.size()) {
            throw BatchInputError("line " + std::to_string(rec.line) + ": " +
                                  std::to_string(rec.cells.size()) +
                                  " cells where the header has " + std::to_string(columns.size()));
        }
        BatchRow row;
        row.line = rec.line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string& cell = rec.cells[c];
            if (columns[c]) {
                row.input.*(columns[c]->text) = cell;
            } else if (cell.empty() || cell == "dx1") {
                row.input.rule = ShiftRule::EqualStrength;
            } else if (cell == "dx2") {
                row.input.rule = ShiftRule::EqualNoise;
            } else {
                throw BatchInputError("line " + std::to_string(rec.line) +
                                      ": dx must be dx1 or dx2, not \"" + cell + "\"");
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace gp
