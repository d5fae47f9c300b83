#include "pair_file_row.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "csv.h"
#include "gbk.h"
#include "pair_file.h"

namespace gp {

namespace {

// Where a record stands in the file's bytes: from its first cell to the end of its
// last, line end excluded, and each cell's bytes (quotes included).
struct RecordBytes {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::vector<std::pair<std::size_t, std::size_t>> cells;
};

// The bytes of the record that starts on `line`. The cells are found in the raw
// bytes, so that GBK needs no decoding: every byte CSV gives a meaning to (comma,
// quote, CR, LF) is below 0x40, and no byte of a GBK character's second half is.
// The file has been read as a pair file already, so its quoting is sound.
std::optional<RecordBytes> record_on_line(std::string_view bytes, int line) {
    const std::size_t n = bytes.size();
    std::size_t pos = 0;
    int at = 1;
    while (pos < n) {
        RecordBytes rec;
        rec.begin = pos;
        const int starts = at;
        for (;;) {  // one cell per pass
            const std::size_t cell = pos;
            if (pos < n && bytes[pos] == '"') {
                for (++pos; pos < n; ++pos) {
                    if (bytes[pos] == '\n') ++at;
                    if (bytes[pos] != '"') continue;
                    if (pos + 1 < n && bytes[pos + 1] == '"') {
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
            } else {
                while (pos < n && bytes[pos] != ',' && bytes[pos] != '\n' &&
                       !(bytes[pos] == '\r' && pos + 1 < n && bytes[pos + 1] == '\n')) {
                    ++pos;
                }
            }
            rec.cells.emplace_back(cell, pos);
            if (pos < n && bytes[pos] == ',') {
                ++pos;
                continue;
            }
            break;
        }
        rec.end = pos;
        if (pos < n && bytes[pos] == '\r') ++pos;
        if (pos < n && bytes[pos] == '\n') {
            ++pos;
            ++at;
        }
        if (starts == line) return rec;
    }
    return std::nullopt;
}

// The characters of a UTF-8 text that GBK has no code for, each once.
std::vector<std::string> not_in_gbk(std::string_view utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        while (i + len < utf8.size() && (static_cast<unsigned char>(utf8[i + len]) & 0xC0) == 0x80)
            ++len;
        const std::string ch(utf8.substr(i, len));
        if (utf8_from_gbk(gbk_from_utf8(ch)) != ch &&
            std::find(out.begin(), out.end(), ch) == out.end()) {
            out.push_back(ch);
        }
        i += len;
    }
    return out;
}

bool same_pair(const GearPairInput& a, const GearPairInput& b) {
    return a.rule == b.rule &&
           std::all_of(kInputFields.begin(), kInputFields.end(),
                       [&](const InputField& f) { return a.*f.text == b.*f.text; });
}

// The new bytes read as the old file with the one pair replaced.
bool reads_back(std::string_view bytes, const PairFile& before, int line,
                const GearPairInput& input) {
    const auto read = read_pair_file(bytes, 0, UnknownColumns::Ignore);
    const auto* after = std::get_if<PairFile>(&read);
    if (!after || after->rows.size() != before.rows.size()) return false;
    for (std::size_t r = 0; r < after->rows.size(); ++r) {
        const bool edited = before.rows[r].line == line;
        if (!same_pair(after->rows[r].input, edited ? input : before.rows[r].input)) return false;
    }
    return true;
}

}  // namespace

std::variant<std::string, PairRowProblem> replace_pair_row(std::string_view bytes, int line,
                                                           const GearPairInput& input,
                                                           const RatingInputs& rating) {
    const auto read = read_pair_file(bytes, 0, UnknownColumns::Ignore);
    const auto* file = std::get_if<PairFile>(&read);
    if (!file) return PairRowProblem{PairRowProblem::NotAPairFile, {}};
    const auto row = std::find_if(file->rows.begin(), file->rows.end(),
                                  [line](const PairRow& r) { return r.line == line; });
    const auto rec = record_on_line(bytes, line);
    if (row == file->rows.end() || !rec || rec->cells.size() != file->columns.size()) {
        return PairRowProblem{PairRowProblem::NoSuchRow, {}};
    }

    // A typed text with nowhere to go would be lost without a word.
    const auto& columns = file->columns;
    const auto has = [&columns](std::string_view name) {
        return std::find(columns.begin(), columns.end(), name) != columns.end();
    };
    std::vector<std::string> missing;
    for (const InputField& f : kInputFields) {
        if (!(input.*f.text).empty() && !has(f.name)) missing.emplace_back(f.name);
    }
    for (const RatingField& f : kRatingFields) {
        if (!(rating.*f.text).empty() && !has(f.name)) missing.emplace_back(f.name);
    }
    if (input.rule == ShiftRule::EqualNoise && !has("dx")) missing.emplace_back("dx");
    if (!missing.empty()) return PairRowProblem{PairRowProblem::MissingColumns, missing};

    const bool gbk = file->encoding == TextEncoding::Gbk;
    std::string cells;
    std::vector<std::string> unencodable;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) cells += ',';
        const auto& [from, to] = rec->cells[c];
        std::string text;
        bool same = false;
        if (columns[c] == "dx") {
            same = input.rule == row->input.rule;
            text = input.rule == ShiftRule::EqualNoise ? "dx2" : "dx1";
        } else if (const auto field = find_input_field(columns[c])) {
            text = input.*field->text;
            same = text == row->input.*field->text;
        } else if (const auto r = find_rating_field(columns[c])) {
            text = rating.*r->text;
            same = text == row->rating.*r->text;
        } else {  // a column no pair reads: its bytes stay
            same = true;
        }
        if (same) {  // the cell's own bytes, as the file had them
            cells.append(bytes.substr(from, to - from));
            continue;
        }
        std::string cell;
        csv::append_cell(cell, text);
        if (gbk) {
            for (std::string& ch : not_in_gbk(cell)) {
                if (std::find(unencodable.begin(), unencodable.end(), ch) == unencodable.end())
                    unencodable.push_back(std::move(ch));
            }
            cell = gbk_from_utf8(cell);
        }
        cells += cell;
    }
    if (!unencodable.empty()) {
        return PairRowProblem{PairRowProblem::NotEncodable, std::move(unencodable)};
    }
    std::string out(bytes.substr(0, rec->begin));
    out += cells;
    out.append(bytes.substr(rec->end));
    // GBK bytes can happen to form UTF-8: a file whose only other Chinese text was
    // in the edited row would then read back as something else. Refused, not saved.
    if (!reads_back(out, *file, row->line, input)) {
        return PairRowProblem{PairRowProblem::NotEncodable, {}};
    }
    return out;
}

}  // namespace gp
