// The batch tool's `sizing` mode: every admissible pair of a search space as CSV.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace gp {

bool is_sizing_mode(const std::string& mode);

// Runs `sizing [--jobs N] [--pair FILE] [REQUIREMENTS]` (the mode first), reading
// standard input from `in`. Returns 0 when the run ended (with or without rows),
// 2 for bad usage, unreadable input or faulty requirements, 1 when writing failed.
int run_sizing_mode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);

// The mode's --help text, with every key and its default.
std::string sizing_help();

}  // namespace gp
