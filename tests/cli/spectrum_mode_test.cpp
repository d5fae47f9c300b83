// The batch tool's spectrum mode as a user runs it: ISO 6336-6 Annex C's pair and
// bins in the documented columns, and every way a run can be refused.
#include "spectrum_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "csv.h"
#include "messages/rating.h"

namespace gp {
namespace {

std::string data(const std::string& name) {
    return std::string(GEARPAIR_SPECTRUM_DATA) + "/" + name;
}

std::string scratch(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / ("gearpair-spectrum-" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

struct SpectrumRun {
    int status;
    std::string out, err;
};

SpectrumRun run(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), "spectrum");
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = run_spectrum_mode(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(SpectrumMode, AnnexCInTheDocumentedColumns) {
    const SpectrumRun r = run({"--pair", data("annexC-pair.csv"), data("annexC-spectrum.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = csv::parse(r.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(csv::format_row(rows[0].cells),
              "bin,T1,n1,cycles1,cycles2,Kv,KHbeta,KHalpha,sigma_H1,sigma_H2,sigma_F1,sigma_F2,"
              "NH1,NH2,NF1,NF2,DH1,DH2,DF1,DF2\n");
    EXPECT_EQ(csv::format_row(rows[17].cells),
              "total,DH1,DH2,DF1,DF2,SH1,SH2,SF1,SF2,SstatH1,SstatH2,SstatF1,SstatF2,life_h,"
              "worst_bin\n");
    for (std::size_t j = 1; j <= 16; ++j) {
        ASSERT_EQ(rows[j].cells.size(), 20u);
        EXPECT_EQ(rows[j].cells[0], std::to_string(j));
    }
    // The lightest bins are below endurance: no N, no damage.
    EXPECT_EQ(rows[16].cells[12], "");
    EXPECT_EQ(rows[16].cells[16], "0");
    EXPECT_EQ(rows[18].cells.size(), 15u);
    EXPECT_EQ(rows[18].cells[0], "all");
    EXPECT_EQ(rows[18].cells[14], "2");
    // From standard input, the same bytes.
    std::ifstream table(data("annexC-spectrum.csv"), std::ios::binary);
    std::ostringstream text;
    text << table.rdbuf();
    EXPECT_EQ(run({"--pair", data("annexC-pair.csv"), "-"}, text.str()).out, r.out);
}

TEST(SpectrumMode, RefusedRuns) {
    std::ifstream pair_in(data("annexC-pair.csv"), std::ios::binary);
    std::ostringstream pair;
    pair << pair_in.rdbuf();
    std::string no_speed = pair.str();
    no_speed.replace(no_speed.find(",35.2,"), 6, ",,");
    const std::string two = pair.str() + pair.str().substr(pair.str().find('\n') + 1);
    const std::string pair1 = data("annexC-pair.csv");
    const std::string bins = "T1,cycles\n20000,1e6\n";
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string out, err;  // out exactly; err a part of it
    };
    const Case cases[] = {
        {{pair1}, bins, 2, "", "--pair"},
        {{"--pair"}, bins, 2, "", "--pair"},
        {{"--pair", pair1, "--bins"}, bins, 2, "", "--bins"},
        {{"--pair", scratch("missing", "") + "/x.csv"}, bins, 2, "", "cannot read"},
        {{"--pair", scratch("two.csv", two)}, bins, 2, "", "--row N (1 to 2)"},
        {{"--pair", scratch("two.csv", two), "--row", "3"}, bins, 2, "", "--row '3'"},
        {{"--pair", scratch("two.csv", two), "--row", "1.5"}, bins, 2, "", "--row '1.5'"},
        {{"--pair", scratch("two.csv", two), "--row", "2"}, bins, 0, "", ""},
        {{"--pair", pair1}, "T1,cycles\n20000,1e6\n-1,5\n", 2, "", "第 3 行（第 2 级），列 T1"},
        {{"--pair", pair1}, "T1,cycles,hours\n1,1,1\n", 2, "", "cycles 与 hours"},
        {{"--pair", pair1}, "T1,hours\n1,abc\n", 2, "", "列 hours：“abc”不是数字"},
        {{"--pair", pair1}, "T1,hours\n", 2, "", "没有载荷级"},
        {{"--pair", pair1},
         "T1,hours,n1\n20000,1e300,1e10\n",
         0,
         "stop,载荷谱持续时间过长，无法计算\n",
         "第 1 级"},
        {{"--pair", scratch("slow.csv", no_speed)},
         bins,
         0,
         "stop," + std::string(msg::rating::kNoSpeed) + "\n",
         "载荷谱第 1 级"},
    };
    for (const Case& c : cases) {
        const SpectrumRun r = run(c.args, c.input);
        const std::string what = c.args.back() + " / " + c.input;
        EXPECT_EQ(r.status, c.status) << what << ": " << r.err;
        if (c.status != 0 || !c.out.empty()) {
            EXPECT_EQ(r.out, c.out) << what;
        }
        EXPECT_NE(r.err.find(c.err), std::string::npos) << what << ": " << r.err;
    }
}

}  // namespace
}  // namespace gp
