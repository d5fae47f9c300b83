// The batch tool agrees cell for cell with results computed independently.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "run_cli.h"
#include "same_cells.h"

namespace gp {
namespace {

void expect_same_table(const std::string& mode, const std::string& expected_file) {
    SCOPED_TRACE(mode);
    const auto run = testing::run_cli(mode + " " + testing::golden("cases.csv") + " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    testing::expect_same_cells(run.out, testing::read_file(testing::golden(expected_file)),
                               std::equal_to<std::string>());
}

TEST(GoldenTables, Geometry) { expect_same_table("geometry", "geometry.csv"); }
TEST(GoldenTables, Strength) { expect_same_table("strength", "strength.csv"); }

}  // namespace
}  // namespace gp
