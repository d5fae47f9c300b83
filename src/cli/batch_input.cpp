#include "batch_input.h"

#include <optional>
#include <utility>
#include <variant>

#include "messages/cli.h"

namespace gp {
namespace {

BatchInputError at_line(int line, const std::string& what) {
    return BatchInputError(msg::cli::at_line(line, what));
}

BatchInputError malformed(const csv::ParseError& e) {
    return BatchInputError(msg::cli::malformed_csv(e.what()));
}

const BatchInputError kNoHeader = at_line(1, msg::cli::kNoHeader);

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

// A fault of the header or of a row in the batch tool's words.
BatchInputError fault(const PairFileError& e) {
    switch (e.problem) {
        case PairFileProblem::DuplicateColumn:
            return at_line(e.line, msg::cli::column_twice(e.name));
        case PairFileProblem::UnknownColumn:
            return at_line(e.line, msg::cli::unknown_column(e.name));
        case PairFileProblem::WrongWidth:
            return at_line(e.line, msg::cli::wrong_width(e.cells, e.header_cells));
        case PairFileProblem::BadOption:
            return at_line(e.line, msg::cli::bad_dx(e.name));
        default:  // the rest are faults of the bytes, found before the columns
            return at_line(e.line, msg::cli::kUnreadable);
    }
}

PairColumns columns_of(const csv::Record& header) {
    auto columns = PairColumns::of(header);
    if (const auto* e = std::get_if<PairFileError>(&columns)) throw fault(*e);
    return std::get<PairColumns>(std::move(columns));
}

// The row of a record, or BatchInputError naming its line.
BatchRow take(const PairColumns& columns, csv::Record& rec) {
    if (auto e = columns.check(rec)) throw fault(*e);
    return columns.take(rec);
}

}  // namespace

std::vector<BatchRow> read_batch(std::string_view csv_text) {
    std::vector<csv::Record> records;
    try {
        records = csv::parse(csv_text);
    } catch (const csv::ParseError& e) {
        throw malformed(e);
    }
    if (records.empty()) throw kNoHeader;
    const PairColumns columns = columns_of(records.front());
    std::vector<BatchRow> rows;
    rows.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (columns.holds_a_row(records[r])) {
            rows.push_back(take(columns, records[r]));
            rows.back().number = static_cast<long>(rows.size());
        }
    }
    return rows;
}

void check_batch(std::istream& in, std::ostream* copy) {
    csv::Reader reader(in, copy);
    csv::Record rec;
    // The first fault of the header or of a row waits until the whole text has
    // been read: malformed CSV further on takes its place.
    auto columns = PairColumns::of(header_of(reader, rec));
    std::optional<PairFileError> first_fault;
    if (const auto* e = std::get_if<PairFileError>(&columns)) first_fault = *e;
    while (next_record(reader, rec)) {
        if (first_fault || !std::get<PairColumns>(columns).holds_a_row(rec)) continue;
        first_fault = std::get<PairColumns>(columns).check(rec);
    }
    if (first_fault) throw fault(*first_fault);
}

BatchReader::BatchReader(std::istream& in)
    : csv_(in), columns_(columns_of(header_of(csv_, rec_))) {}

bool BatchReader::read(std::vector<BatchRow>& rows, std::size_t count) {
    rows.clear();
    while (rows.size() < count && next_record(csv_, rec_)) {
        if (columns_.holds_a_row(rec_)) {
            rows.push_back(take(columns_, rec_));
            rows.back().number = ++rows_read_;
        }
    }
    return !rows.empty();
}

}  // namespace gp
