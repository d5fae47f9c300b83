#include "csv.h"

#include "messages/cli.h"

namespace gp::csv {

ParseError::ParseError(int line, Fault fault)
    : std::runtime_error(msg::cli::at_line(line, describe(fault))), line(line), fault(fault) {}

const char* describe(Fault fault) {
    switch (fault) {
        case Fault::UnclosedQuote:
            return msg::cli::kUnclosedQuote;
        case Fault::TextAfterQuote:
            return msg::cli::kTextAfterQuote;
        case Fault::QuoteInUnquoted:
            return msg::cli::kQuoteInUnquoted;
    }
    return msg::cli::kMalformedCsv;
}

int Reader::peek(std::size_t ahead) {
    while (pos_ + ahead >= text_.size()) {
        if (!refill()) return -1;
    }
    return static_cast<unsigned char>(text_[pos_ + ahead]);
}

bool Reader::refill() {
    if (in_ == nullptr || !*in_) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + block_);
    in_->read(buffer_.data() + kept, static_cast<std::streamsize>(block_));
    const auto got = static_cast<std::size_t>(in_->gcount());
    if (in_->bad()) failed_ = true;
    buffer_.resize(kept + got);
    text_ = buffer_;
    if (copy_ != nullptr && got > 0) {
        copy_->write(buffer_.data() + kept, static_cast<std::streamsize>(got));
    }
    return got > 0;
}

// A cell ends at a comma, at a line feed, or at a carriage return that starts a
// CR LF line break.
bool Reader::at_cell_end() {
    const int c = peek();
    return c == ',' || c == '\n' || (c == '\r' && peek(1) == '\n');
}

void Reader::read_quoted(std::string& cell) {
    const int quote_line = line_;
    ++pos_;
    for (;;) {
        const int c = peek();
        if (c < 0) throw ParseError(quote_line, Fault::UnclosedQuote);
        ++pos_;
        if (c == '"') {
            if (peek() != '"') break;
            cell += '"';
            ++pos_;
        } else {
            if (c == '\n') ++line_;
            cell += static_cast<char>(c);
        }
    }
    if (peek() >= 0 && !at_cell_end()) {
        throw ParseError(line_, Fault::TextAfterQuote);
    }
}

void Reader::read_unquoted(std::string& cell) {
    for (;;) {
        // Take the plain bytes in one piece, up to the next byte that needs a look.
        const std::size_t start = pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ',' || c == '\n' || c == '\r' || c == '"') break;
            ++pos_;
        }
        cell.append(text_.data() + start, pos_ - start);
        const int c = peek();  // reads on when the plain bytes reached the block's end
        if (c < 0 || c == ',' || c == '\n') return;
        if (c == '"') throw ParseError(line_, Fault::QuoteInUnquoted);
        if (c != '\r') continue;
        if (peek(1) == '\n') return;  // CR LF ends the record
        cell += '\r';                 // a lone carriage return belongs to the cell
        ++pos_;
    }
}

bool Reader::next(Record& rec) {
    if (!started_) {
        started_ = true;
        if (peek() == 0xEF && peek(1) == 0xBB && peek(2) == 0xBF) pos_ += 3;
    }
    if (peek() < 0) return false;
    rec.line = line_;
    rec.cells.clear();
    for (;;) {  // one cell per pass
        std::string& cell = rec.cells.emplace_back();
        if (peek() == '"') {
            read_quoted(cell);
        } else {
            read_unquoted(cell);
        }
        if (peek() == ',') {
            ++pos_;
            continue;
        }
        if (peek() == '\r') ++pos_;
        if (peek() == '\n') {
            ++pos_;
            ++line_;
        }
        return true;
    }
}

std::vector<Record> parse(std::string_view text) {
    std::vector<Record> records;
    Reader reader(text);
    Record rec;
    while (reader.next(rec)) records.push_back(std::move(rec));
    return records;
}

void append_cell(std::string& out, std::string_view cell) {
    // One look at each character (find_first_of would search the cell once per
    // character of the set).
    bool plain = true;
    for (const char c : cell) plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
    if (plain) {
        out += cell;
        return;
    }
    out += '"';
    for (char ch : cell) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

std::string format_row(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) out += ',';
        append_cell(out, cells[k]);
    }
    out += '\n';
    return out;
}

}  // namespace gp::csv
