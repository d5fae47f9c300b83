// A load spectrum as a CSV table, as the batch tool reads it and the window opens
// and saves it: a header naming T1 and either cycles or hours, optionally n1 and
// KHb (other columns are ignored, so a spreadsheet's notes may stay), then one row
// per bin. Every cell is read with the program's one number reader.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "load_spectrum.h"

namespace gp::rating {

// What is wrong with a spectrum table: the whole message names the line (the header
// is line 1), the bin and the column.
struct SpectrumError {
    std::string message;
    int line = 0;        // 0 when the text as a whole is at fault
    std::string column;  // empty for a fault of the row or the header
};

// The spectrum of a CSV text (UTF-8, a byte-order mark skipped), or its first fault.
std::variant<LoadSpectrum, SpectrumError> read_spectrum(std::string_view text);

// The same from cells already split (a paste from a spreadsheet, the window's
// table): the first row the header.
std::variant<LoadSpectrum, SpectrumError> read_spectrum(
    const std::vector<std::vector<std::string>>& rows);

// The spectrum as CSV: UTF-8, LF, the header T1,cycles|hours[,n1][,KHb], every
// number in the fewest digits that give the same double back.
std::string write_spectrum(const LoadSpectrum& spectrum);

// A number in the fewest digits that give the same double back ("1.31").
std::string shortest_text(double value);

}  // namespace gp::rating
