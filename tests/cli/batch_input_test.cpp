#include "batch_input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <variant>

#include "csv.h"
#include "pair_file.h"
#include "run_cli.h"

namespace gp {
namespace {

TEST(Csv, QuotedCellsKeepCommasQuotesAndLineBreaks) {
    const auto recs = csv::parse(
        "\xEF\xBB\xBF"
        "a,b\r\n\"1,5\",\"say \"\"hi\"\"\nthere\"\n x ,\n");
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[1].cells, (std::vector<std::string>{"1,5", "say \"hi\"\nthere"}));
    EXPECT_EQ(recs[2].cells, (std::vector<std::string>{" x ", ""}));
    EXPECT_EQ(recs[2].line, 4);
    EXPECT_EQ(csv::format_row(recs[1].cells), "\"1,5\",\"say \"\"hi\"\"\nthere\"\n");
}

TEST(BatchInput, ColumnsInAnyOrderAndSubset) {
    const auto rows = read_batch("dx,th1,zxja\ndx2,A\tB, 60 \n,,\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].input.rule, ShiftRule::EqualNoise);
    EXPECT_EQ(rows[0].input.th1, "A\tB");
    EXPECT_EQ(rows[0].input.zxja, " 60 ");
    EXPECT_EQ(rows[0].input.fmn, "");
    EXPECT_EQ(rows[1].input.rule, ShiftRule::EqualStrength);
}

TEST(BatchInput, BadFilesNameTheLine) {
    const std::pair<std::string, const char*> cases[] = {
        {"zxja,bogus\n1,2\n",
         "line 1: unknown column \"bogus\" (the batch tool reads only the form's and the rating's "
         "columns; the desktop program opens such a file and passes the column over)"},
        {"zxja,dx\n1,dx1\n2,dx3\n", "line 3: dx must be dx1 or dx2"},
        {"zxja,fmn\n1,2\n3\"x,4\n", "line 3: a quote inside an unquoted cell"},
        {"zxja,fmn\n1,\"2\n", "line 2: a quoted cell is not closed"},
        {"zxja,fmn\n1,2,3\n", "line 2: 3 cells where the header has 2"},
        {"zxja,zxja\n", "line 1: column \"zxja\" appears twice"},
        {"", "line 1: the header row is missing"},
    };
    for (const auto& [text, message] : cases) {
        try {
            read_batch(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const BatchInputError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

// The batch tool and the desktop program read a table through the same columns:
// the same pairs on the same lines from a good text; from a bad one a refusal
// naming the same line, the same from the streaming check as from the whole text.
TEST(BatchInput, ReadsEveryTableAsThePairFileReaderDoes) {
    const char* texts[] = {
        "dx,th1,zxja\ndx2,A\tB, 60 \n,,\n",
        "zxja,fmn\n1,2\n\n3,4\n",
        "zxja\n\n\n",
        "fmn,dx\n1,dx2\n2,\n3,dx1\n",
        "zxja,bogus\n1,2\n",
        "zxja,zxja\n1,2\n",
        "dx,dx\n",
        "zxja,fmn\n1,2\n3,4,5\n",
        "zxja,fmn\n1\n",
        "zxja,dx\n1,dx1\n\n2,dx3\n",
        "zxja,dx\n1,dx3\n2,3,4\n",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const auto file = read_pair_file(text);
        try {
            const auto rows = read_batch(text);
            ASSERT_TRUE(std::holds_alternative<PairFile>(file));
            const auto& pairs = std::get<PairFile>(file).rows;
            ASSERT_EQ(rows.size(), pairs.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                EXPECT_EQ(rows[i].line, pairs[i].line);
                EXPECT_EQ(write_pair_file(rows[i].input), write_pair_file(pairs[i].input));
            }
        } catch (const BatchInputError& e) {
            ASSERT_TRUE(std::holds_alternative<PairFileError>(file));
            const std::string line =
                "line " + std::to_string(std::get<PairFileError>(file).line) + ": ";
            EXPECT_EQ(std::string(e.what()).rfind(line, 0), 0u) << e.what();
            std::istringstream in(text);
            try {
                check_batch(in);
                ADD_FAILURE() << "the streaming check accepted it";
            } catch (const BatchInputError& streamed) {
                EXPECT_STREQ(streamed.what(), e.what());
            }
        }
    }
}

TEST(BatchTool, RefusesBadInputWithStatusTwoAndNoOutput) {
    const char* cases[] = {"geometry /nonexistent.csv", "bogus", "", "geometry a b c"};
    for (const char* args : cases) {
        const auto run = testing::run_cli(std::string(args) + " 2>/dev/null");
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    const auto bad_column = testing::run_cli("geometry 2>/dev/null <<'EOF'\nzxja,nope\n1,2\nEOF");
    EXPECT_EQ(bad_column.status, 2);
    EXPECT_EQ(bad_column.out, "");
}

TEST(BatchTool, HelpExplainsTheContract) {
    const auto run = testing::run_cli("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"geometry", "strength", "--report", "dx1", "status,message"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace gp
