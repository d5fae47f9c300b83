// Saved reports of the batch tool against independently produced ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
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

// The date-time line: column 50, four blanks, the date, one blank, the time. Its
// texts follow the clock, so only its shape is compared.
const std::regex kStampLine(" {53}[^ ]+ [^ ].*");
const std::string kGoldenStamp = std::string(53, ' ') + "2026/12/7 14:03:05";

void expect_same_reports(const std::string& mode, const std::string& expected_file) {
    setenv("LC_ALL", "C", 1);  // short and blank-free date and time forms
    const auto run = testing::run_cli(mode + " --report " + testing::golden("report-cases.csv") +
                                      " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    const auto actual = file_lines(run.out);
    const auto expected = file_lines(testing::read_file(testing::golden(expected_file)));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(actual.size(), expected.size());
    int mismatches = 0;
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        const bool same = expected[i] == kGoldenStamp ? std::regex_match(actual[i], kStampLine)
                                                      : actual[i] == expected[i];
        if (!same && ++mismatches <= 20) {
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
