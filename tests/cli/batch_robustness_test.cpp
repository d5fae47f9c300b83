// Whatever is typed into whatever field, every row ends in results or in one of the
// system's messages: no crash, no hang, no "nan" or "inf" among the texts.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

#include "batch_modes.h"
#include "csv.h"
#include "messages/base.h"

namespace gp {
namespace {

// Texts a user or a spreadsheet might leave in a field, good and bad.
const char* const kTexts[] = {
    "",     "0",   "-0",     "1",      "2",      "20",    "60",   "0.25", "-0.1", "14.5",
    "90",   "-20", "1e400",  "-1e400", "1e-400", "1e300", "1e15", "inf",  "nan",  "0x1A",
    "abc",  "1e",  "2,5",    " 3 ",    "\t",     "１２",  "1d2",  "-",    ".",    "1.5e2",
    "89.9", "45",  "0.0001", "1000",   "999999", "-60",   "3.5",  "40",   "0.76", "-0.5"};

TEST(BatchRobustness, RandomFormsEndInResultsOrTheSystemsMessages) {
    const std::set<std::string, std::less<>> messages(msg::kStopMessages.begin(),
                                                      msg::kStopMessages.end());
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts) - 1);
    std::uniform_int_distribution<int> coin(0, 3);
    std::vector<BatchRow> rows(3000);
    for (auto& row : rows) {
        // Mostly a sound pair with a few fields spoiled, sometimes anything at all.
        GearPairInput& in = row.input;
        in.zxja = "60", in.fmn = "2", in.fjafn = "20", in.lxjbt = "15", in.ckbw = "30";
        in.h0 = "1", in.c0 = "0.25", in.nj = "10", in.cs1z1 = "20", in.cs2z2 = "40";
        in.ess1 = in.ess2 = "-0.1", in.esi1 = in.esi2 = "-0.2", in.fr1 = in.fr2 = "0.05";
        in.cgyj1 = in.cgyj2 = "0.76", in.ck1 = in.ck2 = "30";
        const bool anything = coin(random) == 0;
        for (const auto& field : kInputFields) {
            if (anything || coin(random) == 0) in.*field.text = kTexts[pick(random)];
        }
        in.rule = coin(random) < 2 ? ShiftRule::EqualStrength : ShiftRule::EqualNoise;
    }
    for (auto write : {&write_geometry_table, &write_strength_table}) {
        std::ostringstream out;
        write(rows, out, true);
        const auto table = csv::parse(out.str());
        ASSERT_EQ(table.size(), rows.size() + 1);
        ASSERT_EQ(table[0].cells.back(), "detail");
        for (std::size_t r = 1; r < table.size(); ++r) {
            const auto& cells = table[r].cells;
            if (cells[0] == "stop") {
                EXPECT_TRUE(messages.count(cells[1])) << cells[1];
                // Every stop says why, in words and finite numbers.
                EXPECT_FALSE(cells.back().empty()) << "row " << r;
                EXPECT_EQ(cells.back().find("nan"), std::string::npos) << cells.back();
                EXPECT_EQ(cells.back().find("inf"), std::string::npos) << cells.back();
                continue;
            }
            EXPECT_TRUE(cells.back().empty()) << "row " << r;
            ASSERT_EQ(cells[0], "ok");
            for (const auto& cell : cells) {
                EXPECT_EQ(cell.find("nan"), std::string::npos) << "row " << r;
                EXPECT_EQ(cell.find("inf"), std::string::npos) << "row " << r;
            }
        }
    }
}

}  // namespace
}  // namespace gp
