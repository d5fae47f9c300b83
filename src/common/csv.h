// Comma-separated values as spreadsheets write them (RFC 4180): quoted cells may
// hold commas, quotes (doubled) and line breaks; records end in LF or CR LF.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "messages/cli.h"

namespace gp::csv {

struct Record {
    std::vector<std::string> cells;
    int line = 0;  // line of the file on which the record starts, from 1
};

// What is wrong with malformed CSV.
enum class Fault {
    UnclosedQuote,    // a quoted cell runs to the end of the text
    TextAfterQuote,   // text follows the closing quote of a cell
    QuoteInUnquoted,  // a quote inside an unquoted cell
};

const char* describe(Fault fault);

struct ParseError : std::runtime_error {
    ParseError(int line, Fault fault);
    int line;
    Fault fault;
};

// Reads records one at a time, from a text in memory or from a stream read in
// blocks (so that a file of any length needs only a block and a record in memory).
// A UTF-8 byte-order mark at the start is skipped and a final line break does not
// start an empty record.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    static constexpr std::size_t kBlock = 1 << 16;

    // Every block read from `in` is also written to `copy` when one is given.
    explicit Reader(std::istream& in, std::ostream* copy = nullptr, std::size_t block = kBlock)
        : in_(&in), copy_(copy), block_(block == 0 ? 1 : block) {}

    // The next record, its cells replacing those of `rec`; false at the end of the
    // text. Throws ParseError naming the line.
    bool next(Record& rec);
    // True once a read from the stream failed (not merely reached its end).
    bool failed() const { return failed_; }

  private:
    // The byte `ahead` places past the next unread one, reading on as needed; -1
    // past the end of the text.
    int peek(std::size_t ahead = 0);
    bool refill();
    bool at_cell_end();
    void read_quoted(std::string& cell);
    void read_unquoted(std::string& cell);

    std::istream* in_ = nullptr;
    std::ostream* copy_ = nullptr;
    std::size_t block_ = kBlock;
    std::string buffer_;     // unread part of the stream (when reading one)
    std::string_view text_;  // what can be read without touching the stream
    std::size_t pos_ = 0;
    int line_ = 1;
    bool started_ = false;
    bool failed_ = false;
};

// Every record of the text. Throws ParseError.
std::vector<Record> parse(std::string_view text);

// Appends one cell, quoted only when it holds a comma, a quote or a line break.
void append_cell(std::string& out, std::string_view cell);

// One record as a line of CSV, LF-terminated; cells are quoted only when needed.
std::string format_row(const std::vector<std::string>& cells);

}  // namespace gp::csv
