// The solids against the outlines they are swept from: sections, volume, validity,
// the STEP file read back, and the pair in mesh without interference.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "geometry_numbers.h"
#include "messages/solid.h"
#include "number_parse.h"
#include "rack_rounding.h"
#include "solid_checks.h"
#include "solid_mode.h"
#include "solid_pair.h"

namespace gp {
namespace {

// The spur example of examples/pairs.csv and a helical pair, β = 15°, z 19/73, its
// gears of different face widths.
constexpr const char* kPairs =
    "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,xng1,xng2,"
    "dpg1,dpg2,cgyj1,cgyj2,ck1,ck2,th1,th2,jd1,jd2,dx\n"
    "60,2,20,0,30,1,0.25,10,20,40,-0.1,-0.1,-0.2,-0.2,0.05,0.05,,,,,0.76,0.76,30,30,P-101,"
    "P-102,7FL,7FL,dx1\n"
    "96,2,20,15,24,1,0.25,10,19,73,-0.1,-0.1,-0.2,-0.2,0.05,0.05,,,,,0.76,0.76,26,22,H-191,"
    "H-731,7FL,7FL,dx1\n";

GearPairInput pair_row(int k) { return read_batch(kPairs)[static_cast<std::size_t>(k)].input; }

std::vector<NamedSolid> solids_of(const GearPairInput& form, const SolidRequest& request) {
    auto solids = solid_bodies(form, request);
    if (auto* stop = std::get_if<Stop>(&solids)) ADD_FAILURE() << stop->message;
    return std::get<std::vector<NamedSolid>>(solids);
}

// The outline's points turned by `turn`, as the kernel's checks take them.
std::vector<double> turned(const GearOutline& o, double turn) {
    std::vector<double> xy;
    const double c = std::cos(turn), s = std::sin(turn);
    for (const OutlinePoint& p : o.points) {
        xy.push_back(p.x * c - p.y * s);
        xy.push_back(p.x * s + p.y * c);
    }
    return xy;
}

// A reader of the STEP text's own structure (ISO 10303-21), apart from the kernel's:
// its entity instances by name, each reference to one that exists. Returns the count
// of instances of `kind` and, through `names`, the products' names; -1 for a text
// that is not well formed.
int part21_instances(const std::string& text, const std::string& kind,
                     std::vector<std::string>& names) {
    const auto data = text.find("DATA;");
    if (text.rfind("ISO-10303-21;", 0) != 0 || data == std::string::npos) return -1;
    std::set<long> defined, referenced;
    int count = 0;
    std::string instance;
    bool quoted = false;
    for (std::size_t k = data + 5; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '\'' ) quoted = !quoted;
        if (quoted || c != ';') {
            if (c != '\n' && c != '\r') instance += c;
            continue;
        }
        const auto at = instance.find_first_not_of(' ');
        if (at != std::string::npos && instance.compare(at, 6, "ENDSEC") == 0) break;
        const auto eq = instance.find('=');
        if (at == std::string::npos || instance[at] != '#' || eq == std::string::npos) return -1;
        defined.insert(std::stol(instance.substr(at + 1, eq - at - 1)));
        const std::string body = instance.substr(instance.find_first_not_of(' ', eq + 1));
        if (body.rfind(kind + "(", 0) == 0) ++count;
        if (body.rfind("PRODUCT(", 0) == 0) names.push_back(body.substr(9, body.find('\'', 9) - 9));
        for (std::size_t r = body.find('#'); r != std::string::npos; r = body.find('#', r + 1))
            referenced.insert(std::stol(body.substr(r + 1)));
        instance.clear();
    }
    for (long r : referenced)
        if (!defined.count(r)) return -1;
    return count;
}

struct Case {
    int row;
    int gear;
};

class GearSolid : public ::testing::TestWithParam<Case> {};

// Each gear of the spur example and of the helical pair: valid and closed, its
// sections at both end faces and mid-width within 1 µm of the outline turned by
// 2·z·tan β / d (gear 1 right-handed, gear 2 left-handed for β > 0), its volume the
// section's area times the face width; written to STEP and read back, the same.
TEST_P(GearSolid, FollowsItsOutlineAlongTheHelix) {
    const auto [row, gear] = GetParam();
    const GearPairInput form = pair_row(row);
    SolidRequest request;
    request.gears = gear == 0 ? SolidGears::Pinion : SolidGears::Wheel;
    const auto solids = solids_of(form, request);
    ASSERT_EQ(solids.size(), 1u);
    const solid_kernel::Body& body = solids[0].body;
    EXPECT_TRUE(solid_checks::valid_and_closed(body));

    const GeometryNumbers n = std::get<GeometryNumbers>(compute_geometry_numbers(form));
    const auto rounding = std::get<GearPairOf<RackRounding>>(rack_roundings(form, n));
    const GearOutline o = std::get<GearOutline>(gear_outline(n, gear, rounding[gear]));
    const double b = strict_convert(gear == 0 ? form.ck1 : form.ck2);
    const double hand = gear == 0 ? 1.0 : -1.0;
    for (const double z : {-b / 2, 0.0, b / 2}) {
        const double turn = hand * 2.0 * z * std::tan(n.beta) / n.d[gear];
        EXPECT_LT(solid_checks::section_gap(body, turned(o, turn), z, b), 1e-3) << "z = " << z;
    }
    const double v = solid_checks::volume(body);
    const double area = solid_checks::end_face_area(body, b / 2);
    EXPECT_NEAR(v, area * b, 1e-6 * area * b);

}

INSTANTIATE_TEST_SUITE_P(SpurAndHelical, GearSolid,
                         ::testing::Values(Case{0, 0}, Case{1, 0}, Case{1, 1}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.row == 0 ? "Spur" : "Helical") +
                                    "Gear" + std::to_string(info.param.gear + 1);
                         });

class PairInMesh : public ::testing::TestWithParam<int> {};

// Both gears of a pair in one STEP file, read back with the kernel's reader: one
// solid per gear with its volume and bounding box, named by the drawing numbers,
// the wheel at the centre distance, their mid-planes shared. Turned through one base
// pitch, the bodies never overlap: the backlash is positive.
TEST_P(PairInMesh, OneStepFileAndNoInterference) {
    const GearPairInput form = pair_row(GetParam());
    const GeometryNumbers n = std::get<GeometryNumbers>(compute_geometry_numbers(form));
    const auto solids = solids_of(form, {});
    ASSERT_EQ(solids.size(), 2u);

    const auto step = std::get<std::string>(solid_step(form, {}));
    EXPECT_NE(step.find("AP242"), std::string::npos);
    EXPECT_NE(step.find("SI_UNIT(.MILLI.,.METRE.)"), std::string::npos);
    std::vector<std::string> products;
    EXPECT_EQ(part21_instances(step, "MANIFOLD_SOLID_BREP", products), 2);
    EXPECT_EQ(products, (std::vector<std::string>{form.th1, form.th2}));
    const auto back = solid_checks::read_step(step);
    ASSERT_EQ(back.solids.size(), 2u);
    EXPECT_EQ(back.names, (std::vector<std::string>{form.th1, form.th2}));
    for (std::size_t i = 0; i < 2; ++i) {
        const double v = solid_checks::volume(solids[i].body);
        EXPECT_NEAR(solid_checks::volume(back.solids[i]), v, 1e-9 * v);
        const auto box = solid_checks::bounding_box(solids[i].body);
        const auto box_back = solid_checks::bounding_box(back.solids[i]);
        for (int k = 0; k < 6; ++k) EXPECT_NEAR(box_back[k], box[k], 1e-6) << i << " " << k;
        const double centre = i == 0 ? 0.0 : n.a;
        EXPECT_NEAR(0.5 * (box[0] + box[3]), centre, 0.05 * n.da[i]);
        EXPECT_NEAR(box[2], -0.5 * solids[i].face_width, 1e-6);
        EXPECT_NEAR(box[5], 0.5 * solids[i].face_width, 1e-6);
    }

    const double tooth = solid_checks::volume(solids[0].body) / n.z[0];
    const double rb1 = n.db[0] / 2;
    for (int k = 0; k < 5; ++k) {
        SolidRequest turned;
        turned.thickness = ThicknessChoice::Upper;  // Ess < 0: thinner than nominal
        turned.pinion_turn = n.pbt / rb1 * k / 5;
        const auto at = solids_of(form, turned);
        const double common = solid_checks::common_volume(at[0].body, at[1].body);
        EXPECT_GE(common, 0.0) << k;
        EXPECT_LT(common, 1e-9 * tooth) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(SpurAndHelical, PairInMesh, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 0 ? "Spur" : "Helical");
                         });

}  // namespace
}  // namespace gp

namespace gp {
namespace {

int run_solid(std::vector<std::string> args, std::string& out, std::string& err) {
    args.insert(args.begin(), "solid");
    std::ostringstream o, e;
    const int status = run_solid_mode(args, o, e);
    out = o.str();
    err = e.str();
    return status;
}

// The batch tool's solid mode: usage faults name the option and write nothing;
// several rows become one file per row, a row that cannot be made is named.
TEST(SolidMode, OptionsRowsAndFiles) {
    std::string out, err;
    for (const auto& [args, said] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--gear", "3"}, "bad --gear 3"},
             {{"--bore", "-1"}, "bad --bore -1"},
             {{"--chamfer", "1,5"}, "bad --chamfer 1,5"},
             {{"--angle", "inf"}, "bad --angle inf"},
             {{"--thickness", "thick"}, "bad --thickness thick"},
             {{"--colour", "red"}, "unknown option --colour"},
             {{"--out"}, "option --out needs a value"}}) {
        EXPECT_EQ(run_solid(args, out, err), 2) << said;
        EXPECT_NE(err.find(said), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }

    const auto dir = std::filesystem::temp_directory_path() / "gearpair-solid-mode-test";
    std::filesystem::remove_all(dir);
    const auto input = dir.string() + ".csv";
    {
        std::ofstream f(input, std::ios::binary);
        // The spur example twice, the second with a bore wider than its root circle.
        std::string text = kPairs;
        text = text.substr(0, text.find("96,"));
        f << text << text.substr(text.find('\n') + 1);
    }
    EXPECT_EQ(run_solid({"--gear", "1", "--bore", "10", "--chamfer", "0.5", "--out", dir.string(),
                         input},
                        out, err),
              0);
    EXPECT_TRUE(err.empty()) << err;
    EXPECT_TRUE(std::filesystem::exists(dir / "row1-gear1.step"));
    EXPECT_TRUE(std::filesystem::exists(dir / "row2-gear1.step"));
    EXPECT_EQ(run_solid({"--gear", "1", "--bore", "40", "--out", dir.string(), input}, out, err), 0);
    EXPECT_EQ(err, "row 1: " + msg::solid::gear_refused(0, msg::solid::bore_too_large("40", "35.32")) +
                       "\nrow 2: " +
                       msg::solid::gear_refused(0, msg::solid::bore_too_large("40", "35.32")) + "\n");
    std::filesystem::remove_all(dir);
    std::filesystem::remove(input);
}

}  // namespace
}  // namespace gp
