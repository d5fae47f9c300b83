#include "gbk.h"

#include <gtest/gtest.h>

namespace gp {
namespace {

TEST(Gbk, EncodesWhatItCanAndMarksTheRestWithOneQuestionMark) {
    const struct {
        const char* utf8;
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
