// The batch tool's files: a mode's input read whole, and a file it writes.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

namespace gp {

// The whole text of `file` (its name UTF-8 on every system, see program_arguments),
// or of `standard_input` for "-" or no name; false when it cannot be read.
bool read_whole_input(const std::string& file, std::istream& standard_input, std::string& text);

// Writes `bytes` to `path`, replacing what was there; false when that fails.
bool write_whole_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace gp
