#include <windows.h>

#include <string>

#include "system_clock.h"

namespace gp {
namespace {

std::string utf8_of(const wchar_t* text, int units) {
    if (units <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, units, out.data(), size, nullptr, nullptr);
    return out;
}

SYSTEMTIME system_time_of(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

}  // namespace

ReportStamp SystemClock::now() {
    // Date and time from one reading, so a save at midnight cannot mix two days.
    SYSTEMTIME st{};
    if (fixed_) {
        st = system_time_of(*fixed_);
    } else {
        GetLocalTime(&st);
    }
    wchar_t buf[128];
    ReportStamp stamp;
    // The user's short date format and time format (hours, minutes, seconds), as
    // set in the system's regional settings. The lengths include the closing NUL.
    int n =
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 128, nullptr);
    stamp.date = utf8_of(buf, n - 1);
    n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, buf, 128);
    stamp.time = utf8_of(buf, n - 1);
    return stamp;
}

}  // namespace gp
