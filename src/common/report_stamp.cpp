#include "report_stamp.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <ctime>
#include <string_view>

namespace gp {
namespace {

// The user's time formats, with the character set their texts come in.
class UserTimeLocale {
  public:
    UserTimeLocale() : loc_(newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", locale_t(0))) {
        if (loc_ == locale_t(0)) loc_ = newlocale(LC_ALL_MASK, "C", locale_t(0));
    }
    ~UserTimeLocale() {
        if (loc_ != locale_t(0)) freelocale(loc_);
    }
    UserTimeLocale(const UserTimeLocale&) = delete;
    UserTimeLocale& operator=(const UserTimeLocale&) = delete;

    std::string format(const char* pattern, const std::tm& when) const {
        char buf[128];
        const std::size_t n = loc_ ? strftime_l(buf, sizeof buf, pattern, &when, loc_) : 0;
        return to_utf8(std::string(buf, n));
    }

  private:
    // Locales with a legacy character set (e.g. zh_CN.GBK) write their month and
    // era names in it; the report model is UTF-8.
    std::string to_utf8(const std::string& text) const {
        const char* codeset = loc_ ? nl_langinfo_l(CODESET, loc_) : "UTF-8";
        const std::string_view cs = codeset;
        if (cs == "UTF-8" || cs == "ANSI_X3.4-1968") return text;
        iconv_t cd = iconv_open("UTF-8", codeset);
        if (cd == reinterpret_cast<iconv_t>(-1)) return text;
        std::string out(text.size() * 4 + 4, '\0');
        char* in = const_cast<char*>(text.data());
        std::size_t in_left = text.size();
        char* dst = out.data();
        std::size_t dst_left = out.size();
        const bool ok = iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
        iconv_close(cd);
        if (!ok) return text;
        out.resize(out.size() - dst_left);
        return out;
    }

    locale_t loc_;
};

}  // namespace

ReportStamp current_report_stamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const UserTimeLocale user;
    return ReportStamp{user.format("%x", local), user.format("%X", local)};
}

}  // namespace gp
