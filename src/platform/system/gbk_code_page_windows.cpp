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

}  // namespace gp
