#include <iconv.h>

#include <bit>
#include <cerrno>
#include <stdexcept>
#include <string>

#include "gbk_code_page.h"

namespace gp {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

class Converter {
  public:
    explicit Converter(const char* to = "GBK", const char* from = kUtf16)
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

}  // namespace

void append_gbk_code_page(std::u16string_view text, std::string& out) {
    thread_local Converter converter;
    // Every character of the plane is one UTF-16 unit and at most two GBK bytes.
    std::string buffer(2 * text.size(), '\0');
    auto* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
    std::size_t in_left = text.size() * sizeof(char16_t);
    while (in_left > 0) {
        char* dst = buffer.data();
        std::size_t dst_left = buffer.size();
        const std::size_t rc = iconv(converter.get(), &in, &in_left, &dst, &dst_left);
        out.append(buffer.data(), dst - buffer.data());
        if (rc != static_cast<std::size_t>(-1)) break;
        // EILSEQ: a character GBK has no code for.
        out += '?';
        in += sizeof(char16_t);
        in_left -= sizeof(char16_t);
    }
}

std::optional<std::string> utf8_from_gbk_code_page(std::string_view gbk) {
    Converter converter("UTF-8", "GBK");
    std::string out;
    // A GBK character takes at most three bytes in UTF-8.
    std::string buffer(gbk.size() * 3 / 2 + 4, '\0');
    char* in = const_cast<char*>(gbk.data());
    std::size_t in_left = gbk.size();
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

}  // namespace gp
