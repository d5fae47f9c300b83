// The batch tool agrees cell for cell with results computed independently.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "csv.h"
#include "run_cli.h"

namespace gp {
namespace {

void expect_same_table(const std::string& mode, const std::string& expected_file) {
    const auto run = testing::run_cli(mode + " " + testing::golden("cases.csv") + " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    const auto actual = csv::parse(run.out);
    const auto expected = csv::parse(testing::read_file(testing::golden(expected_file)));
    ASSERT_EQ(actual.size(), expected.size());
    const auto& head = expected.front().cells;
    EXPECT_EQ(actual.front().cells, head);
    int mismatches = 0;
    for (std::size_t r = 1; r < expected.size(); ++r) {
        ASSERT_EQ(actual[r].cells.size(), head.size()) << "row " << r;
        for (std::size_t c = 0; c < head.size(); ++c) {
            if (actual[r].cells[c] == expected[r].cells[c]) continue;
            if (++mismatches <= 40) {
                ADD_FAILURE() << mode << " row " << r << " (line " << r + 1 << " of cases.csv) "
                              << head[c] << ": got '" << actual[r].cells[c] << "', expected '"
                              << expected[r].cells[c] << "'";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GoldenTables, Geometry) { expect_same_table("geometry", "geometry.csv"); }
TEST(GoldenTables, Strength) { expect_same_table("strength", "strength.csv"); }

}  // namespace
}  // namespace gp
