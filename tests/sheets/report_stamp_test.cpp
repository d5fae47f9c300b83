#include "report_stamp.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <regex>

namespace gp {
namespace {

TEST(ReportStamp, TakesTheUsersTimeFormatsAndLeavesTheProgramsLocaleAlone) {
    unsetenv("LC_ALL");
    setenv("LC_TIME", "C.UTF-8", 1);  // a user locale other than the program's "C"
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const ReportStamp stamp = current_report_stamp();
    EXPECT_TRUE(std::regex_match(stamp.date, std::regex(R"(\d\d/\d\d/\d\d)"))) << stamp.date;
    EXPECT_TRUE(std::regex_match(stamp.time, std::regex(R"(\d\d:\d\d:\d\d)"))) << stamp.time;
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

}  // namespace
}  // namespace gp
