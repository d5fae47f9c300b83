// The one adapter from the program's texts (UTF-8 C++ strings, most of them from the
// message registry) to Qt's strings. Every window takes its words through qt(), so the
// conversion and its encoding are decided here once.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace gp {

inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString qt(const std::string& text) { return qt(std::string_view(text)); }
inline QString qt(const char* text) { return qt(std::string_view(text)); }

}  // namespace gp
