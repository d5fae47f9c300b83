#include "pair_file_row.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gbk.h"
#include "pair_file.h"

namespace gp {
namespace {

// The lines of a file, each with its own line end.
std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size() - 1) + 1;
        out.push_back(bytes.substr(at, end - at));
        at = end;
    }
    return out;
}

const PairFile& file_of(const std::variant<PairFile, PairFileError>& read) {
    return std::get<PairFile>(read);
}

// Five pairs in a file of the user's own making: a few columns in their own order,
// a quoted cell running over two lines, a blank line, no line end at the very end.
// Row k is edited and saved back; every line outside it keeps its bytes, whatever
// the encoding and the line end, and the file reads back with only that pair changed.
TEST(PairFileRow, EditingOneRowKeepsEveryOtherLine) {
    const std::string utf8 =
        "th1,zxja,jd1,fmn,dx,xng1\n"
        "主动轮-1,60,8级,2,dx1,0.1\n"
        "主动轮-2,61,\"7级,\n精密\",2.5,,\n"
        "\n"
        "\"B\"\"3\",\"62\",6级,3,dx2,-0.2\n"
        "B-4,63,,4,dx1,\n"
        "B-5,64,8-7-7 HK,5,dx2,0";
    for (const bool gbk : {false, true}) {
        for (const bool crlf : {false, true}) {
            std::string text = utf8;
            if (crlf) {
                for (std::size_t p = 0; (p = text.find('\n', p)) != std::string::npos; p += 2)
                    text.insert(p, "\r");
            }
            const std::string bytes = gbk ? gbk_from_utf8(text) : text;
            const PairFile before = file_of(read_pair_file(bytes));
            ASSERT_EQ(before.rows.size(), 5u);
            for (const PairRow& row : before.rows) {
                const std::string at = std::to_string(row.line) + (gbk ? " GBK" : " UTF-8") +
                                       (crlf ? " CRLF" : " LF");
                // Unchanged, the file is saved byte for byte as it was.
                const auto same = replace_pair_row(bytes, row.line, row.input);
                ASSERT_EQ(std::get<std::string>(same), bytes) << at;

                GearPairInput edited = row.input;
                edited.th1 = "新图号,\"" + std::to_string(row.line) + "\"";
                edited.zxja = "59.5";
                edited.rule = ShiftRule::EqualNoise;
                const auto saved = replace_pair_row(bytes, row.line, edited);
                ASSERT_TRUE(std::holds_alternative<std::string>(saved)) << at;
                const std::string& after = std::get<std::string>(saved);

                auto old_lines = lines_of(bytes), new_lines = lines_of(after);
                const auto span = 1 + std::count(row.input.jd1.begin(), row.input.jd1.end(), '\n');
                const auto first = old_lines.begin() + (row.line - 1);
                ASSERT_EQ(old_lines.size(), new_lines.size()) << at;
                EXPECT_NE(*first, new_lines[row.line - 1]) << at;
                old_lines.erase(first, first + span);
                new_lines.erase(new_lines.begin() + (row.line - 1),
                                new_lines.begin() + (row.line - 1 + span));
                EXPECT_EQ(old_lines, new_lines) << at;

                const PairFile back = file_of(read_pair_file(after));
                EXPECT_EQ(back.encoding, before.encoding) << at;
                ASSERT_EQ(back.rows.size(), 5u);
                for (std::size_t r = 0; r < 5; ++r) {
                    const GearPairInput& expected =
                        before.rows[r].line == row.line ? edited : before.rows[r].input;
                    for (const InputField& f : kInputFields) {
                        EXPECT_EQ(back.rows[r].input.*f.text, expected.*f.text) << at << f.name;
                    }
                    EXPECT_EQ(back.rows[r].input.rule, expected.rule) << at;
                }
            }
        }
    }
}

// What cannot go back into the row is said, never dropped.
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
        {utf8, 2, &GearPairInput::nj, "10", ShiftRule::EqualStrength,
         PairRowProblem::MissingColumns, {"nj"}},
        {utf8, 2, &GearPairInput::zxja, "60", ShiftRule::EqualNoise,
         PairRowProblem::MissingColumns, {"dx"}},
        {gbk_from_utf8(utf8), 2, &GearPairInput::th1, "齿轮\xF0\x9F\x98\x80\xE2\x82\xA9",
         ShiftRule::EqualStrength, PairRowProblem::NotEncodable,
         {"\xF0\x9F\x98\x80", "\xE2\x82\xA9"}},
        {utf8, 4, &GearPairInput::zxja, "60", ShiftRule::EqualStrength, PairRowProblem::NoSuchRow,
         {}},
        {utf8 + "\"", 2, &GearPairInput::zxja, "60", ShiftRule::EqualStrength,
         PairRowProblem::NotAPairFile, {}},
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
