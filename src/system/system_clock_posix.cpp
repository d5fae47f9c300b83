#include <cstdlib>
#include <ctime>
#include <string_view>

#include "system_clock.h"

namespace gp {
namespace {

LocalTime local_time_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

// The locale whose time formats the user asked for, by the C library's order of
// precedence: LC_ALL, then LC_TIME, then LANG.
std::string_view time_locale_name() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "C";
}

}  // namespace

ReportStamp SystemClock::now() {
    return format_report_stamp(fixed_ ? *fixed_ : local_time_now(),
                               stamp_formats_of_locale(time_locale_name()));
}

}  // namespace gp
