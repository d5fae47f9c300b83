// What the printed reports look like beyond their columns: font sizes line by line,
// the title and the date-time line on paper.
#include <gtest/gtest.h>

#include <vector>

#include "geometry_report.h"
#include "report_fixtures.h"
#include "report_lines.h"
#include "strength_report.h"

namespace gp::testing {
namespace {

const ReportStamp kStamp{"2026/12/7", "14:03:05"};

std::vector<double> sizes_of(const ReportDocument& doc) {
    std::vector<double> sizes;
    for (const ReportLine& line : doc.lines) sizes.push_back(line.points);
    return sizes;
}

// Head lines, then each row with the gap after it (the last gap a full empty line), then the date.
std::vector<double> expected_sizes(std::vector<double> head, int rows, double row, double gap,
                                   double stamp) {
    for (int i = 0; i < rows; ++i) {
        head.push_back(row);
        head.push_back(i + 1 < rows ? gap : row);
    }
    head.push_back(stamp);
    return head;
}

TEST(PrintedReports, FontSizesLineByLine) {
    const std::vector<double> strength_head = {13, 13, 16, 16, 13, 13};
    struct Case {
        const char* name;
        ReportDocument doc;
        std::vector<double> sizes;
        const char* title;
    } cases[] = {
        {"geometry", build_geometry_report(geometry_form(), geometry_sheet(), kStamp),
         expected_sizes({10, 16, 10, 13, 11}, 42, 13, 0.3, 9), "齿  轮  计  算  单"},
        {"jg1", build_strength_report(strength_form_jg1(), strength_sheet_jg1(), kStamp),
         expected_sizes(strength_head, 22, 13, 3, 11), "齿 轮 强 度 计 算 单"},
        {"jg2", build_strength_report(strength_form_jg2(), strength_sheet_jg2(), kStamp),
         expected_sizes(strength_head, 23, 13, 3, 11), "齿  轮  强  度  计  算  单"},
        {"jg3", build_strength_report(strength_form_jg3(), strength_sheet_jg3(), kStamp),
         expected_sizes(strength_head, 23, 13, 3, 11), "齿  轮  强  度  计  算  单"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sizes_of(c.doc), c.sizes);
        EXPECT_EQ(c.doc.title, c.title);
    }
}

// Only the geometry sheet puts two blanks between date and time on paper; the
// strength sheets print what they save.
TEST(PrintedReports, TheDateTimeLineOnPaperAndInTheFile) {
    const struct {
        const char* name;
        ReportDocument doc;
        const char* on_paper;
    } cases[] = {
        {"geometry", build_geometry_report(geometry_form(), geometry_sheet(), kStamp),
         "    2026/12/7  14:03:05"},
        {"jg1", build_strength_report(strength_form_jg1(), strength_sheet_jg1(), kStamp),
         "    2026/12/7 14:03:05"},
        {"jg3", build_strength_report(strength_form_jg3(), strength_sheet_jg3(), kStamp),
         "    2026/12/7 14:03:05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const ReportMedium medium : {ReportMedium::Paper, ReportMedium::File}) {
            const auto items = items_on(c.doc.lines.back(), medium);
            ASSERT_EQ(items.size(), 1u);
            EXPECT_EQ(items[0].column, 50);
            EXPECT_EQ(items[0].text,
                      medium == ReportMedium::Paper ? c.on_paper : "    2026/12/7 14:03:05");
        }
    }
}

}  // namespace
}  // namespace gp::testing
