#include "pair_file_row.h"

#include <gtest/gtest.h>

#include <tuple>

#include "gbk.h"

namespace gp {
namespace {

// What cannot go back into its row is refused with what is in the way, never
// dropped. (Rows that can are saved through the desktop program's pair-file test
// and the pair-file fuzz target.)
TEST(PairFileRow, RefusesWhatTheFileCannotHold) {
    const std::string file = "th1,zxja\r\n齿轮,60\r\nB,61\r\n";
    using P = PairRowProblem;
    const std::tuple<std::string, int, const char*, const char*, P::Kind, std::vector<std::string>>
        cases[] = {
            {file, 2, "nj", "10", P::MissingColumns, {"nj"}},
            {file, 2, "dx", "dx2", P::MissingColumns, {"dx"}},
            {gbk_from_utf8(file),
             2,
             "th1",
             "齿\U0001F600\u20A9",
             P::NotEncodable,
             {"\U0001F600", "\u20A9"}},
            {file, 4, "zxja", "60", P::NoSuchRow, {}},
            {file + "\"", 2, "zxja", "60", P::NotAPairFile, {}},
        };
    for (const auto& [bytes, line, field, text, kind, items] : cases) {
        GearPairInput in;
        in.th1 = "齿轮";
        in.zxja = "60";
        if (std::string(field) == "dx") {
            in.rule = ShiftRule::EqualNoise;
        } else {
            in.*find_input_field(field)->text = text;
        }
        const auto out = replace_pair_row(bytes, line, in);
        ASSERT_TRUE(std::holds_alternative<PairRowProblem>(out)) << text;
        EXPECT_EQ(std::get<PairRowProblem>(out).kind, kind) << text;
        EXPECT_EQ(std::get<PairRowProblem>(out).items, items) << text;
    }
}

}  // namespace
}  // namespace gp
