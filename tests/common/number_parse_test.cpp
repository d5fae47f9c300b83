#include "number_parse.h"

#include <gtest/gtest.h>

#include "messages.h"
#include "stop.h"

namespace gp {
namespace {

struct ParseCase {
    const char* text;
    bool numeric;
    double lenient;
};

const ParseCase kParseCases[] = {
    {"", false, 0},
    {"2.5", true, 2.5},
    {"  2.5\t", true, 2.5},
    {"-3", true, -3},
    {"+.5", true, 0.5},
    {"5.", true, 5},
    {".", false, 0},
    {"-", false, 0},
    {"- 5", false, 0},
    {"1e3", true, 1000},
    {"1E-2", true, 0.01},
    {"1e", false, 1},
    {"1e+", false, 1},
    {"1d2", false, 1},
    {"2,5", false, 2},
    {"1,000", false, 1},
    {"inf", false, 0},
    {"nan", false, 0},
    {"0x1A", false, 0},
    {"１２", false, 0},
    {"12abc", false, 12},
    {"abc12", false, 0},
    {"\t-0.25e1 ", true, -2.5},
    {"1 2", false, 1},
    {"0.1", true, 0.1},
    {"1e-400", true, 0},
};

TEST(NumberParse, IsNumericAndLenientParse) {
    for (const auto& c : kParseCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(is_numeric(c.text), c.numeric);
        EXPECT_EQ(lenient_parse(c.text), c.lenient);
    }
}

TEST(NumberParse, TooLargeForADoubleIsAnArithmeticFault) {
    EXPECT_THROW(lenient_parse("1e400"), ArithmeticFault);
    EXPECT_THROW(lenient_parse("-1e400xyz"), ArithmeticFault);
    EXPECT_THROW(strict_convert("1e400"), ArithmeticFault);
}

TEST(NumberParse, StrictConversionNamesTheFault) {
    EXPECT_EQ(strict_convert(" 20 "), 20);
    const std::pair<const char*, const char*> failures[] = {{"", msg::kIncomplete},
                                                            {"abc", msg::kLettersOrSymbols},
                                                            {"20°", msg::kLettersOrSymbols},
                                                            {" ", msg::kLettersOrSymbols}};
    for (const auto& [text, message] : failures) {
        try {
            strict_convert(text);
            ADD_FAILURE() << "no stop for '" << text << "'";
        } catch (const StopSignal& s) {
            EXPECT_EQ(s.message, message) << text;
        }
    }
}

}  // namespace
}  // namespace gp
