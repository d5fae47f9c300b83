// The rows of a batch file as input forms.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gear_pair_input.h"

namespace gp {

struct BatchRow {
    GearPairInput input;
    int line = 0;  // where the row starts in the file
};

struct BatchInputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a pair file (UTF-8 or GBK CSV) whose header names form fields (any order,
// any subset) and `dx`.
// A missing column is the empty text; `dx` empty or missing means dx1. Throws
// BatchInputError naming the line for an unknown column, a bad `dx`, a row of the
// wrong width or malformed CSV.
std::vector<BatchRow> read_batch(std::string_view csv_text);

}  // namespace gp
