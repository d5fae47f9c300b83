// Pair files: the batch tool's CSV, read by the batch tool and by the desktop
// program alike. The first row names the columns (the input form's fields, in any
// order and any subset, and `dx` for the shift-distribution option); each further
// row is one pair with every field's text exactly as typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gear_pair_input.h"
#include "pair_columns.h"
#include "pair_file_error.h"

namespace gp {

enum class TextEncoding { Utf8, Gbk };

struct PairFile {
    std::vector<PairRow> rows;         // none when the file has a header only
    std::vector<std::string> columns;  // the header's names, in the file's order
    std::vector<std::string> ignored;  // the columns no pair reads, when they are ignored
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads the bytes of a pair file: UTF-8 (a byte-order mark is skipped) or, failing
// that, GBK, as spreadsheets on a Chinese desktop save CSV. A missing column is the
// empty text; `dx` empty or missing means dx1. Blank lines are skipped. A cell
// longer than `max_cell_chars` characters (0: no limit) is refused. A column that
// names no field is refused, or passed over and listed in `ignored`.
std::variant<PairFile, PairFileError> read_pair_file(
    std::string_view bytes, std::size_t max_cell_chars = 0,
    UnknownColumns unknown = UnknownColumns::Refuse);

// One pair as a file: UTF-8 with a byte-order mark, the header of every field name
// and `dx`, then one row; CR LF line ends. The rating columns follow only when at
// least one rating input is not empty, so a pair without them is written exactly
// as before they existed. Reads back as the same input and rating inputs.
std::string write_pair_file(const GearPairInput& input, const RatingInputs& rating = {});

}  // namespace gp
