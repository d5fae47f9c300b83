// Fuzz target: any bytes as a pair file. Reading never crashes or hangs; what it
// accepts, the writer saves and the reader reads back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "pair_file.h"

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = gp::read_pair_file(bytes, 1000);
    if (const auto* error = std::get_if<gp::PairFileError>(&read)) {
        if (error->line < 1) broken("an error names no line");
        return 0;
    }
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
