#include "geometry_report.h"

#include <array>
#include <string_view>

#include "geometry_result.h"
#include "report_lines.h"
#include "report_rows.h"

namespace gp {
namespace {

using G = GearPairInput;
constexpr RowKind kPair = RowKind::Pair;
constexpr RowKind kSingle = RowKind::Single;
// A value label by its position in the geometry table, found while compiling: a
// misspelt name does not build.
consteval ItemSource label(std::string_view name) { return label_at(geometry_label(name)); }

// The form's data first (the quantities the pair shares written in both columns),
// then the sheet's 29 rows in the sheet's order.
constexpr std::array<ReportRow, 42> kRows = {{
    {"        图  号        ", kPair, input(&G::th1), input(&G::th2)},
    {"  精度等级及偏差代号  ", kPair, input(&G::jd1), input(&G::jd2)},
    {"        中心距        ", kPair, input(&G::zxja), input(&G::zxja)},
    {"       工作齿宽       ", kPair, input(&G::ckbw), input(&G::ckbw)},
    {"        齿  数        ", kPair, input(&G::cs1z1), input(&G::cs2z2)},
    {"       法向模数       ", kPair, input(&G::fmn), input(&G::fmn)},
    {"      法向压力角      ", kPair, input(&G::fjafn), input(&G::fjafn)},
    {"     分度圆螺旋角     ", kPair, input(&G::lxjbt), input(&G::lxjbt)},
    {"      齿顶高系数      ", kPair, input(&G::h0), input(&G::h0)},
    {"       齿根系数       ", kPair, input(&G::c0), input(&G::c0)},
    {"      齿厚上偏差      ", kPair, input(&G::ess1), input(&G::ess2)},
    {"      齿厚下偏差      ", kPair, input(&G::esi1), input(&G::esi2)},
    {"   齿圈径向跳动公差   ", kPair, input(&G::fr1), input(&G::fr2)},
    {"    法向变位系数和    ", kSingle, label("xn0"), {}},
    {"     法向变位系数     ", kPair, label("xn1"), label("xn2")},
    {"      分度圆直径      ", kPair, label("d1"), label("d2")},
    {"       基圆直径       ", kPair, label("db1"), label("db2")},
    {"      齿顶圆直径      ", kPair, label("da1"), label("da2")},
    {"      齿根圆直径      ", kPair, label("df1"), label("df2")},
    {"        齿顶高        ", kPair, label("ha1"), label("ha2")},
    {"        齿全高        ", kPair, label("h1"), label("h2")},
    {"        导  程        ", kPair, label("pz1"), label("pz2")},
    {"   分度圆法向弧齿厚   ", kPair, label("sn1"), label("sn2")},
    {"    齿顶端面弧齿厚    ", kPair, label("sta1"), label("sta2")},
    {"  标准齿轮理论弧齿厚  ", kPair, label("snb1"), label("snb2")},
    {"    不根切最小齿数    ", kPair, label("zmin1"), label("zmin2")},
    {"    啮合起始圆直径    ", kPair, label("dc1"), label("dc2")},
    {"齿根过渡曲线起始圆直径", kPair, label("dff1"), label("dff2")},
    {"     齿顶干涉指标     ", kPair, label("btf1"), label("btf2")},
    {"       量棒直径       ", kPair, label("dp1"), label("dp2")},
    {"        跨棒距        ", kPair, label("m1"), label("m2")},
    {"     跨棒距上偏差     ", kPair, label("ems1"), label("ems2")},
    {"     跨棒距下偏差     ", kPair, label("emi1"), label("emi2")},
    {"        跨齿数        ", kPair, label("k1"), label("k2")},
    {"      公法线长度      ", kPair, label("w1"), label("w2")},
    {"   公法线长度上偏差   ", kPair, label("ews1"), label("ews2")},
    {"   公法线长度下偏差   ", kPair, label("ewi1"), label("ewi2")},
    {"     滑移噪音指标     ", kPair, label("btcg1"), label("btcg2")},
    {"     摩擦噪音指标     ", kSingle, label("btz"), {}},
    {"      端面重合度      ", kSingle, label("epsp"), {}},
    {"      轴面重合度      ", kSingle, label("epsbt"), {}},
    {"       总重合度       ", kSingle, label("eps"), {}},
}};

// Font sizes of the printed sheet, in points.
constexpr double kTopGapSize = 10;
constexpr double kTitleSize = 16;
constexpr double kHeadsSize = 13;
constexpr double kUnderHeadsSize = 11;
constexpr double kRowSize = 13;
constexpr double kHairlineSize = 0.3;  // the thin gap between two rows
constexpr double kStampSize = 9;

}  // namespace

ReportDocument build_geometry_report(const GearPairInput& form, const LabelTexts& sheet,
                                     const ReportStamp& when) {
    ReportDocument doc;
    doc.title = "齿  轮  计  算  单";
    doc.drawing_numbers = {form.th1, form.th2};
    auto& lines = doc.lines;
    lines.push_back(empty_line(kTopGapSize));
    lines.push_back(title_line(kTitleSize, doc.title));
    lines.push_back(empty_line(kTopGapSize));
    lines.push_back(heads_line(kHeadsSize));
    lines.push_back(empty_line(kUnderHeadsSize));
    append_rows(lines, kRows, ReportSources{form, sheet, nullptr}, kRowSize, kHairlineSize);
    lines.push_back(stamp_line(kStampSize, when));
    return doc;
}

}  // namespace gp
