#include <iconv.h>

#include <bit>
#include <cerrno>
#include <stdexcept>

#include "gbk_code_page.h"

namespace gp {
namespace {

class Converter {
  public:
    Converter()
        : cd_(iconv_open("GBK",
                         std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("the C library has no UTF-16 to GBK converter");
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

}  // namespace gp
