#include "report_stamp.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "system_clock.h"

namespace gp {
namespace {

// One afternoon and one morning moment, in the formats a locale's name selects and
// in formats as a desktop system's settings spell them.
TEST(ReportStamp, WritesAMomentInTheFormatsOfTheLocale) {
    const LocalTime afternoon{2026, 12, 7, 14, 3, 5};
    const LocalTime morning{2031, 1, 2, 0, 9, 30};
    const struct {
        StampFormats formats;
        LocalTime when;
        ReportStamp stamp;
    } cases[] = {
        {stamp_formats_of_locale("zh_CN.UTF-8"), afternoon, {"2026/12/7", "14:03:05"}},
        {stamp_formats_of_locale("zh_CN.GBK"), morning, {"2031/1/2", "0:09:30"}},
        {stamp_formats_of_locale("zh_SG"), afternoon, {"2026/12/7", "14:03:05"}},
        {stamp_formats_of_locale("zh"), afternoon, {"2026/12/7", "14:03:05"}},
        {stamp_formats_of_locale("C"), morning, {"2031-01-02", "00:09:30"}},
        {stamp_formats_of_locale("C.UTF-8"), afternoon, {"2026-12-07", "14:03:05"}},
        {stamp_formats_of_locale("en_US.UTF-8"), afternoon, {"2026-12-07", "14:03:05"}},
        {stamp_formats_of_locale("zu_ZA"), afternoon, {"2026-12-07", "14:03:05"}},
        {stamp_formats_of_locale(""), afternoon, {"2026-12-07", "14:03:05"}},
        {{"M/d/yy", "h:mm:ss tt"}, afternoon, {"12/7/26", "2:03:05 PM"}},
        {{"dd.MM.yyyy", "hh:mm:ss t"}, morning, {"02.01.2031", "12:09:30 AM"}},
        {{"d 'de' MMMM", "H'h'mm''ss", "上午", "下午"}, afternoon, {"7 de 12", "14h03'05"}},
        {{"yyyy/M/d", "tt h:mm:ss", "上午", "下午"}, morning, {"2031/1/2", "上午 12:09:30"}},
    };
    for (const auto& c : cases) {
        const ReportStamp stamp = format_report_stamp(c.when, c.formats);
        EXPECT_EQ(stamp.date, c.stamp.date) << c.formats.date;
        EXPECT_EQ(stamp.time, c.stamp.time) << c.formats.time;
    }
}

TEST(ReportStamp, ReadsOnlyRealMomentsOfTheCalendar) {
    const auto t = parse_local_time("2028-02-29 23:59:59");
    ASSERT_TRUE(t);
    EXPECT_EQ((std::array{t->year, t->month, t->day, t->hour, t->minute, t->second}),
              (std::array{2028, 2, 29, 23, 59, 59}));
    EXPECT_TRUE(parse_local_time("2026-12-07T14:03:05"));
    for (const char* bad : {"", "2026-12-07", "2026-12-07 14:03", "2027-02-29 10:00:00",
                            "2026-13-01 10:00:00", "2026-12-00 10:00:00", "2026-12-07 24:00:00",
                            "2026-12-07 14:60:00", "2026-12-07 14:03:60", "2026/12/07 14:03:05",
                            "2026-12-07 14:03:05 ", "+026-12-07 14:03:05"}) {
        EXPECT_FALSE(parse_local_time(bad)) << bad;
    }
}

// The clock of both programs: a fixed moment shows exactly that moment, the
// running clock a date and time of the same shape.
TEST(ReportStamp, SystemClockFixedAndRunning) {
    SystemClock fixed(LocalTime{2026, 12, 7, 14, 3, 5});
    SystemClock running;
    const ReportStamp a = fixed.now(), b = running.now();
    const std::regex digits_and_signs(R"([0-9][0-9/.\-]*[0-9])");
    for (const std::string* text : {&a.date, &b.date}) {
        EXPECT_TRUE(std::regex_search(*text, digits_and_signs)) << *text;
    }
    EXPECT_NE(a.date.find("7"), std::string::npos) << a.date;
    EXPECT_NE(a.time.find("03"), std::string::npos) << a.time;
    EXPECT_NE(a.time.find("05"), std::string::npos) << a.time;
    EXPECT_EQ(b.time.size() >= 7, true) << b.time;
}

}  // namespace
}  // namespace gp
