#include "option_number.h"

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

}  // namespace gp
