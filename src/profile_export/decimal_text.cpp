#include "decimal_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace gp {

void append_decimal(std::string& out, double value, int decimals) {
    if (value == 0.0) value = 0.0;  // no "-0.000"
    const std::size_t at = out.size();
    // Room for the usual sizes first; the largest double then needs a sign, 309
    // digits, the point and the decimals.
    std::size_t room = 24 + static_cast<std::size_t>(decimals);
    for (;;) {
        out.resize(at + room);
        const auto written = std::to_chars(out.data() + at, out.data() + out.size(), value,
                                           std::chars_format::fixed, decimals);
        if (written.ec == std::errc{}) {
            out.resize(static_cast<std::size_t>(written.ptr - out.data()));
            return;
        }
        room = room < 64 ? 4 + std::numeric_limits<double>::max_exponent10 +
                               static_cast<std::size_t>(decimals)
                         : 2 * room;
    }
}

void append_decimal_trimmed(std::string& out, double value, int decimals) {
    const std::size_t at = out.size();
    append_decimal(out, value, decimals);
    const std::size_t dot = out.find('.', at);
    if (dot == std::string::npos) return;  // no decimals, or not finite
    std::size_t last = out.find_last_not_of('0');
    if (last == dot) ++last;
    out.resize(last + 1);
}

}  // namespace gp
