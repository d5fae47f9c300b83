// Numbers given on the command line (--jobs, --tolerance, --window …), read by the
// program's one reader, so that an option takes exactly the texts a field of the
// form takes.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace gp {

// The number `value` given to `option`, or the usage text that says what is wrong
// with it, naming the option: empty, not a number, or beyond the doubles. Whether
// the number suits the option is the caller's check.
std::variant<double, std::string> option_number(const std::string& option, std::string_view value);

}  // namespace gp
