// What is wrong with a pair file (or a batch file, the same table), as a value:
// the kind of problem, the line, and the column or cell it is about. Each program
// words it in its own language.
#pragma once

#include <cstddef>
#include <string>

#include "csv.h"

namespace gp {

enum class PairFileProblem {
    NotText,          // a zero byte: a binary file, not a table
    UnknownEncoding,  // neither UTF-8 nor GBK text
    MalformedCsv,     // see `csv_fault`
    NoHeader,         // an empty file
    DuplicateColumn,  // `name` twice in the header
    UnknownColumn,    // `name` is no field of the form
    WrongWidth,       // `cells` cells where the header has `header_cells`
    BadOption,        // `name` in the dx column is neither dx1 nor dx2
    CellTooLong,      // a cell of more than `limit` characters
};

struct PairFileError {
    PairFileProblem problem;
    int line = 1;
    std::string name;  // the column or cell text the problem is about
    csv::Fault csv_fault = csv::Fault::UnclosedQuote;
    std::size_t cells = 0;
    std::size_t header_cells = 0;
    std::size_t limit = 0;
};

// The problem in the desktop program's words, naming the line.
std::string pair_file_problem_text(const PairFileError& e);

}  // namespace gp
