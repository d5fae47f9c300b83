// The batch tool's profile and mesh modes, run as a user runs them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "csv.h"
#include "messages/base.h"
#include "outline_dxf.h"
#include "pair_profile.h"
#include "run_cli.h"

namespace gp {
namespace {

using testing::golden;
using testing::run_cli;

// Three pairs: the spur reference pair (z 20/40, m 2, a 60), one whose centre
// distance cannot be reached, and a 10-tooth helical pinion without shift.
constexpr const char* kPairs =
    "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,xng1,xng2\n"
    "60,2,20,0,30,1,0.25,20,40,-0.1,-0.1,-0.2,-0.2,0.05,0.05,,\n"
    "50,2,20,0,30,1,0.25,20,40,-0.1,-0.1,-0.2,-0.2,0.05,0.05,,\n"
    "41.4110,2,20,15,30,1,0.25,10,30,-0.1,-0.1,-0.2,-0.2,0.05,0.05,0,0\n";

// One file per test: the tests run as separate processes at the same time.
std::string pairs_file() {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const auto path =
        std::filesystem::temp_directory_path() / ("gearpair-drawing-pairs-" + test + ".csv");
    std::ofstream(path, std::ios::binary) << kPairs;
    return path.string();
}

TEST(DrawingModes, AnEmptyRoundingThatDoesNotFitIsDrawnFittedAndSaidSo) {
    // The spur reference pair at 25°: 0.38 × module fits neither rack's tip.
    const auto path = std::filesystem::temp_directory_path() / "gearpair-drawing-25deg.csv";
    std::ofstream(path, std::ios::binary)
        << "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2\n"
           "60,2,25,0,30,1,0.25,20,40,-0.1,-0.1,-0.2,-0.2,0.05,0.05\n";
    const auto run = run_cli("profile " + path.string() + " 2>&1 >/dev/null");
    EXPECT_EQ(run.status, 0);
    for (const char* gear : {"row 1, gear 1: ", "row 1, gear 2: "}) {
        EXPECT_NE(run.out.find(std::string(gear) +
                               "root fillet radius empty; 0.38 x module = 0.76 mm does not fit "
                               "the rack's tip, drawn with the largest radius that fits, 0."),
                  std::string::npos)
            << run.out;
    }
}

TEST(DrawingModes, ProfileCsvListsEveryPointOfEveryDrawableGear) {
    const auto run = run_cli("profile " + pairs_file() + " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    const auto records = csv::parse(run.out);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].cells, (std::vector<std::string>{"row", "gear", "x", "y"}));
    std::map<std::pair<int, int>, int> points;
    for (std::size_t k = 1; k < records.size(); ++k) {
        const auto& c = records[k].cells;
        ASSERT_EQ(c.size(), 4u);
        ++points[{std::stoi(c[0]), std::stoi(c[1])}];
        ASSERT_GE(c[2].size() - c[2].find('.'), 7u) << "at least 6 decimals";
    }
    // Row 2 stops; rows 1 and 3 give both gears, as many points as the outline has.
    const std::vector<std::pair<int, int>> keys = {{1, 1}, {1, 2}, {3, 1}, {3, 2}};
    ASSERT_EQ(points.size(), keys.size());
    for (const auto& key : keys) EXPECT_TRUE(points.count(key)) << key.first << "/" << key.second;
    // Tooth 1 on +y: the first point of each outline.
    EXPECT_EQ(records[1].cells[2], "0.000000000");

    const auto gear2 = run_cli("profile --gear 2 --thickness lower --tolerance 0.01 " +
                               pairs_file() + " 2>&1 >/dev/null");
    EXPECT_EQ(gear2.status, 0);
    EXPECT_NE(gear2.out.find("row 2: "), std::string::npos) << gear2.out;
}

TEST(DrawingModes, ProfileFilesOnePerRowAndGear) {
    const auto dir = std::filesystem::temp_directory_path() / "gearpair-drawing-out";
    std::filesystem::remove_all(dir);
    const auto svg =
        run_cli("profile --format svg --out " + dir.string() + " " + pairs_file() + " 2>/dev/null");
    EXPECT_EQ(svg.status, 0);
    EXPECT_EQ(svg.out, "");
    for (const char* name : {"row1-gear1.svg", "row1-gear2.svg", "row3-gear1.svg"}) {
        const std::string text = testing::read_file((dir / name).string());
        EXPECT_NE(text.find("<path d=\"M"), std::string::npos) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "row2-gear1.svg"));

    const auto dxf = run_cli("profile --format dxf --gear 1 --out " + dir.string() + " " +
                             pairs_file() + " 2>/dev/null");
    if (dxf_available()) {
        EXPECT_EQ(dxf.status, 0);
        EXPECT_NE(testing::read_file((dir / "row3-gear1.dxf").string()).find("LWPOLYLINE"),
                  std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir / "row3-gear2.dxf"));
    } else {
        EXPECT_EQ(dxf.status, 2);
    }
}

TEST(DrawingModes, MeshTableAtFullPrecision) {
    const auto run = run_cli("mesh " + pairs_file());
    ASSERT_EQ(run.status, 0);
    const auto records = csv::parse(run.out);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].cells,
              (std::vector<std::string>{"status", "message", "ae", "t1a", "t1b", "t1c", "t1d",
                                        "t1e", "zeta1_a", "zeta2_a", "zeta1_e", "zeta2_e"}));
    const auto& ok = records[1].cells;
    ASSERT_EQ(ok[0], "ok");
    std::vector<double> v;
    for (std::size_t k = 2; k < ok.size(); ++k) v.push_back(std::strtod(ok[k].c_str(), nullptr));
    // AE = E − A, B = E − pbt, D = A + pbt, and AE / pbt is the sheet's εα 1.62561.
    const double pbt = 3.141592654 * 2 * std::cos(20 * 3.141592654 / 180);
    EXPECT_NEAR(v[0], v[5] - v[1], 1e-12);
    EXPECT_NEAR(v[2], v[5] - pbt, 1e-9);
    EXPECT_NEAR(v[4], v[1] + pbt, 1e-9);
    EXPECT_NEAR(v[0] / pbt, 1.62561, 5e-6);
    // Each flank slides most (negatively) where its root meets the mate's tip:
    // gear 1 at A, gear 2 at E.
    EXPECT_LT(v[6], 0);
    EXPECT_GT(v[7], 0);
    EXPECT_GT(v[8], 0);
    EXPECT_LT(v[9], 0);
    EXPECT_GE(ok[2].size(), 15u) << "full precision";

    EXPECT_EQ(records[2].cells[0], "stop");
    EXPECT_EQ(records[2].cells[1], msg::kCannotCompute);
    for (std::size_t k = 2; k < records[2].cells.size(); ++k) EXPECT_EQ(records[2].cells[k], "");
}

TEST(DrawingModes, BadUsageAndMalformedInputExitTwo) {
    for (const char* args : {"profile --gear 3", "profile --format pdf", "profile --thickness max",
                             "profile --tolerance -1", "profile --tolerance abc",
                             "profile --tolerance", "profile --colour red", "mesh a.csv b.csv"}) {
        const auto run = run_cli(std::string(args) + " " + pairs_file() + " 2>/dev/null");
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    for (const char* mode : {"profile", "mesh"}) {
        const auto malformed =
            run_cli(std::string(mode) + " 2>/dev/null <<'EOF'\nzxja,nope\n1,2\nEOF");
        EXPECT_EQ(malformed.status, 2) << mode;
        EXPECT_EQ(malformed.out, "") << mode;
    }
    const auto help = run_cli("profile --help");
    EXPECT_EQ(help.status, 0);
    for (const char* word :
         {"--thickness", "--tolerance", "row,gear,x,y", "zeta1_a", "LWPOLYLINE"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}

TEST(DrawingModes, GoldenCasesRunThrough) {
    const auto mesh = run_cli("mesh " + golden("cases.csv") + " 2>/dev/null");
    EXPECT_EQ(mesh.status, 0);
    EXPECT_EQ(csv::parse(mesh.out).size(), 401u);
    const auto profile =
        run_cli("profile --tolerance 0.05 " + golden("cases.csv") + " 2>/dev/null");
    EXPECT_EQ(profile.status, 0);
}

}  // namespace
}  // namespace gp
