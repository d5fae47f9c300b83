// The geometry result sheet jg: 29 rows, pinion and wheel side by side.
#include <cstddef>
#include <string_view>

#include "geometry_result.h"
#include "sheet_layout.h"

namespace gp {

namespace {

// A value label's position in the geometry table, found while compiling: a
// misspelt name does not build.
consteval std::size_t value(std::string_view name) { return geometry_label(name); }

SheetLayout make_geometry_layout() {
    using enum ValuePlace;
    SheetLayout l{};
    l.window_name = "jg";
    // The caption is padded with blanks, as the sheet has always been titled.
    l.title = std::string("计算结果") + std::string(38, ' ');
    l.inner_width = 7575;
    l.inner_height = 8040;
    l.pinion_heading_name = "Label1";
    l.heading_top = 0;
    l.pinion_heading_left = 3240;
    l.wheel_heading_left = 5760;
    l.heading_width = 855;
    l.heading_height = 255;
    l.caption_left = 240;
    l.caption_width = 2055;
    l.pinion_left = 2640;
    l.wheel_left = 5160;
    l.centred_left = 3840;
    l.value_width = 2055;
    l.label_height = 195;
    l.first_row_top = 360;
    l.row_pitch = 240;
    l.rows = {
        {"Label3", "法向变位系数和", Centred, value("xn0")},
        {"lxn", "法向变位系数", Pair, value("xn1"), value("xn2")},
        {"ld", "分度圆直径", Pair, value("d1"), value("d2")},
        {"ldb", "基圆直径", Pair, value("db1"), value("db2")},
        {"lda", "齿顶圆直径", Pair, value("da1"), value("da2")},
        {"ldf", "齿根圆直径", Pair, value("df1"), value("df2")},
        {"lha", "齿顶高", Pair, value("ha1"), value("ha2")},
        {"lh", "齿全高", Pair, value("h1"), value("h2")},
        {"lpz", "导  程", Pair, value("pz1"), value("pz2")},
        {"lsn", "分度圆法向弧齿厚", Pair, value("sn1"), value("sn2")},
        {"lsta", "齿顶端面弧齿厚", Pair, value("sta1"), value("sta2")},
        {"lsnb", "标准齿轮理论弧齿厚", Pair, value("snb1"), value("snb2")},
        {"lzmin", "不根切最小齿数", Pair, value("zmin1"), value("zmin2")},
        {"ldc", "啮合起始圆直径", Pair, value("dc1"), value("dc2")},
        {"ldff", "齿根过渡曲线起始圆直径", Pair, value("dff1"), value("dff2")},
        {"lbtf", "齿顶干涉指标", Pair, value("btf1"), value("btf2")},
        {"ldp", "量棒直径", Pair, value("dp1"), value("dp2")},
        {"lm", "跨棒距", Pair, value("m1"), value("m2")},
        {"lems", "跨棒距上偏差", Pair, value("ems1"), value("ems2")},
        {"lemi", "跨棒距下偏差", Pair, value("emi1"), value("emi2")},
        {"lk", "跨齿数", Pair, value("k1"), value("k2")},
        {"lw", "公法线长度", Pair, value("w1"), value("w2")},
        {"lews", "公法线长度上偏差", Pair, value("ews1"), value("ews2")},
        {"lewi", "公法线长度下偏差", Pair, value("ewi1"), value("ewi2")},
        {"lbtcg", "滑移噪音指标", Pair, value("btcg1"), value("btcg2")},
        {"lbtz", "摩擦噪音指标", Centred, value("btz")},
        {"lepsp", "端面重合度", Centred, value("epsp")},
        {"lepsbt", "轴面重合度", Centred, value("epsbt")},
        {"leps", "总重合度", Centred, value("eps")},
    };
    l.values = &blank_geometry_labels();
    l.button_top = 7560;
    l.button_height = 375;
    l.back = {960, 735};
    l.print = {2520, 735};
    l.save = {4080, 975};
    l.exit = {5760, 735};
    return l;
}

}  // namespace

const SheetLayout& geometry_sheet_layout() {
    static const SheetLayout layout = make_geometry_layout();
    return layout;
}

}  // namespace gp
