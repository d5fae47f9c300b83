// The material lines of ISO 6336-5 as the material page reads them, against the
// file they are shipped in, and the hardness conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "material_lines.h"

using namespace gp::rating;

namespace {

std::string file_text() {
    std::ifstream in(GEARPAIR_MATERIAL_LINES, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string whole(double v) { return std::to_string(int(v)); }

}  // namespace

// Every line at both ends of its range gives A·x + B of its own row (at the join of
// two segments the first answers, and the two agree within 1 N/mm²); just outside
// the range of its selection the hardness is refused, naming that range.
TEST(MaterialLines, EveryLineAtBothEndsOfItsRange) {
    const auto file = read_material_lines(file_text());
    ASSERT_EQ(file.size(), 73u);
    ASSERT_EQ(material_lines().size(), file.size());
    int checked = 0;
    for (const MaterialLine& l : file) {
        for (const char* quality : kQualities) {
            if (!l.has_quality(quality)) continue;
            double lo = l.hmin, hi = l.hmax;  // the selection's range over its segments
            for (const MaterialLine& other : file) {
                if (other.code == l.code && other.kind == l.kind && other.type == l.type &&
                    other.has_quality(quality)) {
                    lo = std::min(lo, other.hmin);
                    hi = std::max(hi, other.hmax);
                }
            }
            for (const double x : {l.hmin, l.hmax}) {
                const auto got = line_limit({l.code, l.type, quality, x, l.unit}, l.kind);
                ASSERT_TRUE(std::holds_alternative<LineLimit>(got)) << "row " << l.row << " at " << x;
                const LineLimit& limit = std::get<LineLimit>(got);
                if (limit.line->row == l.row) {
                    EXPECT_DOUBLE_EQ(limit.value, l.A * x + l.B) << "row " << l.row;
                } else {
                    EXPECT_TRUE(limit.line->hmax == x || limit.line->hmin == x) << "row " << l.row;
                    EXPECT_NEAR(limit.value, l.A * x + l.B, 1.0) << "row " << l.row;
                }
                ++checked;
            }
            for (const double x : {lo - 1, hi + 1}) {
                const auto got = line_limit({l.code, l.type, quality, x, l.unit}, l.kind);
                ASSERT_TRUE(std::holds_alternative<std::string>(got)) << "row " << l.row;
                EXPECT_NE(std::get<std::string>(got).find(whole(lo) + "～" + whole(hi)),
                          std::string::npos)
                    << std::get<std::string>(got);
            }
        }
    }
    EXPECT_GE(checked, 2 * 73);
}

// ISO 18265 Table A.1 at its rows, between them, and outside it.
TEST(MaterialLines, HardnessConversion) {
    struct Case {
        double value;
        HardnessUnit from, to;
        std::optional<double> want;
    } cases[] = {
        {700, HardnessUnit::HV, HardnessUnit::HRC, 60.1},
        {60.1, HardnessUnit::HRC, HardnessUnit::HV, 700},
        {285, HardnessUnit::HBW, HardnessUnit::HV, 300},
        {305, HardnessUnit::HV, HardnessUnit::HBW, 290},  // halfway between 300 and 310
        {70, HardnessUnit::HRC, HardnessUnit::HV, std::nullopt},
        {700, HardnessUnit::HV, HardnessUnit::HBW, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = convert_hardness(c.value, c.from, c.to);
        ASSERT_EQ(got.has_value(), c.want.has_value()) << c.value;
        if (got) {
            EXPECT_NEAR(*got, *c.want, 1e-9) << c.value;
        }
    }
    // A case-hardened flank typed in HRC: 60 HRC is about 698 HV, within the MQ lines of Eh.
    const auto eh = material_limits({"Eh", "core30", "MQ", 60, HardnessUnit::HRC});
    ASSERT_TRUE(std::holds_alternative<MaterialLimits>(eh));
    EXPECT_DOUBLE_EQ(std::get<MaterialLimits>(eh).sHlim, 1500);
    EXPECT_DOUBLE_EQ(std::get<MaterialLimits>(eh).sFlim, 500);
}
