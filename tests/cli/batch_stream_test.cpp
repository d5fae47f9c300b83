// The batch tool read a block at a time and computed on several threads writes the
// very bytes of the whole-file, one-thread run: every golden case, every block
// boundary, every thread count.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "batch_run.h"
#include "csv.h"
#include "run_cli.h"

namespace gp {
namespace {

const ReportStamp kGoldenStamp{"2026/12/7", "14:03:05"};

std::string golden_text(const char* name) { return testing::read_file(testing::golden(name)); }

// What the reader makes of a text read from a stream in blocks of `block` bytes:
// the records, or the fault, as one text.
std::string records_of_stream(const std::string& text, std::size_t block, std::string* copy) {
    std::istringstream in(text);
    std::ostringstream copied;
    csv::Reader reader(in, &copied, block);
    std::string out;
    try {
        csv::Record rec;
        while (reader.next(rec)) {
            out += std::to_string(rec.line) + ":";
            out += csv::format_row(rec.cells);
        }
    } catch (const csv::ParseError& e) {
        out = e.what();
    }
    if (copy) *copy = copied.str();
    return out;
}

std::string records_of_text(const std::string& text) {
    std::string out;
    try {
        for (const auto& rec : csv::parse(text)) {
            out += std::to_string(rec.line) + ":";
            out += csv::format_row(rec.cells);
        }
    } catch (const csv::ParseError& e) {
        out += e.what();
    }
    return out;
}

TEST(BatchStream, RecordsAreTheSameWhereverTheBlocksEnd) {
    const std::string texts[] = {
        golden_text("cases.csv"),
        golden_text("report-cases.csv"),
        "\xEF\xBB\xBF"
        "a,b\r\n\"1,5\",\"say \"\"hi\"\"\r\nthere\"\r\n x\ry ,\r\r\n\n,\n",
        "\xEF\xBB",
        "a,\"b\"\"\"\r",
        "a,b\n1,\"2\n",
        "a,b\n1,\"2\"x\n",
        "a,b\n1,2\"\n",
    };
    for (const std::string& text : texts) {
        const std::string expected = records_of_text(text);
        for (const std::size_t block : {1, 2, 3, 5, 7, 64, 4093, 65536}) {
            std::string copy;
            EXPECT_EQ(records_of_stream(text, block, &copy), expected) << "block " << block;
            const bool faulty = expected.rfind("line ", 0) == 0;  // read only up to the fault
            if (!faulty) {
                EXPECT_EQ(copy, text) << "block " << block;
            }
        }
    }
}

// read_batch's fault for a text, or "" when it has none.
std::string fault_of_text(const std::string& text) {
    try {
        read_batch(text);
    } catch (const BatchInputError& e) {
        return e.what();
    }
    return "";
}

std::string fault_of_stream(const std::string& text) {
    std::istringstream in(text);
    try {
        check_batch(in);
    } catch (const BatchInputError& e) {
        return e.what();
    }
    return "";
}

TEST(BatchStream, TheCheckFindsTheFaultTheWholeFileReadingFinds) {
    const std::string texts[] = {
        "",
        "zxja,bogus\n1,2\n",
        "zxja,dx\n1,dx1\n2,dx3\n",
        "zxja,dx\n1,dx1\n2,dx3\n3,\"x\n",  // malformed CSV further on comes first
        "zxja,bogus\n1,2\n3\"\n",
        "zxja,fmn\n1,2,3\n\n4,5\n",
        "zxja,fmn\n\n1,2\n",
        "zxja\n\n1\n",
        "zxja,zxja\n",
        "zxja,\"fmn\"x\n",
        golden_text("cases.csv"),
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(fault_of_stream(text), fault_of_text(text)) << text.substr(0, 40);
    }
}

// Every row's texts for one way of running.
struct Output {
    std::string out, err;
    bool operator==(const Output&) const = default;
};

Output run_rows(const BatchMode& mode, const std::vector<BatchRow>& rows, int jobs) {
    std::ostringstream out, err;
    out << mode.head;
    write_rows(mode, rows, jobs, out, err);
    return {out.str(), err.str()};
}

// The cells of a table, whatever its line breaks.
std::vector<std::vector<std::string>> cells_of(const std::string& table) {
    std::vector<std::vector<std::string>> cells;
    for (auto& rec : csv::parse(table)) cells.push_back(std::move(rec.cells));
    return cells;
}

TEST(BatchStream, EveryThreadCountWritesTheGoldenTexts) {
    const auto cases = read_batch(golden_text("cases.csv"));
    const auto report_cases = read_batch(golden_text("report-cases.csv"));
    // The golden tables end their lines in CR LF, the tool in LF; the golden reports
    // are the very bytes.
    const struct {
        BatchMode mode;
        const std::vector<BatchRow>& rows;
        const char* golden;
        bool table;
    } runs[] = {
        {geometry_table(), cases, "geometry.csv", true},
        {strength_table(), cases, "strength.csv", true},
        {geometry_reports(kGoldenStamp), report_cases, "reports-geometry.txt", false},
        {strength_reports(kGoldenStamp), report_cases, "reports-strength.txt", false},
    };
    for (const auto& run : runs) {
        const Output serial = run_rows(run.mode, run.rows, 1);
        if (run.table) {
            EXPECT_TRUE(cells_of(serial.out) == cells_of(golden_text(run.golden))) << run.golden;
        } else {
            EXPECT_TRUE(serial.out == golden_text(run.golden)) << run.golden;
        }
        for (const int jobs : {2, 3, 8}) {
            EXPECT_TRUE(run_rows(run.mode, run.rows, jobs) == serial)
                << run.golden << " on " << jobs << " threads";
        }
    }
}

// Generates the header and `copies` times the golden cases, without holding them.
class RepeatedCases : public std::streambuf {
  public:
    RepeatedCases(std::string header, std::string body, int copies)
        : header_(std::move(header)), body_(std::move(body)), left_(copies) {
        setg(header_.data(), header_.data(), header_.data() + header_.size());
    }

  protected:
    int_type underflow() override {
        if (left_ == 0) return traits_type::eof();
        --left_;
        setg(body_.data(), body_.data(), body_.data() + body_.size());
        return traits_type::to_int_type(body_[0]);
    }

  private:
    std::string header_, body_;
    int left_;
};

// Compares everything written to it with the head and `copies` times the same
// rows, keeping nothing.
class RepeatedTable : public std::streambuf {
  public:
    RepeatedTable(std::string head, std::string rows) : head_(std::move(head)), rows_(rows) {}
    std::size_t mismatches() const { return mismatches_; }
    std::size_t written() const { return written_; }

  protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i) put(s[i]);
        return n;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) put(traits_type::to_char_type(c));
        return c;
    }

  private:
    void put(char c) {
        const char expected = written_ < head_.size()
                                  ? head_[written_]
                                  : rows_[(written_ - head_.size()) % rows_.size()];
        if (c != expected) ++mismatches_;
        ++written_;
    }
    std::string head_, rows_;
    std::size_t written_ = 0, mismatches_ = 0;
};

long peak_resident_kib() {
#if defined(__linux__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

TEST(BatchStream, FiftyThousandRowsPassThroughAFewChunksOfMemory) {
    const std::string text = golden_text("cases.csv");
    const std::size_t body_at = text.find('\n') + 1;
    const BatchMode mode = geometry_table();
    const Output once = run_rows(mode, read_batch(text), 1);
    constexpr int kCopies = 125;  // 50,000 rows, 6 MB in and 24 MB out

    const long peak_before = peak_resident_kib();
    RepeatedCases source(text.substr(0, body_at), text.substr(body_at), kCopies);
    std::istream in(&source);
    RepeatedTable sink(mode.head, once.out.substr(mode.head.size()));
    std::ostream out(&sink);
    std::ostringstream err;
    BatchReader reader(in);
    ASSERT_TRUE(stream_batch(mode, reader, 2, out, err));

    EXPECT_EQ(sink.written(), mode.head.size() + kCopies * (once.out.size() - mode.head.size()));
    EXPECT_EQ(sink.mismatches(), 0u);
    // Held whole, the rows alone would take some 45 MB. (AddressSanitizer keeps freed
    // blocks in quarantine, so resident memory says nothing in a sanitized build.)
#ifndef GEARPAIR_SANITIZED
    EXPECT_LT(peak_resident_kib() - peak_before, 30 * 1024);
#else
    (void)peak_before;
#endif
}

TEST(BatchStream, TheToolGivesTheSameBytesFromAFileAndFromAPipeOnAnyNumberOfThreads) {
    const std::string cases = testing::golden("cases.csv");
    const std::string expected = testing::run_cli("strength " + cases).out;
    EXPECT_TRUE(cells_of(expected) == cells_of(golden_text("strength.csv")));
    for (const char* how : {" --jobs 1 ", " --jobs=3 ", " - < "}) {
        const auto run = testing::run_cli(std::string("strength") + how + cases);
        EXPECT_EQ(run.status, 0) << how;
        EXPECT_TRUE(run.out == expected) << how;
    }
}

TEST(BatchStream, AFaultAtTheEndOfStandardInputStillLeavesStandardOutputEmpty) {
    const std::string cases = testing::golden("cases.csv");
    const auto path = std::filesystem::temp_directory_path() / "gearpair-late-fault.csv";
    std::ofstream(path, std::ios::binary) << golden_text("cases.csv") << "1,\"2\n";
    const auto run = testing::run_cli("strength --jobs 2 - 2>/dev/null < " + path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    for (const char* bad : {"--jobs 0", "--jobs x", "--jobs", "--jobs=", "--jobs 2000"}) {
        const auto refused =
            testing::run_cli(std::string("geometry ") + bad + " " + cases + " 2>/dev/null");
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_EQ(refused.out, "") << bad;
    }
}

}  // namespace
}  // namespace gp
