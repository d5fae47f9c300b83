// Pair files: the batch tool's CSV, read by the batch tool and by the desktop
// program alike. The first row names the columns (the input form's fields, in any
// order and any subset, and `dx` for the shift-distribution option); each further
// row is one pair with every field's text exactly as typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "csv.h"
#include "gear_pair_input.h"

namespace gp {

struct PairRow {
    GearPairInput input;
    int line = 0;  // where the row starts in the file, from 1
};

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

enum class TextEncoding { Utf8, Gbk };

struct PairFile {
    std::vector<PairRow> rows;  // none when the file has a header only
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads the bytes of a pair file: UTF-8 (a byte-order mark is skipped) or, failing
// that, GBK, as spreadsheets on a Chinese desktop save CSV. A missing column is the
// empty text; `dx` empty or missing means dx1. Blank lines are skipped. A cell
// longer than `max_cell_chars` characters (0: no limit) is refused.
std::variant<PairFile, PairFileError> read_pair_file(std::string_view bytes,
                                                     std::size_t max_cell_chars = 0);

// One pair as a file: UTF-8 with a byte-order mark, the header of every field name
// and `dx`, then one row; CR LF line ends. Reads back as the same input.
std::string write_pair_file(const GearPairInput& input);

}  // namespace gp
