#include "csv.h"

namespace gp::csv {

const char* describe(Fault fault) {
    switch (fault) {
        case Fault::UnclosedQuote:
            return "a quoted cell is not closed";
        case Fault::TextAfterQuote:
            return "text follows the closing quote of a cell";
        case Fault::QuoteInUnquoted:
            return "a quote inside an unquoted cell";
    }
    return "malformed CSV";
}

std::vector<Record> parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Record> records;
    std::size_t i = 0;
    int line = 1;
    // A cell ends at a comma, at a line feed, or at a carriage return that starts
    // a CR LF line break.
    const auto at_cell_end = [&text](std::size_t at) {
        return text[at] == ',' || text[at] == '\n' ||
               (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    };
    while (i < text.size()) {
        Record rec;
        rec.line = line;
        for (;;) {  // one cell per pass
            std::string cell;
            if (i < text.size() && text[i] == '"') {
                const int quote_line = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) throw ParseError(quote_line, Fault::UnclosedQuote);
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            cell += '"';
                            ++i;
                        } else {
                            break;
                        }
                    } else {
                        if (c == '\n') ++line;
                        cell += c;
                    }
                }
                if (i < text.size() && !at_cell_end(i)) {
                    throw ParseError(line, Fault::TextAfterQuote);
                }
            } else {
                while (i < text.size() && !at_cell_end(i)) {
                    if (text[i] == '"') throw ParseError(line, Fault::QuoteInUnquoted);
                    cell += text[i++];
                }
            }
            rec.cells.push_back(std::move(cell));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r') ++i;
            if (i < text.size() && text[i] == '\n') {
                ++i;
                ++line;
            }
            break;
        }
        records.push_back(std::move(rec));
    }
    return records;
}

std::string format_row(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) out += ',';
        const std::string& c = cells[k];
        if (c.find_first_of(",\"\r\n") == std::string::npos) {
            out += c;
            continue;
        }
        out += '"';
        for (char ch : c) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    out += '\n';
    return out;
}

}  // namespace gp::csv
