#include "pair_file.h"

#include <gtest/gtest.h>

#include <random>

#include "gbk.h"

namespace gp {
namespace {

bool same(const GearPairInput& a, const GearPairInput& b) {
    for (const InputField& f : kInputFields) {
        if (a.*f.text != b.*f.text) return false;
    }
    return a.rule == b.rule;
}

// Any text a field can hold, the awkward ones for CSV included, survives a save.
TEST(PairFile, WhatIsWrittenReadsBackExactly) {
    const char* pieces[] = {"",     "60",  " 2.5 ", "-0.1", "B-1",  "8-7-7 HK",
                            "6级",  "a,b", "\"q\"", "x\ny", "\r\n", "\t",
                            "齿轮", "'",   "=1+1",  " ",    "，",   "1e400"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int n = 0; n < 500; ++n) {
        GearPairInput in;
        for (const InputField& f : kInputFields) {
            in.*f.text = std::string(pieces[pick(random)]) + pieces[pick(random)];
        }
        in.rule = n % 2 ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        const std::string bytes = write_pair_file(in);
        ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
        const auto read = read_pair_file(bytes);
        ASSERT_TRUE(std::holds_alternative<PairFile>(read)) << bytes;
        const auto& rows = std::get<PairFile>(read).rows;
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].line, 2);
        EXPECT_TRUE(same(rows[0].input, in)) << bytes;
    }
}

TEST(PairFile, HeaderNamesEveryFieldAndDx) {
    const std::string bytes = write_pair_file(GearPairInput{});
    EXPECT_EQ(bytes,
              "\xEF\xBB\xBFzxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,"
              "fr1,fr2,xng1,xng2,dpg1,dpg2,cgyj1,cgyj2,ck1,ck2,th1,th2,jd1,jd2,dx\r\n"
              ",,,,,,,,,,,,,,,,,,,,,,,,,,,,dx1\r\n");
    // Rating columns are written only when one of them is used: a pair without
    // rating inputs saves exactly as before they existed.
    EXPECT_EQ(write_pair_file(GearPairInput{}, RatingInputs{}), bytes);
    for (const RatingField& used : kRatingFields) {
        RatingInputs rating;
        rating.*used.text = "7";
        const std::string with = write_pair_file(GearPairInput{}, rating);
        // The hardness, shaft, modification and power-split columns come only
        // when one of them is used.
        std::string names = ",dx";
        for (const RatingField& f : kRatingFields) {
            if (!f.written_when_used || used.written_when_used) names += std::string(",") + f.name;
        }
        EXPECT_NE(with.find(names + "\r\n"), std::string::npos) << used.name;
        const auto read = read_pair_file(with);
        ASSERT_TRUE(std::holds_alternative<PairFile>(read));
        EXPECT_EQ(std::get<PairFile>(read).rows.at(0).rating, rating) << used.name;
    }
}

// What an older spreadsheet on a Chinese desktop saves: GBK without a mark.
TEST(PairFile, GbkFilesAreRecognisedAndReadAsTyped) {
    const std::string utf8 = "th1,jd2,zxja\r\n齿轮图号-1,6级精度,60\r\n";
    const std::string gbk = gbk_from_utf8(utf8);
    ASSERT_NE(gbk, utf8);
    const auto read = read_pair_file(gbk);
    ASSERT_TRUE(std::holds_alternative<PairFile>(read));
    const PairFile& file = std::get<PairFile>(read);
    EXPECT_EQ(file.encoding, TextEncoding::Gbk);
    ASSERT_EQ(file.rows.size(), 1u);
    EXPECT_EQ(file.rows[0].input.th1, "齿轮图号-1");
    EXPECT_EQ(file.rows[0].input.jd2, "6级精度");
    EXPECT_EQ(file.rows[0].input.zxja, "60");
    EXPECT_EQ(std::get<PairFile>(read_pair_file(utf8)).encoding, TextEncoding::Utf8);
}

TEST(PairFile, BadFilesNameTheProblemAndTheLine) {
    struct Case {
        std::string bytes;
        PairFileProblem problem;
        int line;
        std::string name;
    };
    const std::string long_cell(10'000, 'x');
    const Case cases[] = {
        {std::string("zxja\n1\0\n", 8), PairFileProblem::NotText, 1, ""},
        {"zxja\n\xFF\xFF\xFF\n", PairFileProblem::UnknownEncoding, 1, ""},
        {"\xEF\xBB\xBFzxja\n\xB3\xDD\n", PairFileProblem::UnknownEncoding, 1, ""},
        {"", PairFileProblem::NoHeader, 1, ""},
        {"zxja,bogus\n1,2\n", PairFileProblem::UnknownColumn, 1, "bogus"},
        {"zxja,ZXJA\n", PairFileProblem::UnknownColumn, 1, "ZXJA"},
        {"zxja,zxja\n1,2\n", PairFileProblem::DuplicateColumn, 1, "zxja"},
        {"zxja,fmn\n1,2\n3,4,5\n", PairFileProblem::WrongWidth, 3, ""},
        {"zxja,fmn\n1\n", PairFileProblem::WrongWidth, 2, ""},
        {"zxja,dx\n1,dx1\n\n2,dx3\n", PairFileProblem::BadOption, 4, "dx3"},
        {"zxja,fmn\n1,\"2\n", PairFileProblem::MalformedCsv, 2, ""},
        {"zxja,fmn\n\"1\"x,2\n", PairFileProblem::MalformedCsv, 2, ""},
        {"zxja,fmn\n1,2\"\n", PairFileProblem::MalformedCsv, 2, ""},
        {"th1,zxja\n\"a\nb\",1\n" + long_cell + ",2\n", PairFileProblem::CellTooLong, 4, ""},
    };
    for (const Case& c : cases) {
        const auto read = read_pair_file(c.bytes, 1000);
        ASSERT_TRUE(std::holds_alternative<PairFileError>(read)) << c.bytes.substr(0, 40);
        const PairFileError& e = std::get<PairFileError>(read);
        EXPECT_EQ(e.problem, c.problem) << c.bytes.substr(0, 40);
        EXPECT_EQ(e.line, c.line) << c.bytes.substr(0, 40);
        EXPECT_EQ(e.name, c.name) << c.bytes.substr(0, 40);
    }
    // A header only is a file without a pair, not a fault of the file.
    const auto header_only = read_pair_file("\xEF\xBB\xBFzxja,fmn,dx\r\n");
    ASSERT_TRUE(std::holds_alternative<PairFile>(header_only));
    EXPECT_TRUE(std::get<PairFile>(header_only).rows.empty());
    // Without a limit the batch tool takes cells of any length.
    EXPECT_TRUE(std::holds_alternative<PairFile>(read_pair_file("th1\n" + long_cell + "\n")));
}

TEST(PairFile, Utf8TestRefusesWhatIsNotUtf8) {
    EXPECT_TRUE(is_utf8(""));
    EXPECT_TRUE(is_utf8("abc 齿轮 \xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF", "a\x80"}) {
        EXPECT_FALSE(is_utf8(bad)) << bad;
    }
}

}  // namespace
}  // namespace gp

namespace gp {
namespace {

// Rating columns are carried beside the form, each cell as typed, in any order;
// the form reads as it would without them.
TEST(PairFile, RatingColumnsAreCarriedBesideTheForm) {
    std::string header = "zxja,dx", row = "60,dx2";
    for (auto f = kRatingFields.rbegin(); f != kRatingFields.rend(); ++f) {
        header += std::string(",") + f->name;
        row += std::string(",") + f->name + " text";
    }
    const auto read = read_pair_file(header + "\n" + row + "\n");
    ASSERT_TRUE(std::holds_alternative<PairFile>(read));
    const PairRow& got = std::get<PairFile>(read).rows.at(0);
    EXPECT_EQ(got.input.zxja, "60");
    EXPECT_EQ(got.input.rule, ShiftRule::EqualNoise);
    for (const RatingField& f : kRatingFields) {
        EXPECT_EQ(got.rating.*f.text, std::string(f.name) + " text");
    }
}

}  // namespace
}  // namespace gp
