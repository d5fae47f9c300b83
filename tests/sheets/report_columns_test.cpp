#include "report_columns.h"

#include <gtest/gtest.h>

namespace gp {
namespace {

using Lines = std::vector<std::vector<ReportItem>>;

double bytes(const std::string& text) { return double(text.size()); }

// Every character is one and a half columns wide, as a wide font might draw it.
double wide(const std::string& text) { return 1.5 * double(text.size()); }

TEST(ColumnRule, BreaksOnlyWhenAColumnHasBeenPassed) {
    const std::string c26(26, 'x'), c27(27, 'x');
    const struct {
        const char* what;
        std::vector<ReportItem> items;
        ColumnMeasure measure;
        Lines expected;
    } cases[] = {
        {"no items: one empty line", {}, bytes, Lines(1)},
        {"fits", {{38, "2.5"}, {64, "2.5"}}, bytes, {{{38, "2.5"}, {64, "2.5"}}}},
        {"ends at column 63", {{38, c26}, {64, "B"}}, bytes, {{{38, c26}, {64, "B"}}}},
        {"reaches column 64", {{38, c27}, {64, "B"}}, bytes, {{{38, c27}}, {{64, "B"}}}},
        {"an empty text still moves", {{38, c27}, {64, ""}}, bytes, {{{38, c27}}, {{64, ""}}}},
        {"an empty text takes no room", {{38, ""}, {38, "A"}}, bytes, {{{38, ""}, {38, "A"}}}},
        {"breaks again and again",
         {{1, c27}, {10, "a"}, {20, c27}, {30, "b"}},
         bytes,
         {{{1, c27}}, {{10, "a"}, {20, c27}}, {{30, "b"}}}},
        // 18 characters of 1.5 columns end exactly at column 64's edge; 18 one more
        // column along pass it.
        {"drawn width at the edge",
         {{37, c26.substr(0, 18)}, {64, "B"}},
         wide,
         {{{37, c26.substr(0, 18)}, {64, "B"}}}},
        {"drawn width past the edge",
         {{38, c26.substr(0, 18)}, {64, "B"}},
         wide,
         {{{38, c26.substr(0, 18)}}, {{64, "B"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Lines actual = place_at_columns(c.items, c.measure);
        ASSERT_EQ(actual.size(), c.expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            ASSERT_EQ(actual[i].size(), c.expected[i].size()) << "line " << i;
            for (std::size_t j = 0; j < actual[i].size(); ++j) {
                EXPECT_EQ(actual[i][j].column, c.expected[i][j].column);
                EXPECT_EQ(actual[i][j].text, c.expected[i][j].text);
            }
        }
    }
}

}  // namespace
}  // namespace gp
