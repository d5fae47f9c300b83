#include "gbk.h"

#include "gbk_code_page.h"

namespace gp {
namespace {

bool is_continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The character at the start of `s` if it is well-formed UTF-8 (shortest form, no
// surrogate, at most U+10FFFF), with its length; 0 for the length otherwise.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded decode(std::string_view s) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t n = 0;
    char32_t code = 0, least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (s.size() < n) return {};
    for (std::size_t i = 1; i < n; ++i) {
        if (!is_continuation(b(i))) return {};
        code = code << 6 | (b(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, n};
}

// How much of `s` one "?" stands for when its start is no character GBK can take:
// a whole well-formed character, or the lead byte and the continuation bytes that
// follow it up to the length the lead announces, or else one stray byte.
std::size_t refused_length(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t n = lead >= 0xF0 && lead <= 0xF4   ? 4
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                                                         : 1;
    std::size_t length = 1;
    while (length < n && length < s.size() &&
           is_continuation(static_cast<unsigned char>(s[length]))) {
        ++length;
    }
    return length;
}

// GBK's characters all lie in the Basic Multilingual Plane. The private-use area is
// left out on purpose: code page 936 gives part of it codes of the user-defined
// areas (and U+F8F5 the lone byte 0xFF), which only a font made on the writer's own
// machine can show, and GBK proper has none for it, so it is "?" on every system.
bool may_have_gbk_code(char32_t code) {
    return code <= 0xFFFF && !(code >= 0xE000 && code <= 0xF8FF);
}

}  // namespace

std::optional<std::string> utf8_from_gbk(std::string_view gbk) {
    return utf8_from_gbk_code_page(gbk);
}

bool is_utf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = decode(bytes).length;
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string gbk_from_utf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::u16string run;  // characters handed to the code page together
    const auto flush = [&] {
        append_gbk_code_page(run, out);
        run.clear();
    };
    while (!utf8.empty()) {
        const Decoded c = decode(utf8);
        if (c.length > 0 && may_have_gbk_code(c.code)) {
            run += static_cast<char16_t>(c.code);
            utf8.remove_prefix(c.length);
            continue;
        }
        flush();
        out += '?';
        utf8.remove_prefix(refused_length(utf8));
    }
    flush();
    return out;
}

}  // namespace gp
