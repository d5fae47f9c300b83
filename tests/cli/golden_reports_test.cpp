// Saved reports of the batch tool against independently produced ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "run_cli.h"

namespace gp {
namespace {

// The CR LF lines of a report file; a line break inside a line (a bare LF) would
// show up as a mismatch.
std::vector<std::string> file_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2) {
        lines.push_back(bytes.substr(from, at - from));
    }
    if (from != bytes.size()) lines.push_back(bytes.substr(from));  // an unterminated tail
    return lines;
}

// The golden reports are stamped 2026/12/7 14:03:05, as a Chinese system writes that
// moment; a fixed clock and a Chinese locale make every byte comparable.
void expect_same_reports(const std::string& mode, const std::string& expected_file) {
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    const auto run = testing::run_cli(mode + " --report --time '2026-12-07 14:03:05' " +
                                      testing::golden("report-cases.csv") + " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    const auto actual = file_lines(run.out);
    const auto expected = file_lines(testing::read_file(testing::golden(expected_file)));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(actual.size(), expected.size());
    int mismatches = 0;
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (actual[i] != expected[i] && ++mismatches <= 20) {
            ADD_FAILURE() << mode << " line " << i + 1 << " of " << expected_file << ": got '"
                          << actual[i] << "', expected '" << expected[i] << "'";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GoldenReports, Geometry) { expect_same_reports("geometry", "reports-geometry.txt"); }
TEST(GoldenReports, Strength) { expect_same_reports("strength", "reports-strength.txt"); }

TEST(GoldenReports, RowsThatStopAreNamedOnStandardError) {
    const auto run =
        testing::run_cli("strength --report - 2>&1 >/dev/null <<'EOF'\nnj,zxja\n,1\n12x,1\nEOF");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "line 2: 您没有输入扭矩参数，请输入\nline 3: 您输入的参数里含有字母或符号，请修改\n");
}

}  // namespace
}  // namespace gp
