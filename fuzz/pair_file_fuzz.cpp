// Fuzz target: any bytes as a pair file. Reading never crashes or hangs; what it
// accepts, the writer saves and the reader reads back unchanged. Each pair, edited
// and saved back into its row, leaves every byte outside that row as it was.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "pair_file.h"
#include "pair_file_row.h"

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// The pair edited as a user might, the edit chosen by the file's own bytes: a field
// typed anew (with the characters CSV and GBK find hardest) and the option flipped.
gp::GearPairInput edited(gp::GearPairInput in, std::string_view bytes, std::size_t row) {
    static constexpr const char* kTexts[] = {"60", "齿轮,\"A\"", "x\ny", "", "€", " 2 ", "\r"};
    const std::size_t seed = bytes.size() + row * 7;
    const gp::InputField& f = gp::kInputFields[seed % gp::kInputFields.size()];
    in.*f.text = kTexts[seed % std::size(kTexts)];
    if (seed % 3 == 0) {
        in.rule = in.rule == gp::ShiftRule::EqualNoise ? gp::ShiftRule::EqualStrength
                                                       : gp::ShiftRule::EqualNoise;
    }
    return in;
}

// Saving a pair back into its row of the file: unchanged, the file keeps its bytes;
// edited, only the row's bytes change (what lies before it and after it is kept)
// and the file reads back with that pair alone changed.
void save_into_rows(std::string_view bytes, const gp::PairFile& file) {
    for (std::size_t r = 0; r < file.rows.size(); ++r) {
        const gp::PairRow& row = file.rows[r];
        const auto same = gp::replace_pair_row(bytes, row.line, row.input, row.rating);
        const auto* kept = std::get_if<std::string>(&same);
        if (!kept || *kept != bytes) broken("an unchanged pair changed its file");
        const gp::GearPairInput in = edited(row.input, bytes, r);
        const auto saved = gp::replace_pair_row(bytes, row.line, in, row.rating);
        const auto* after = std::get_if<std::string>(&saved);
        if (!after) continue;  // refused with a reason: the file stays as it is
        // The row's bytes run from the start of its line over as many lines as its
        // cells hold line breaks, up to its line end; nothing else may change.
        std::size_t start = 0;
        for (int l = 1; l < row.line; ++l) start = bytes.find('\n', start) + 1;
        std::size_t end = start;
        for (const gp::InputField& f : gp::kInputFields) {
            for (const char c : row.input.*f.text) {
                if (c == '\n') end = bytes.find('\n', end) + 1;
            }
        }
        for (const gp::RatingField& f : gp::kRatingFields) {
            for (const char c : row.rating.*f.text) {
                if (c == '\n') end = bytes.find('\n', end) + 1;
            }
        }
        end = std::min(bytes.find('\n', end), bytes.size());
        if (end > start && end < bytes.size() && bytes[end - 1] == '\r') --end;
        const std::string_view before = bytes.substr(0, start), behind = bytes.substr(end);
        if (after->size() < before.size() + behind.size() ||
            std::string_view(*after).substr(0, start) != before ||
            std::string_view(*after).substr(after->size() - behind.size()) != behind) {
            broken("bytes outside the edited row changed");
        }
        const auto again = gp::read_pair_file(*after);
        const auto* back = std::get_if<gp::PairFile>(&again);
        if (!back || back->rows.size() != file.rows.size()) broken("a saved row lost the file");
        for (std::size_t k = 0; k < file.rows.size(); ++k) {
            const gp::GearPairInput& want = k == r ? in : file.rows[k].input;
            for (const gp::InputField& f : gp::kInputFields) {
                if (back->rows[k].input.*f.text != want.*f.text)
                    broken("a row of the file changed on another row's save");
            }
            if (back->rows[k].input.rule != want.rule) broken("an option changed on a save");
            if (back->rows[k].rating != file.rows[k].rating)
                broken("a rating input changed on a save");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = gp::read_pair_file(bytes, 1000);
    if (const auto* error = std::get_if<gp::PairFileError>(&read)) {
        if (error->line < 1) broken("an error names no line");
        return 0;
    }
    save_into_rows(bytes, std::get<gp::PairFile>(read));
    for (const gp::PairRow& row : std::get<gp::PairFile>(read).rows) {
        const auto again = gp::read_pair_file(gp::write_pair_file(row.input, row.rating), 1000);
        const auto* file = std::get_if<gp::PairFile>(&again);
        if (!file || file->rows.size() != 1) broken("a saved pair does not read back");
        const gp::GearPairInput& back = file->rows[0].input;
        for (const gp::InputField& f : gp::kInputFields) {
            if (back.*f.text != row.input.*f.text)
                broken("a field changed on its way through a file");
        }
        if (back.rule != row.input.rule) broken("the option changed on its way through a file");
        if (file->rows[0].rating != row.rating)
            broken("a rating input changed on its way through a file");
    }
    return 0;
}
