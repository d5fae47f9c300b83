// The Simplified-Chinese code page (GBK, Windows code page 936), as the operating
// system provides it: the C library's converter on Linux, the system's own code page
// on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gp {

// Appends the GBK code of every character of `text`, a UTF-16 text of the Basic
// Multilingual Plane without surrogates: one byte for ASCII, two for a Chinese
// character, and "?" for a character the code page has no code for.
void append_gbk_code_page(std::u16string_view text, std::string& out);

// The UTF-8 text of GBK bytes (what older spreadsheets on a Chinese system save), or
// nothing when the bytes are not GBK: a byte or pair the code page does not define,
// or a pair cut short at the end.
std::optional<std::string> utf8_from_gbk_code_page(std::string_view gbk);

}  // namespace gp
