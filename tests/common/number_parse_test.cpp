#include "number_parse.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "messages/base.h"
#include "stop.h"

namespace gp {
namespace {

// The lenient value of a number too large for a double: reading it is a fault.
constexpr double kTooLarge = std::numeric_limits<double>::infinity();

struct ParseCase {
    std::string text;
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
    // What a user really types. A Chinese input method in full-width mode gives
    // full-width digits, stop and minus: not numbers, so the check names them.
    {"１2", false, 0},
    {"2１", false, 2},
    {"2．5", false, 2},
    {"－5", false, 0},
    {",5", false, 0},
    {"+", false, 0},
    {"-0", true, 0},
    {"+0.0e0", true, 0},
    {"1e999", true, kTooLarge},
    {"-1e999", true, kTooLarge},
    // Control characters are neither blanks nor digits.
    {"5\r", false, 5},
    {"5\n", false, 5},
    {"\x01"
     "5",
     false, 0},
    {"\x7f", false, 0},
    {"５０", false, 0},
};

void expect_parse(const ParseCase& c) {
    EXPECT_EQ(is_numeric(c.text), c.numeric);
    if (c.lenient == kTooLarge) {
        EXPECT_THROW(lenient_parse(c.text), ArithmeticFault);
    } else {
        EXPECT_EQ(lenient_parse(c.text), c.lenient);
    }
}

TEST(NumberParse, IsNumericAndLenientParse) {
    for (const auto& c : kParseCases) {
        SCOPED_TRACE(c.text);
        expect_parse(c);
    }
    SCOPED_TRACE("a NUL inside the text ends nothing: the rest is still not a number");
    expect_parse({std::string("5\0"
                              "5",
                              3),
                  false, 5});
}

// Ten thousand characters, as a paste into one field might bring.
TEST(NumberParse, VeryLongTexts) {
    const std::string zeros(9999, '0');
    const ParseCase cases[] = {
        {"1" + zeros, true, kTooLarge},                // a number with 10,000 digits
        {zeros + "7", true, 7},                        // leading zeros
        {"0." + zeros.substr(1) + "1", true, 0},       // below the smallest double
        {std::string(10000, 'x'), false, 0},           // a drawing number in the wrong field
        {std::string(10000, ' '), false, 0},           // blanks only
        {"2.5" + std::string(9997, ' '), true, 2.5},   // trailing blanks
        {"2.5" + std::string(9997, 'x'), false, 2.5},  // trailing letters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.substr(0, 12)) + "... (" + std::to_string(c.text.size()) +
                     " characters)");
        expect_parse(c);
    }
}

// The parse reads every double back from its 17-digit text, and any decimal text
// as the C library does: correctly rounded, subnormals included, a range error
// below the smallest double giving a zero of the number's sign.
TEST(NumberParse, ReadsDecimalTextsAsTheCLibraryDoes) {
    std::mt19937_64 random(14);
    std::uniform_int_distribution<int> digit(0, 9), count(1, 25), exponent(-340, 320), coin(0, 3);
#ifdef __GLIBC__
    int compared = 0;
#endif
    for (int i = 0; i < 200000; ++i) {
        const auto bits = random();
        const double d = std::bit_cast<double>(bits);
        if (!std::isfinite(d)) continue;
        char buf[64];
        const auto end =
            std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific, 16).ptr;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(lenient_parse(std::string_view(buf, end - buf))),
                  bits)
            << std::string(buf, end);

        std::string text = coin(random) == 0 ? "-" : "";
        for (int n = count(random); n > 0; --n) text += char('0' + digit(random));
        if (coin(random) > 0) text.insert(text.size() - text.size() / 3, ".");
        if (coin(random) > 0) text += "e" + std::to_string(exponent(random));
#ifdef __GLIBC__
        const double expected = std::strtod(text.c_str(), nullptr);
        if (std::isinf(expected)) {
            EXPECT_THROW(lenient_parse(text), ArithmeticFault) << text;
        } else {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(lenient_parse(text)),
                      std::bit_cast<std::uint64_t>(expected))
                << text;
        }
        ++compared;
#endif
    }
#ifdef __GLIBC__
    EXPECT_GT(compared, 100000);
#endif
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
