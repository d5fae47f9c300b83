// Every stop says why. The golden cases reach every stop path of both calculations
// (the checks, the unattainable centre distance, a tip inside its base circle, the
// pin iteration, arithmetic faults and meaningless strength results); with --detail
// each stop row carries an explanation that is Chinese, finite and names the
// quantity that failed, and every other cell is the default output's.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "csv.h"
#include "messages/base.h"
#include "run_cli.h"

namespace gp {
namespace {

// What an explanation of each message must name: any one of these words.
const std::map<std::string, std::vector<std::string>> kNamed = {
    {msg::kLettersOrSymbols,
     {"中心距", "法向模数", "法向压力角", "分度圆螺旋角", "工作齿宽", "齿顶高系数", "顶隙系数",
      "扭矩", "齿数", "偏差", "径跳", "变位系数", "量棒直径"}},
    {msg::kIncomplete,
     {"中心距", "法向模数", "法向压力角", "分度圆螺旋角", "工作齿宽", "齿顶高系数", "顶隙系数",
      "齿数", "偏差", "径跳"}},
    {msg::kNoTorque, {"主动齿轮输入扭矩"}},
    {msg::kCannotCompute,
     {"中心距 a =", "齿顶圆直径 da", "时除数为 0", "时对负数开平方", "时数值超出计算范围"}},
    {msg::kPinAngleInaccurate, {"量棒直径 dp"}},
    {msg::kMeaninglessStrength,
     {"齿顶圆直径 da", "齿厚 sF", "齿形系数 YF", "应力集中系数 Kf", "弯曲应力 σF", "接触应力 σH"}},
};

bool names_one_of(const std::string& text, const std::vector<std::string>& words) {
    for (const auto& w : words) {
        if (text.find(w) != std::string::npos) return true;
    }
    return false;
}

bool has_chinese(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0xE4 && c <= 0xE9) return true;  // lead bytes of the CJK block in UTF-8
    }
    return false;
}

void expect_explained_stops(const std::string& mode) {
    const std::string cases = testing::golden("cases.csv");
    const auto plain = csv::parse(testing::run_cli(mode + " " + cases).out);
    const auto run = testing::run_cli(mode + " --detail " + cases);
    ASSERT_EQ(run.status, 0);
    const auto detailed = csv::parse(run.out);
    ASSERT_EQ(detailed.size(), plain.size());
    std::set<std::string> messages_seen;
    for (std::size_t r = 0; r < plain.size(); ++r) {
        auto cells = detailed[r].cells;
        ASSERT_EQ(cells.size(), plain[r].cells.size() + 1) << "row " << r;
        const std::string detail = cells.back();
        cells.pop_back();
        EXPECT_EQ(cells, plain[r].cells) << "row " << r;
        if (r == 0) {
            EXPECT_EQ(detail, "detail");
            continue;
        }
        if (cells[0] != "stop") {
            EXPECT_EQ(detail, "") << "row " << r;
            continue;
        }
        const std::string& message = cells[1];
        messages_seen.insert(message);
        EXPECT_TRUE(has_chinese(detail)) << "row " << r << ": " << detail;
        EXPECT_EQ(detail.find("nan"), std::string::npos) << detail;
        EXPECT_EQ(detail.find("inf"), std::string::npos) << detail;
        ASSERT_TRUE(kNamed.count(message)) << message;
        EXPECT_TRUE(names_one_of(detail, kNamed.at(message)))
            << mode << " row " << r << ": " << message << " / " << detail;
    }
    // The golden cases do reach the stop paths of this calculation.
    EXPECT_GE(messages_seen.size(), mode == "geometry" ? 4u : 5u);
}

TEST(StopExplanations, Geometry) { expect_explained_stops("geometry"); }
TEST(StopExplanations, Strength) { expect_explained_stops("strength"); }

TEST(StopExplanations, DetailAndReportDoNotCombine) {
    EXPECT_EQ(testing::run_cli("strength --detail --report " + testing::golden("cases.csv") +
                               " 2>/dev/null")
                  .status,
              2);
}

}  // namespace
}  // namespace gp
