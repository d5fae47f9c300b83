// The moment a report is made, as the texts its date-time line shows.
#pragma once

#include <string>

namespace gp {

struct ReportStamp {
    std::string date;  // the short date, e.g. "2026/12/7"
    std::string time;  // hours, minutes and seconds, e.g. "14:03:05"
};

// The current date and time in the user's short date and time formats, taken from
// the C library under the user's LC_TIME (and only that: no other part of the
// program's locale changes). UTF-8.
ReportStamp current_report_stamp();

}  // namespace gp
