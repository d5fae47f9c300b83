#include "batch_input.h"

#include <exception>
#include <optional>
#include <set>
#include <utility>

namespace gp {
namespace {

BatchInputError at_line(int line, const std::string& what) {
    return BatchInputError("line " + std::to_string(line) + ": " + what);
}

BatchInputError malformed(const csv::ParseError& e) {
    return BatchInputError(std::string("malformed CSV at ") + e.what());
}

const BatchInputError kNoHeader = at_line(1, "the header row is missing");

// The next record, a CSV fault turned into the batch tool's own.
bool next_record(csv::Reader& reader, csv::Record& rec) {
    try {
        return reader.next(rec);
    } catch (const csv::ParseError& e) {
        throw malformed(e);
    }
}

const csv::Record& header_of(csv::Reader& reader, csv::Record& rec) {
    if (!next_record(reader, rec)) throw kNoHeader;
    return rec;
}

}  // namespace

BatchColumns::BatchColumns(const csv::Record& header) {
    std::set<std::string, std::less<>> seen;
    for (const std::string& name : header.cells) {
        if (!seen.insert(name).second) {
            throw at_line(header.line, "column \"" + name + "\" appears twice");
        }
        if (name == "dx") {
            fields_.push_back(nullptr);
            continue;
        }
        auto field = find_input_field(name);
        if (!field) throw at_line(header.line, "unknown column \"" + name + "\"");
        fields_.push_back(field->text);
    }
}

bool BatchColumns::holds_a_row(const csv::Record& rec) const {
    const bool blank_line = rec.cells.size() == 1 && rec.cells[0].empty();
    return !(blank_line && fields_.size() > 1);
}

void BatchColumns::check(const csv::Record& rec) const {
    if (rec.cells.size() != fields_.size()) {
        throw at_line(rec.line, std::to_string(rec.cells.size()) + " cells where the header has " +
                                    std::to_string(fields_.size()));
    }
    for (std::size_t c = 0; c < fields_.size(); ++c) {
        if (fields_[c] != nullptr) continue;
        const std::string& cell = rec.cells[c];
        if (!cell.empty() && cell != "dx1" && cell != "dx2") {
            throw at_line(rec.line, "dx must be dx1 or dx2, not \"" + cell + "\"");
        }
    }
}

BatchRow BatchColumns::take(csv::Record& rec) const {
    check(rec);
    BatchRow row;
    row.line = rec.line;
    for (std::size_t c = 0; c < fields_.size(); ++c) {
        std::string& cell = rec.cells[c];
        if (fields_[c] != nullptr) {
            row.input.*fields_[c] = std::move(cell);
        } else {
            row.input.rule = cell == "dx2" ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        }
    }
    return row;
}

std::vector<BatchRow> read_batch(std::string_view csv_text) {
    std::vector<csv::Record> records;
    try {
        records = csv::parse(csv_text);
    } catch (const csv::ParseError& e) {
        throw malformed(e);
    }
    if (records.empty()) throw kNoHeader;
    const BatchColumns columns(records.front());
    std::vector<BatchRow> rows;
    rows.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (columns.holds_a_row(records[r])) rows.push_back(columns.take(records[r]));
    }
    return rows;
}

void check_batch(std::istream& in, std::ostream* copy) {
    csv::Reader reader(in, copy);
    csv::Record rec;
    // The first fault of the header or of a row waits until the whole text has
    // been read: malformed CSV further on takes its place.
    std::exception_ptr first_fault;
    std::optional<BatchColumns> columns;
    header_of(reader, rec);
    try {
        columns.emplace(rec);
    } catch (const BatchInputError&) {
        first_fault = std::current_exception();
    }
    while (next_record(reader, rec)) {
        if (first_fault || !columns->holds_a_row(rec)) continue;
        try {
            columns->check(rec);
        } catch (const BatchInputError&) {
            first_fault = std::current_exception();
        }
    }
    if (first_fault) std::rethrow_exception(first_fault);
}

BatchReader::BatchReader(std::istream& in) : csv_(in), columns_(header_of(csv_, rec_)) {}

bool BatchReader::read(std::vector<BatchRow>& rows, std::size_t count) {
    rows.clear();
    while (rows.size() < count && next_record(csv_, rec_)) {
        if (columns_.holds_a_row(rec_)) rows.push_back(columns_.take(rec_));
    }
    return !rows.empty();
}

}  // namespace gp
