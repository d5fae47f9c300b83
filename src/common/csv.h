// Comma-separated values as spreadsheets write them (RFC 4180): quoted cells may
// hold commas, quotes (doubled) and line breaks; records end in LF or CR LF.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
    ParseError(int line, Fault fault)
        : std::runtime_error("line " + std::to_string(line) + ": " + describe(fault)),
          line(line),
          fault(fault) {}
    int line;
    Fault fault;
};

// Every record of the text; a UTF-8 byte-order mark at the start is skipped and a
// final line break does not start an empty record. Throws ParseError.
std::vector<Record> parse(std::string_view text);

// One record as a line of CSV, LF-terminated; cells are quoted only when needed.
std::string format_row(const std::vector<std::string>& cells);

}  // namespace gp::csv
