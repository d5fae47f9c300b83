// gearpair-cli rating --report over the golden pairs: each report, parsed back,
// names every rating input its row typed and the pair it rated.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "messages/rating_report.h"
#include "number_parse.h"
#include "rating_inputs.h"
#include "rating_sheet.h"
#include "run_cli.h"

namespace gp {
namespace {

namespace words = msg::rating_report;

std::vector<std::string> split(const std::string& text, std::string_view by) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(by, at);
        parts.push_back(text.substr(at, end - at));
        if (end == std::string::npos) return parts;
        at = end + by.size();
    }
}

// The texts of a report line after its name: the columns are parted by two blanks or more.
std::vector<std::string> cells_after(const std::string& line, const std::string& name) {
    std::vector<std::string> cells;
    for (std::string& c : split(line.substr(name.size()), "  ")) {
        while (!c.empty() && c.front() == ' ') c.erase(c.begin());
        if (!c.empty()) cells.push_back(c);
    }
    return cells;
}

// Whether the report's first line named `name` shows `value` as one of its cells
// (a default or a given factor may follow it, after a blank or in brackets).
bool shows(const std::vector<std::string>& lines, const std::string& name, const std::string& value) {
    for (const std::string& line : lines) {
        if (line.rfind(name + " ", 0) != 0) continue;
        for (const std::string& c : cells_after(line, name)) {
            if (c == value || c.rfind(value + " ", 0) == 0 || c.rfind(value + "（", 0) == 0) return true;
        }
        return false;
    }
    return false;
}

}  // namespace

TEST(RatingReport, NamesEveryTypedInputOfTheGoldenPairs) {
    const auto run = testing::run_cli("rating --report " + testing::golden("rating-cases.csv") +
                                      " 2>/dev/null");
    ASSERT_EQ(run.status, 0);
    const auto cases = csv::parse(testing::read_file(testing::golden("rating-cases.csv")));
    const auto expected = csv::parse(testing::read_file(testing::golden("rating.csv")));
    auto reports = split(run.out, "\xEF\xBB\xBF");
    reports.erase(reports.begin());  // before the first mark
    const std::map<std::string, const char*> names = {
        {"n1", words::kSpeed},         {"KA", words::kApplication},   {"Q", words::kGrade},
        {"Ca", words::kTipRelief},     {"KHb", words::kKHb},          {"Kv", words::kKv},
        {"KHa", words::kKHa},          {"mat", words::kClass},        {"sHlim", words::kContactLimit},
        {"sFlim", words::kBendingLimit}, {"E", words::kModulus},      {"nu", words::kPoisson},
        {"rho", words::kDensity},      {"nu40", words::kOil},         {"Ra", words::kFlankRoughness},
        {"RzF", words::kRootRoughness}, {"Lh", words::kLife},         {"YN10", words::kLifeFactor10},
        {"SHmin", words::kSHmin},      {"SFmin", words::kSFmin},      {"sR", words::kRim},
        {"HB", words::kFlankHardness}, {"shaft", words::kShaft},      {"l", words::kSpan},
        {"s", words::kOffset},         {"dsh", words::kShaftDiameter}, {"hmod", words::kHelixModification},
        {"k", words::kPowerShare}};
    const auto& head = cases.front().cells;
    const auto column = [&head](std::string_view name) {
        return std::size_t(std::find(head.begin(), head.end(), name) - head.begin());
    };
    std::size_t report = 0, inputs_checked = 0;
    for (std::size_t row = 1; row < cases.size(); ++row) {
        if (expected.at(row).cells.at(0) != "ok") continue;
        ASSERT_LT(report, reports.size());
        const auto lines = split(reports[report++], "\r\n");
        const auto& cells = cases[row].cells;
        const auto number = [](const std::string& typed) {
            return rating::shown_number(strict_convert(typed));
        };
        for (const RatingField& f : kRatingFields) {
            if (is_material_choice(f.name) || column(f.name) == head.size()) continue;
            const std::string& typed = cells.at(column(f.name));
            if (typed.empty()) continue;
            std::string key = f.name;
            if (!names.count(key)) key.pop_back();  // the gear's digit
            // A class is read with the blanks around it dropped.
            const bool word = key == "mat" || key == "shaft" || key == "hmod";
            const std::string value =
                word ? typed.substr(typed.find_first_not_of(' '),
                                            typed.find_last_not_of(' ') - typed.find_first_not_of(' ') + 1)
                             : number(typed);
            EXPECT_TRUE(shows(lines, names.at(key), value))
                << "pair " << row << ": " << f.name << " = " << typed;
            ++inputs_checked;
        }
        EXPECT_TRUE(shows(lines, words::kTeeth, number(cells.at(column("cs1z1")))));
        EXPECT_TRUE(shows(lines, words::kModule, number(cells.at(column("fmn")))));
        EXPECT_TRUE(shows(lines, words::kCentreDistance, number(cells.at(column("zxja")))));
    }
    EXPECT_EQ(report, reports.size());
    EXPECT_GT(inputs_checked, 100u);
}

}  // namespace gp
