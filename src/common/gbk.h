// GBK, the Simplified-Chinese code page the report files are written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gp {

// The GBK bytes of a UTF-8 text: one byte for ASCII, two for a Chinese character.
// A character GBK has no code for, and any byte that is not part of valid UTF-8,
// becomes one "?", so the text keeps its length in characters wherever it can.
std::string gbk_from_utf8(std::string_view utf8);

// The UTF-8 text of GBK bytes, or nothing when the bytes are not GBK text (a byte
// sequence GBK does not define, or a double-byte character cut short).
std::optional<std::string> utf8_from_gbk(std::string_view gbk);

// Whether the bytes are well-formed UTF-8.
bool is_utf8(std::string_view bytes);

}  // namespace gp
