#include "gbk.h"

#include <gtest/gtest.h>

namespace gp {
namespace {

// The same table on every system: the characters the golden reports hold (Chinese,
// full-width digits, Hangul, an emoji, a tab), the places where code pages differ
// and every kind of broken UTF-8.
TEST(Gbk, EncodesWhatItCanAndMarksTheRestWithOneQuestionMark) {
    const struct {
        std::string utf8;
        std::string gbk;
    } cases[] = {
        {"", ""},
        {"A\tB-7 0.25", "A\tB-7 0.25"},
        {"齿轮", "\xB3\xDD\xC2\xD6"},
        {"１２", "\xA3\xB1\xA3\xB2"},  // full-width digits
        {"(Kgm)", "(Kgm)"},
        {"图号한-1", "\xCD\xBC\xBA\xC5?-1"},  // Hangul is not in GBK
        {"TH😀-2", "TH?-2"},                   // nor is anything beyond the BMP
        {"😀😀", "??"},
        {"a\xFF"
         "b",
         "a?b"},  // not UTF-8 at all
        {"a\xE9\xBD"
         "b",
         "a?b"},              // a character cut short inside the text
        {"a\xE9\xBD", "a?"},  // ... and at its end
        // Where the code pages of the systems could part: every system writes these
        // bytes, the Windows code page 936 and the C library's GBK alike.
        {"€", "\x80"},              // the one single byte above ASCII
        {"kgf·m", "kgf\xA1\xA4m"},  // middle dot
        {"—―～", "\xA1\xAA\xA8\x44\xA1\xAB"},
        {"é×℃①　￥", "\xA8\xA6\xA1\xC1\xA1\xE6\xA2\xD9\xA1\xA1\xA3\xA4"},
        {"〜・À¥\u00A0", "?????"},             // no look-alike stands in for a missing character
        {"\uE000\uE5E5\uF8F5\uF8FF", "????"},  // the private-use area
        {std::string("1\0"
                     "2",
                     3),
         std::string("1\0"
                     "2",
                     3)},
        {"\xC0\x80", "??"},         // an over-long form: two stray bytes
        {"\xED\xA0\x80", "?"},      // a surrogate written as UTF-8
        {"\xF4\x90\x80\x80", "?"},  // beyond U+10FFFF
        {"\xE0\x80"
         "A",
         "?A"},                 // a lead with one continuation, cut short
        {"\xF0\x9F\x98", "?"},  // an emoji cut short at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbk_from_utf8(c.utf8), c.gbk) << c.utf8;
    }
}

TEST(Gbk, LongTextsConvertWhole) {
    std::string utf8, gbk;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "齿😀x";
        gbk += "\xB3\xDD?x";
    }
    EXPECT_EQ(gbk_from_utf8(utf8), gbk);
}

}  // namespace
}  // namespace gp
