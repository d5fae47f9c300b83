#include "pair_file_row.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace gp {
namespace {

// What cannot go back into the row is said, never dropped. (Rows that can are saved
// through the desktop program's pair-file test and the pair-file fuzz target.)
TEST(PairFileRow, RefusesWhatTheFileCannotHold) {
    const std::string utf8 = "th1,zxja\r\n齿轮,60\r\nB,61\r\n";
    GearPairInput typed;
    typed.th1 = "齿轮";
    typed.zxja = "60";
    const struct {
        std::string bytes;
        int line;
        std::string GearPairInput::*field;
        std::string text;
        ShiftRule rule;
        PairRowProblem::Kind kind;
        std::vector<std::string> items;
    } cases[] = {
        {utf8,
         2,
         &GearPairInput::nj,
         "10",
         ShiftRule::EqualStrength,
         PairRowProblem::MissingColumns,
         {"nj"}},
        {utf8,
         2,
         &GearPairInput::zxja,
         "60",
         ShiftRule::EqualNoise,
         PairRowProblem::MissingColumns,
         {"dx"}},
        {gbk_from_utf8(utf8),
         2,
         &GearPairInput::th1,
         "齿轮\xF0\x9F\x98\x80\xE2\x82\xA9",
         ShiftRule::EqualStrength,
         PairRowProblem::NotEncodable,
         {"\xF0\x9F\x98\x80", "\xE2\x82\xA9"}},
        {utf8,
         4,
         &GearPairInput::zxja,
         "60",
         ShiftRule::EqualStrength,
         PairRowProblem::NoSuchRow,
         {}},
        {utf8 + "\"",
         2,
         &GearPairInput::zxja,
         "60",
         ShiftRule::EqualStrength,
         PairRowProblem::NotAPairFile,
         {}},
    };
    for (const auto& c : cases) {
        GearPairInput in = typed;
        in.*c.field = c.text;
        in.rule = c.rule;
        const auto out = replace_pair_row(c.bytes, c.line, in);
        ASSERT_TRUE(std::holds_alternative<PairRowProblem>(out)) << c.text;
        EXPECT_EQ(std::get<PairRowProblem>(out).kind, c.kind) << c.text;
        EXPECT_EQ(std::get<PairRowProblem>(out).items, c.items) << c.text;
    }
}

}  // namespace
}  // namespace gp
