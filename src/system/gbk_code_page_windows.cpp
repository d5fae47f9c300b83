#include <windows.h>

#include "gbk_code_page.h"

namespace gp {

void append_gbk_code_page(std::u16string_view text, std::string& out) {
    if (text.empty()) return;
    constexpr UINT kSimplifiedChinese = 936;
    const auto units = static_cast<int>(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    // Without WC_NO_BEST_FIT_CHARS the system would write a look-alike (an "e" for
    // an "é") where GBK has no code; the report must show that something is missing.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int size =
        WideCharToMultiByte(kSimplifiedChinese, flags, wide, units, nullptr, 0, "?", nullptr);
    if (size <= 0) {
        out.append(text.size(), '?');
        return;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(size));
    WideCharToMultiByte(kSimplifiedChinese, flags, wide, units, out.data() + at, size, "?",
                        nullptr);
}

std::optional<std::string> utf8_from_gbk_code_page(std::string_view gbk) {
    if (gbk.empty()) return std::string();
    constexpr UINT kSimplifiedChinese = 936;
    const auto bytes = static_cast<int>(gbk.size());
    // MB_ERR_INVALID_CHARS refuses what the code page does not define instead of
    // putting a replacement character in its place.
    const int units =
        MultiByteToWideChar(kSimplifiedChinese, MB_ERR_INVALID_CHARS, gbk.data(), bytes, nullptr, 0);
    if (units <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(kSimplifiedChinese, MB_ERR_INVALID_CHARS, gbk.data(), bytes, wide.data(),
                        units);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace gp
