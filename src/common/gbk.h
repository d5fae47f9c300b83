// GBK, the Simplified-Chinese code page the report files are written in.
#pragma once

#include <string>
#include <string_view>

namespace gp {

// The GBK bytes of a UTF-8 text: one byte for ASCII, two for a Chinese character.
// A character GBK has no code for, and any byte that is not part of valid UTF-8,
// becomes one "?", so the text keeps its length in characters wherever it can.
std::string gbk_from_utf8(std::string_view utf8);

}  // namespace gp
