// The batch tool's `spectrum` mode: one pair of a pair file rated under a load
// spectrum (ISO 6336-6), one line per bin and a line of totals.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "load_spectrum.h"

namespace gp {

bool is_spectrum_mode(const std::string& mode);

// Runs `spectrum --pair PAIRFILE [--row N] [SPECTRUM]` (the mode first), the
// spectrum from `in` when SPECTRUM is absent or "-". Returns 0 when the pair was
// rated or its rating stopped (a "stop," line), 2 for bad usage, an unreadable or
// bad pair file or spectrum (named on `err`), 1 when writing failed.
int run_spectrum_mode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);

// The lines of a rated spectrum: the bins' header and lines, the totals' header
// and its line "all,…".
void write_spectrum_table(const rating::SpectrumResult& result, std::ostream& out);

}  // namespace gp
