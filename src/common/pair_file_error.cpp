#include "pair_file_error.h"

#include "messages/files.h"

namespace gp {

std::string pair_file_problem_text(const PairFileError& e) {
    namespace m = msg::pair_file;
    const std::string line = m::at_line(e.line);
    switch (e.problem) {
        case PairFileProblem::NotText:
            return m::kNotText;
        case PairFileProblem::UnknownEncoding:
            return m::kUnknownEncoding;
        case PairFileProblem::MalformedCsv:
            switch (e.csv_fault) {
                case csv::Fault::UnclosedQuote:
                    return line + m::kUnclosedQuote;
                case csv::Fault::TextAfterQuote:
                    return line + m::kTextAfterQuote;
                case csv::Fault::QuoteInUnquoted:
                    return line + m::kQuoteInUnquoted;
            }
            break;
        case PairFileProblem::NoHeader:
            return line + m::kNoHeader;
        case PairFileProblem::DuplicateColumn:
            return line + m::duplicate_column(e.name);
        case PairFileProblem::UnknownColumn:
            return line + m::unknown_column(e.name);
        case PairFileProblem::WrongWidth:
            return line + m::wrong_width(e.cells, e.header_cells);
        case PairFileProblem::BadOption:
            return line + m::bad_option(e.name);
        case PairFileProblem::CellTooLong:
            return line + m::cell_too_long(e.limit);
    }
    return line + m::kUnreadable;
}

}  // namespace gp
