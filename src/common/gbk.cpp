#include "gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace gp {
namespace {

class Converter {
  public:
    explicit Converter(const char* to = "GBK", const char* from = "UTF-8")
        : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("the C library has no converter from ") + from +
                                     " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

bool is_continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of what iconv refused at the start of `s`, to be replaced by one "?": a
// well-formed character GBK lacks, or the longest start of one that is cut short,
// or else one stray byte.
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

// The whole text converted, or nothing at the first byte the source encoding does
// not define.
std::optional<std::string> convert_strictly(const char* to, const char* from,
                                            std::string_view text) {
    Converter converter(to, from);
    std::string out;
    // A GBK character takes at most three bytes in UTF-8; UTF-8 to UTF-8 keeps the length.
    std::string buffer(text.size() * 3 / 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    while (in_left > 0) {
        char* dst = buffer.data();
        std::size_t dst_left = buffer.size();
        const std::size_t rc = iconv(converter.get(), &in, &in_left, &dst, &dst_left);
        const int error = errno;
        out.append(buffer.data(), dst - buffer.data());
        if (rc == static_cast<std::size_t>(-1) && error != E2BIG) return std::nullopt;
    }
    return out;
}

}  // namespace

std::optional<std::string> utf8_from_gbk(std::string_view gbk) {
    return convert_strictly("UTF-8", "GBK", gbk);
}

bool is_utf8(std::string_view bytes) {
    return convert_strictly("UTF-8", "UTF-8", bytes).has_value();
}

std::string gbk_from_utf8(std::string_view utf8) {
    Converter converter;
    std::string out;
    // GBK never needs more bytes than UTF-8 for the same character.
    std::string buffer(utf8.size() + 4, '\0');
    while (!utf8.empty()) {
        char* in = const_cast<char*>(utf8.data());
        std::size_t in_left = utf8.size();
        char* dst = buffer.data();
        std::size_t dst_left = buffer.size();
        const std::size_t rc = iconv(converter.get(), &in, &in_left, &dst, &dst_left);
        const int error = errno;
        out.append(buffer.data(), dst - buffer.data());
        utf8.remove_prefix(utf8.size() - in_left);
        if (rc != static_cast<std::size_t>(-1)) break;
        if (error == E2BIG) continue;
        // EILSEQ (no GBK code, or not UTF-8) or EINVAL (a sequence cut short at the end).
        out += '?';
        utf8.remove_prefix(error == EINVAL ? utf8.size() : refused_length(utf8));
    }
    return out;
}

}  // namespace gp
