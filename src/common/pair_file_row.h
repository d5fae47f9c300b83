// Saving one pair back into the file it was opened from. A pair file may hold many
// pairs; the one that was edited goes back into its own row, and every other byte
// of the file (the header, the other rows, blank lines, the byte-order mark) stays
// exactly as it was. The row is written in the file's column order, with its own
// line end, in the file's encoding; a cell the edit did not change keeps its bytes,
// quotes and all, so that saving an unchanged pair leaves the file unchanged.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gear_pair_input.h"
#include "rating_inputs.h"

namespace gp {

// Why a pair cannot go back into its row.
struct PairRowProblem {
    enum Kind {
        NotAPairFile,    // the bytes no longer read as a pair file
        NoSuchRow,       // no pair starts on that line
        MissingColumns,  // `items` are columns the pair needs and the header lacks
        NotEncodable,    // `items` are characters the file's encoding (GBK) cannot hold
    };
    Kind kind;
    std::vector<std::string> items;
};

// The file `bytes` with the pair starting on `line` (counted from 1, as PairRow
// counts) replaced by `input`. A field typed with no column in the header (or the
// equal-noise option with no `dx` column) is a problem rather than a new column,
// since a new column would change every row of the file. The rating inputs go into
// the rating columns the same way.
std::variant<std::string, PairRowProblem> replace_pair_row(std::string_view bytes, int line,
                                                           const GearPairInput& input,
                                                           const RatingInputs& rating = {});

}  // namespace gp
