// The batch tool's `solid` mode: the gears of each row as solids in STEP files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace gp {

bool is_solid_mode(const std::string& mode);

// Runs `solid [--gear 1|2|both] [--thickness …] [--bore MM] [--chamfer MM]
// [--angle DEG] [--out DIR] [FILE]` (the mode first). Returns 0 when every row was
// processed (rows that stop included, named on `err`), 1 when a file could not be
// written, 2 for bad usage, unreadable input or a build without solids.
int run_solid_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace gp
