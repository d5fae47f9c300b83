#include "pair_file.h"

#include <algorithm>

#include "gbk.h"

namespace gp {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

PairFileError at(int line, PairFileProblem problem, std::string name = {}) {
    PairFileError e{};
    e.problem = problem;
    e.line = line;
    e.name = std::move(name);
    return e;
}

// The text as UTF-8, or the reason it is not text.
std::variant<std::string, PairFileError> decode(std::string_view bytes, TextEncoding& encoding) {
    if (bytes.find('\0') != std::string_view::npos) {
        return at(1, PairFileProblem::NotText);
    }
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    } else if (!is_utf8(bytes)) {
        if (auto text = utf8_from_gbk(bytes)) {
            encoding = TextEncoding::Gbk;
            return std::move(*text);
        }
    }
    if (!is_utf8(bytes)) return at(1, PairFileProblem::UnknownEncoding);
    encoding = TextEncoding::Utf8;
    return std::string(bytes);
}

}  // namespace

std::variant<PairFile, PairFileError> read_pair_file(std::string_view bytes,
                                                     std::size_t max_cell_chars,
                                                     UnknownColumns unknown) {
    PairFile file;
    auto decoded = decode(bytes, file.encoding);
    if (auto* error = std::get_if<PairFileError>(&decoded)) return *error;
    std::vector<csv::Record> records;
    try {
        records = csv::parse(std::get<std::string>(decoded));
    } catch (const csv::ParseError& e) {
        PairFileError error = at(e.line, PairFileProblem::MalformedCsv);
        error.csv_fault = e.fault;
        return error;
    }
    if (records.empty()) return at(1, PairFileProblem::NoHeader);
    for (const csv::Record& rec : records) {
        for (const std::string& cell : rec.cells) {
            if (max_cell_chars > 0 && characters(cell) > max_cell_chars) {
                PairFileError error = at(rec.line, PairFileProblem::CellTooLong);
                error.limit = max_cell_chars;
                return error;
            }
        }
    }

    const auto header = PairColumns::of(records.front(), unknown);
    if (const auto* error = std::get_if<PairFileError>(&header)) return *error;
    const PairColumns& columns = std::get<PairColumns>(header);
    file.columns = records.front().cells;
    for (const std::string& name : file.columns) {
        if (name != "dx" && !find_input_field(name) && !find_rating_field(name)) {
            file.ignored.push_back(name);
        }
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        csv::Record& rec = records[r];
        if (!columns.holds_a_row(rec)) continue;
        if (auto error = columns.check(rec)) return *std::move(error);
        file.rows.push_back(columns.take(rec));
    }
    return file;
}

std::string write_pair_file(const GearPairInput& input, const RatingInputs& rating) {
    std::vector<std::string> names, cells;
    for (const InputField& f : kInputFields) {
        names.emplace_back(f.name);
        cells.push_back(input.*f.text);
    }
    names.emplace_back("dx");
    cells.emplace_back(input.rule == ShiftRule::EqualStrength ? "dx1" : "dx2");
    if (!rating.empty()) {
        const bool all = uses_written_when_used(rating);
        for (const RatingField& f : kRatingFields) {
            if (f.written_when_used && !all) continue;
            names.emplace_back(f.name);
            cells.push_back(rating.*f.text);
        }
    }
    // Spreadsheets write CR LF; a line break inside a quoted cell stays as typed.
    const auto line = [](const std::vector<std::string>& row) {
        std::string text = csv::format_row(row);
        text.insert(text.size() - 1, "\r");
        return text;
    };
    return std::string(kByteOrderMark) + line(names) + line(cells);
}

}  // namespace gp
