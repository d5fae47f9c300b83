// Whole reports as one save appends them, byte for byte.
#include <gtest/gtest.h>

#include <functional>

#include "geometry_report.h"
#include "report_file_bytes.h"
#include "report_fixtures.h"
#include "saved_reports_expected.h"
#include "saved_text.h"
#include "strength_report.h"

namespace gp::testing {
namespace {

const ReportStamp kStamp{"2026/12/7", "14:03:05"};

struct SavedCase {
    const char* name;
    std::function<ReportDocument()> build;
    std::string_view expected;
    std::size_t lines;  // pushed items add to the 90, 51 or 53 lines
};

const SavedCase kCases[] = {
    {"geometry", [] { return build_geometry_report(geometry_form(), geometry_sheet(), kStamp); },
     kSavedGeometry, 91},
    {"jg1", [] { return build_strength_report(strength_form_jg1(), strength_sheet_jg1(), kStamp); },
     kSavedStrength1, 51},
    {"jg2", [] { return build_strength_report(strength_form_jg2(), strength_sheet_jg2(), kStamp); },
     kSavedStrength2, 53},
    {"jg3", [] { return build_strength_report(strength_form_jg3(), strength_sheet_jg3(), kStamp); },
     kSavedStrength3, 54},
};

std::size_t count_lines(const std::string& bytes) {
    std::size_t n = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++n;
    }
    return n;
}

TEST(SavedReports, AreExactlyTheExpectedBytes) {
    for (const SavedCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string actual = report_file_bytes(c.build());
        EXPECT_EQ(actual, saved_bytes(c.expected));
        EXPECT_EQ(count_lines(actual), c.lines);
        EXPECT_EQ(actual.find('\n'), actual.find("\r\n") + 1);  // no bare line feeds
    }
}

TEST(SavedReports, DateAndTimeAreOneBlankApartAtColumn50) {
    const std::string bytes = report_file_bytes(build_geometry_report(
        geometry_form(), geometry_sheet(), ReportStamp{"2026-12-07", "9:05"}));
    EXPECT_TRUE(bytes.ends_with(std::string(49 + 4, ' ') + "2026-12-07 9:05\r\n"));
}

}  // namespace
}  // namespace gp::testing
