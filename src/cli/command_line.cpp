#include "command_line.h"

#include "messages/cli.h"
#include "number_parse.h"

namespace gp {

std::variant<double, std::string> option_number(const std::string& option, std::string_view value) {
    const NumberReading read = read_number(value);
    if (read.ok) return read.value;
    const std::string text(value);
    switch (read.fault) {
        case NumberFault::Empty:
            return msg::cli::needs_value(option);
        case NumberFault::NotANumber:
            return msg::cli::not_a_number(option, text);
        case NumberFault::OutOfRange:
            break;
    }
    return msg::cli::number_beyond_range(option, text);
}

std::optional<std::string> take_file(const std::string& argument, std::string& file,
                                     bool& have_file) {
    if (argument.size() > 1 && argument[0] == '-') return msg::cli::unknown_option(argument);
    if (have_file) return std::string(msg::cli::kTooManyArguments);
    file = argument;
    have_file = true;
    return std::nullopt;
}

int usage(std::ostream& err, const std::string& what) {
    err << msg::cli::usage_error(what);
    return 2;
}

}  // namespace gp
