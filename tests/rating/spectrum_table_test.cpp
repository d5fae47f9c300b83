// Spectrum tables: every fault named by its line and column with the program's
// words, and a spectrum written and read back unchanged.
#include "spectrum_table.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "messages/spectrum.h"

namespace gp::rating {
namespace {

namespace m = msg::spectrum;

struct Bad {
    const char* text;
    int line;
    const char* column;
    std::string says;
};

TEST(SpectrumTable, FaultsNameTheirRowAndColumn) {
    const Bad cases[] = {
        {"", 0, "", m::kNoHeader},
        {"T1,cycles\n", 1, "", m::kNoBins},
        {"T1,cycles\n\n,\n", 1, "", m::kNoBins},
        {"cycles\n5\n", 1, "T1", m::kNoTorqueColumn},
        {"T1,n1\n5,3\n", 1, "", m::kNoDurationColumn},
        {"T1,cycles,hours\n5,1,1\n", 1, "hours", m::kMixedDurations},
        {"T1,T1,cycles\n5,5,1\n", 1, "T1", m::repeated_column("T1")},
        {"T1,cycles\n100,1e6\n-5,1e6\n", 3, "T1", m::at_cell(3, 2, "T1", m::kTorqueNotPositive)},
        {"T1,cycles\n0,1e6\n", 2, "T1", m::kTorqueNotPositive},
        {"T1,hours\n100,-1\n", 2, "hours", m::at_cell(2, 1, "hours", m::kDurationNegative)},
        {"T1,cycles\n1O0,1e6\n", 2, "T1", m::not_a_number("1O0")},
        {"T1,cycles\n100,1e6次\n", 2, "cycles", m::not_a_number("1e6次")},
        {"T1,cycles\n100,inf\n", 2, "cycles", m::not_a_number("inf")},
        {"T1,cycles\n100,1e999\n", 2, "cycles", m::not_a_number("1e999")},
        {"T1,cycles\n100,\n", 2, "cycles", m::kEmptyCell},
        {"T1,cycles,n1\n100,1e6,0\n", 2, "n1", m::kSpeedNotPositive},
        {"T1,cycles,KHb\n100,1e6,0.9\n", 2, "KHb", m::kFactorBelowOne},
        {"T1,cycles\n100,1e6,7\n", 2, "", m::wider_than_header(3, 2)},
        {"T1,cycles\n\"100,1e6\n", 2, "", "CSV"},
    };
    for (const Bad& c : cases) {
        const auto got = read_spectrum(c.text);
        ASSERT_TRUE(std::holds_alternative<SpectrumError>(got)) << c.text;
        const SpectrumError& e = std::get<SpectrumError>(got);
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_EQ(e.column, c.column) << c.text;
        EXPECT_NE(e.message.find(c.says), std::string::npos) << c.text << " → " << e.message;
    }
}

TEST(SpectrumTable, WrittenAndReadBack) {
    LoadSpectrum s;
    s.kind = DurationKind::Hours;
    s.bins = {{25400.0, 0.1 + 0.2, std::nullopt, 1.31},
              {16100.000000000002, 12, 35.2, std::nullopt}};
    const auto back = std::get<LoadSpectrum>(read_spectrum(write_spectrum(s)));
    ASSERT_EQ(back.bins.size(), 2u);
    EXPECT_EQ(back.kind, DurationKind::Hours);
    for (std::size_t j = 0; j < 2; ++j) {
        EXPECT_EQ(back.bins[j].T1, s.bins[j].T1);
        EXPECT_EQ(back.bins[j].duration, s.bins[j].duration);
        EXPECT_EQ(back.bins[j].n1, s.bins[j].n1);
        EXPECT_EQ(back.bins[j].KHb, s.bins[j].KHb);
    }
    // A spreadsheet's extra columns, blanks and byte-order mark are no fault.
    const auto sheet = read_spectrum("\xEF\xBB\xBF note ,T1 ,cycles\r\nbig, 100 ,1e6\r\n,,\r\n");
    ASSERT_TRUE(std::holds_alternative<LoadSpectrum>(sheet));
    EXPECT_EQ(std::get<LoadSpectrum>(sheet).bins.size(), 1u);
}

}  // namespace
}  // namespace gp::rating
