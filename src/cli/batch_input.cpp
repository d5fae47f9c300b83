#include "batch_input.h"

#include "pair_file.h"

namespace gp {

namespace {

std::string describe(const PairFileError& e) {
    const std::string line = "line " + std::to_string(e.line) + ": ";
    switch (e.problem) {
        case PairFileProblem::NotText:
            return "the file holds NUL bytes: it is not CSV text";
        case PairFileProblem::UnknownEncoding:
            return "the file is neither UTF-8 nor GBK text";
        case PairFileProblem::MalformedCsv:
            return "malformed CSV at " + line + csv::describe(e.csv_fault);
        case PairFileProblem::NoHeader:
            return line + "the header row is missing";
        case PairFileProblem::DuplicateColumn:
            return line + "column \"" + e.name + "\" appears twice";
        case PairFileProblem::UnknownColumn:
            return line + "unknown column \"" + e.name + "\"";
        case PairFileProblem::WrongWidth:
            return line + std::to_string(e.cells) + " cells where the header has " +
                   std::to_string(e.header_cells);
        case PairFileProblem::BadOption:
            return line + "dx must be dx1 or dx2, not \"" + e.name + "\"";
        case PairFileProblem::CellTooLong:
            return line + "a cell longer than " + std::to_string(e.limit) + " characters";
    }
    return line + "unreadable";
}

}  // namespace

std::vector<BatchRow> read_batch(std::string_view csv_text) {
    auto read = read_pair_file(csv_text);
    if (const auto* error = std::get_if<PairFileError>(&read)) {
        throw BatchInputError(describe(*error));
    }
    std::vector<BatchRow> rows;
    for (PairRow& row : std::get<PairFile>(read).rows) {
        rows.push_back(BatchRow{std::move(row.input), row.line});
    }
    return rows;
}

}  // namespace gp
