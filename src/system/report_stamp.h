// The moment a report is made, as the texts its date-time line shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gp {

struct ReportStamp {
    std::string date;  // the short date, e.g. "2026/12/7"
    std::string time;  // hours, minutes and seconds, e.g. "14:03:05"
};

// A moment on the local clock, as a calendar shows it.
struct LocalTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
};

// A short date format and a time format with seconds, in the pattern letters the
// desktop systems use: y (yy two digits, yyyy four), M, d, H (24 hours), h (12
// hours), m, s (doubled: two digits), t or tt (the morning or afternoon text),
// 'quoted' text as it stands; anything else is copied.
struct StampFormats {
    std::string date;
    std::string time;
    std::string am = "AM";
    std::string pm = "PM";
};

ReportStamp format_report_stamp(const LocalTime& when, const StampFormats& formats);

// The formats of a locale named as LC_TIME names it ("zh_CN.UTF-8", "C", ...): a
// Chinese locale writes as a Chinese desktop does ("2026/12/7" "14:03:05"), every
// other one in the international form ("2026-12-07" "14:03:05").
StampFormats stamp_formats_of_locale(std::string_view name);

// "2026-12-07 14:03:05" (or with a T between date and time) as a local time;
// nothing when the text is not such a moment of the calendar.
std::optional<LocalTime> parse_local_time(std::string_view text);

}  // namespace gp
