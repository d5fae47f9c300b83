// The rows of a batch file as input forms.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "gear_pair_input.h"
#include "pair_columns.h"

namespace gp {

// One pair of a batch file and the line it starts on.
using BatchRow = PairRow;

struct BatchInputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a CSV whose header names form fields (any order, any subset) and `dx`.
// A missing column is the empty text; `dx` empty or missing means dx1. Throws
// BatchInputError naming the line for an unknown column, a bad `dx`, a row of the
// wrong width or malformed CSV.
std::vector<BatchRow> read_batch(std::string_view csv_text);

// Reads a whole batch stream once without keeping it, and throws the error
// read_batch would throw for the same text: malformed CSV anywhere comes before a
// fault of the header or of a row, which come in the order of the file. Every byte
// read is also written to `copy` when one is given.
void check_batch(std::istream& in, std::ostream* copy = nullptr);

// A checked batch stream, read a few thousand rows at a time.
class BatchReader {
  public:
    // Reads the header; throws BatchInputError as read_batch does.
    explicit BatchReader(std::istream& in);

    // Replaces `rows` with the next rows of the file, at most `count`; false when
    // none were left.
    bool read(std::vector<BatchRow>& rows, std::size_t count);
    // True once reading the stream failed.
    bool failed() const { return csv_.failed(); }

  private:
    csv::Reader csv_;
    csv::Record rec_;
    PairColumns columns_;
    long rows_read_ = 0;
};

}  // namespace gp
