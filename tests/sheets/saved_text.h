// Turns a report written out as readable lines into the bytes of the file.
#pragma once

#include <string>
#include <string_view>

#include "gbk.h"

namespace gp::testing {

// `lines`: after a first line break, one line per file line, each ending in "|".
inline std::string saved_bytes(std::string_view lines) {
    std::string out;
    lines.remove_prefix(1);
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        line.remove_suffix(1);  // the "|" that shows where the line ends
        out += gbk_from_utf8(line) + "\r\n";
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    return out;
}

}  // namespace gp::testing
