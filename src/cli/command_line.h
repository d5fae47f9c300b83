// The command line of the batch tool's modes: numbers given to options (--jobs,
// --tolerance, --window …), read by the program's one reader, so that an option
// takes exactly the texts a field of the form takes; the input file among the
// arguments; and the usage message a mode stops with.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace gp {

// The number `value` given to `option`, or the usage text that says what is wrong
// with it, naming the option: empty, not a number, or beyond the doubles. Whether
// the number suits the option is the caller's check.
std::variant<double, std::string> option_number(const std::string& option, std::string_view value);

// An argument that is none of the mode's options: an unknown option ("-" alone is
// standard input, a file), else the mode's one input file, else one too many. The
// usage text, or nothing when the argument was taken as the file.
std::optional<std::string> take_file(const std::string& argument, std::string& file,
                                     bool& have_file);

// Writes the usage message of `what` to `err`; the mode's exit status for it (2).
int usage(std::ostream& err, const std::string& what);

}  // namespace gp
