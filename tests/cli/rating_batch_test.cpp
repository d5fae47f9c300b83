// The batch tool's rating mode against the golden rating table, the technical
// report's example typed as a form, and the contract of its columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "csv.h"
#include "messages/rating.h"
#include "rating_inputs.h"
#include "run_cli.h"
#include "same_cells.h"

namespace gp {
namespace {

bool numbers_agree(const std::string& got, const std::string& want) {
    if (got == want) return true;
    char* end = nullptr;
    const double g = std::strtod(got.c_str(), &end);
    if (got.empty() || *end != '\0') return false;
    const double w = std::strtod(want.c_str(), &end);
    if (want.empty() || *end != '\0') return false;
    return std::fabs(g - w) <= std::max(1e-6 * std::fabs(w), 1e-9);
}

std::string scratch_file(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / ("gearpair-rating-" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

// Both golden tables: the pairs with the hardness, shaft, modification and power
// split columns (a fifth with the larger gear driving, the edges of those rules),
// and the 200 pairs rated before those columns existed.
TEST(RatingBatch, AgreesWithTheGoldenTables) {
    for (const auto& [cases, table] : {std::pair{"rating-cases.csv", "rating.csv"},
                                       std::pair{"rating-v1-cases.csv", "rating-v1.csv"}}) {
        SCOPED_TRACE(table);
        const auto run = testing::run_cli(std::string("rating ") + testing::golden(cases));
        ASSERT_EQ(run.status, 0);
        testing::expect_same_cells(run.out, testing::read_file(testing::golden(table)),
                                   numbers_agree);
        // The same bytes on one thread.
        EXPECT_EQ(testing::run_cli(std::string("rating --jobs 1 ") + testing::golden(cases)).out,
                  run.out);
    }
}

// The example of ISO/TR 6336-30 typed as a form, its tip diameters from the
// geometry: the report's 35 figures within 0.2 %.
TEST(RatingBatch, TechnicalReportExampleTypedAsAForm) {
    const std::string file = scratch_file(
        "tr.csv",
        "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,xng1,xng2,"
        "cgyj1,cgyj2,n1,Q1,Q2,Ca,nu40,Lh\n"
        "500,8,20,15.8,100,1,0.4,917.7445916801,17,103,-0.1,-0.2,-0.2,-0.4,0.04,0.06,0.145,0,"
        "3.12,3.12,360,5,5,70,320,50000\n");
    const auto rows = csv::parse(testing::run_cli("rating " + file).out);
    ASSERT_EQ(rows.size(), 2u);
    std::map<std::string, double> v;
    for (std::size_t c = 2; c < rows[0].cells.size(); ++c) {
        v[rows[0].cells[c]] = std::atof(rows[1].cells[c].c_str());
    }
    // c′th is not a column: it is c′ / (CM·CR·CB·cos β) at this load (w > 100 N/mm).
    v["c_th"] = v["c_prime"] / (0.8 * 0.9 * std::cos(15.8 * std::numbers::pi / 180));
    const std::map<std::string, double> report = {
        {"Ft", 127352.0},
        {"v", 2.664},
        {"Kv", 1.003},
        {"KHalpha", 1.0},
        {"KFalpha", 1.0},
        {"KHbeta", 1.16},
        {"KFbeta", 1.12803},
        {"zn1", 18.905},
        {"zn2", 114.543},
        {"NL1", 1.080e9},
        {"NL2", 1.783e8},
        {"ZNT1", 0.91},
        {"ZNT2", 0.962},
        {"ZX", 1.0},
        {"ZW1", 1.0},
        {"ZW2", 1.0},
        {"ZR", 0.96599},
        {"Zv", 0.96911},
        {"ZL", 1.04739},
        {"Zbeta", 1.01944},
        {"Zeps", 0.803},
        {"ZE", 189.81170},
        {"ZB", 1.0},
        {"ZD", 1.0},
        {"ZH", 2.39533},
        {"c_prime", 12.37047},
        {"c_th", 17.85584},
        {"c_gamma_alpha", 17.46485},
        {"c_gamma_beta", 14.84512},
        {"sigma_H0", 1206.58207},
        {"sigma_H1", 1301.35343},
        {"sigma_H2", 1301.35343},
        {"sigma_HP1", 1338.48050},
        {"sigma_HP2", 1414.52551},
        {"SH1", 1.02853},
        {"SH2", 1.08696},
    };
    ASSERT_EQ(report.size(), 36u);  // the 35 figures, ZW for each gear
    for (const auto& [name, figure] : report) {
        EXPECT_NEAR(v[name], figure, 0.002 * figure) << name;
    }
}

// An impossible or uncomputable input stops as what it is, named by its column
// with the rule, before a later step could misname it; values are quoted as
// typed, control characters by their code; and what the rating does not use
// (tooth-thickness deviations, runout) may be left empty.
TEST(RatingBatch, MessagesPointTheRightWay) {
    struct Row {
        const char* form;    // ckbw,fmn,lxjbt,nj,ess1,esi1,fr1
        const char* rating;  // Q1,sHlim1,rho1,mat1,mat2,sFlim2,hmod
        const char* message;
        const char* detail;  // a part of the explanation, or of the notes
    };
    const Row rows[] = {
        {"-30,2,0,10,-0.1,-0.2,0.04", ",,,,,,", msg::kCannotCompute, "-30"},
        {"30,-2,15,10,-0.1,-0.2,0.04", ",,,,,,", msg::kCannotCompute, "-2"},
        {"30,2,0,10,-0.1,-0.2,0.04", ",1e308,,,,,", msg::rating::kBeyondComputable, "sHlim1"},
        {"30,2,0,1e308,-0.1,-0.2,0.04", ",,,,,,", msg::rating::kBeyondComputable, "nj"},
        {"30,2,0,10,-0.1,-0.2,0.04", ",,1e-320,,,,", msg::rating::kBeyondComputable, "rho1"},
        {"30,2,0,10,-0.1,-0.2,0.04", "12.000001,,,,,,", msg::rating::kBadGrade, "12.000001"},
        {"30,2,0,10,-0.1,-0.2,0.04", ",,,E\x07h,,,", "mat1", "E\\x07h"},
        {"30,2,0,10,-0.1,-0.2,0.04", ",,,,V,,", msg::rating::kLimitsRequired, "mat2"},
        {"30,2,0,10,-0.1,-0.2,0.04", ",,,,,,bent", msg::rating::kBadShaftOrModification, "hmod"},
        {"30,2,0,10,,,", ",,,,,,", "", ""},
        {"30,2,0,0.05,-0.1,-0.2,0.04", ",,,,,,", "", msg::rating::kKvOutOfDepth},
    };
    std::string text =
        "zxja,h0,c0,fjafn,cs1z1,cs2z2,ess2,esi2,fr2,xng1,xng2,ckbw,fmn,lxjbt,nj,ess1,esi1,fr1,"
        "n1,Q1,sHlim1,rho1,mat1,mat2,sFlim2,hmod\n";
    for (const Row& r : rows) {
        text += std::string("60,1,0.25,20,20,40,-0.1,-0.2,0.04,,,") + r.form + ",1450," + r.rating +
                "\n";
    }
    const auto out =
        csv::parse(testing::run_cli("rating --detail " + scratch_file("messages.csv", text)).out);
    ASSERT_EQ(out.size(), std::size(rows) + 1);
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const auto& cells = out[r + 1].cells;
        SCOPED_TRACE("row " + std::to_string(r));
        if (!*rows[r].message) {  // rated, with the note named if any
            EXPECT_EQ(cells[0], "ok") << cells[1];
            EXPECT_NE(cells.back().find(rows[r].detail), std::string::npos) << cells.back();
            continue;
        }
        EXPECT_EQ(cells[0], "stop");
        EXPECT_NE(cells[1].find(rows[r].message), std::string::npos) << cells[1];
        EXPECT_NE(cells.back().find(rows[r].detail), std::string::npos) << cells.back();
        EXPECT_EQ(cells.back().find('\x07'), std::string::npos);
    }
}

// The columns' rules: empty cells where a factor is given or no life is typed, a
// cell that is not a number naming its column, the strict torque and fillet
// radius; and the other modes print the same whether or not rating columns are
// there.
TEST(RatingBatch, ColumnContract) {
    const std::string form = "60,2,20,0,30,1,0.25,10,20,40,-0.1,-0.1,-0.2,-0.2,0.04,0.04,,,";
    struct Row {
        const char* cells;  // fillet radii, nj override and rating cells
        const char* message;
        std::vector<const char*> empty;
    };
    const Row rows[] = {
        {",,1500,,,,,", "", {"NL1", "NL2"}},
        {",,1500,1.2,,,,", "", {"NL1", "NL2", "fHb1", "fHb2", "y_beta", "c_gamma_beta"}},
        {",,1500,,1.1,,10000,", "", {"N"}},
        {",,1500,,,x1,,", "KA", {}},
        {",,1500,,,,,Steel", "材料类别mat1", {}},
        {",,,,,,,", msg::rating::kNoSpeed, {}},
        {"0.76k,,1500,,,,,", "cgyj1", {}},
    };
    std::string text =
        "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,"
        "xng1,xng2,cgyj1,cgyj2,n1,KHb,Kv,KA,Lh,mat1\n";
    for (const Row& r : rows) text += form + r.cells + "\n";
    const auto out = csv::parse(testing::run_cli("rating " + scratch_file("rows.csv", text)).out);
    ASSERT_EQ(out.size(), std::size(rows) + 1);
    const auto& head = out[0].cells;
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const auto& cells = out[r + 1].cells;
        if (*rows[r].message) {
            EXPECT_EQ(cells[0], "stop") << "row " << r;
            EXPECT_NE(cells[1].find(rows[r].message), std::string::npos) << cells[1];
            continue;
        }
        ASSERT_EQ(cells[0], "ok") << "row " << r << ": " << cells[1];
        for (std::size_t c = 2; c < head.size(); ++c) {
            const bool skipped =
                std::find_if(rows[r].empty.begin(), rows[r].empty.end(),
                             [&](const char* n) { return head[c] == n; }) != rows[r].empty.end();
            EXPECT_EQ(cells[c].empty(), skipped) << "row " << r << " " << head[c];
        }
    }
    // --detail: the explanation of a stop, the notes of a result.
    const auto detailed =
        csv::parse(testing::run_cli("rating --detail " + scratch_file("rows.csv", text)).out);
    EXPECT_EQ(detailed[0].cells.back(), "detail");
    EXPECT_NE(detailed[6].cells.back().find("n1"), std::string::npos);
    text.replace(text.find(",,1500,,,,,\n"), 12, ",,1500,,,0.9,,\n");
    const auto noted =
        csv::parse(testing::run_cli("rating --detail " + scratch_file("rows.csv", text)).out);
    EXPECT_NE(noted[1].cells.back().find(msg::rating::kLowApplicationFactor), std::string::npos);

    // Rating columns change nothing in the other modes.
    const auto cases = csv::parse(testing::read_file(testing::golden("rating-cases.csv")));
    std::string plain;
    for (const auto& rec : cases) {
        std::vector<std::string> kept;
        for (std::size_t c = 0; c < rec.cells.size(); ++c) {
            if (!find_rating_field(cases[0].cells[c])) kept.push_back(rec.cells[c]);
        }
        plain += csv::format_row(kept);
    }
    const std::string plain_file = scratch_file("plain.csv", plain);
    for (const char* mode : {"geometry", "strength"}) {
        EXPECT_EQ(
            testing::run_cli(std::string(mode) + " " + plain_file).out,
            testing::run_cli(std::string(mode) + " " + testing::golden("rating-cases.csv")).out)
            << mode;
    }
}

}  // namespace
}  // namespace gp
