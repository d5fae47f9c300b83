// The geometry result sheet jg: 29 rows, pinion and wheel side by side.
#include "sheet_layout.h"

namespace gp {

namespace {

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
        {"Label3", "法向变位系数和", Centred, "xn0"},
        {"lxn", "法向变位系数", Pair, "xn1", "xn2"},
        {"ld", "分度圆直径", Pair, "d1", "d2"},
        {"ldb", "基圆直径", Pair, "db1", "db2"},
        {"lda", "齿顶圆直径", Pair, "da1", "da2"},
        {"ldf", "齿根圆直径", Pair, "df1", "df2"},
        {"lha", "齿顶高", Pair, "ha1", "ha2"},
        {"lh", "齿全高", Pair, "h1", "h2"},
        {"lpz", "导  程", Pair, "pz1", "pz2"},
        {"lsn", "分度圆法向弧齿厚", Pair, "sn1", "sn2"},
        {"lsta", "齿顶端面弧齿厚", Pair, "sta1", "sta2"},
        {"lsnb", "标准齿轮理论弧齿厚", Pair, "snb1", "snb2"},
        {"lzmin", "不根切最小齿数", Pair, "zmin1", "zmin2"},
        {"ldc", "啮合起始圆直径", Pair, "dc1", "dc2"},
        {"ldff", "齿根过渡曲线起始圆直径", Pair, "dff1", "dff2"},
        {"lbtf", "齿顶干涉指标", Pair, "btf1", "btf2"},
        {"ldp", "量棒直径", Pair, "dp1", "dp2"},
        {"lm", "跨棒距", Pair, "m1", "m2"},
        {"lems", "跨棒距上偏差", Pair, "ems1", "ems2"},
        {"lemi", "跨棒距下偏差", Pair, "emi1", "emi2"},
        {"lk", "跨齿数", Pair, "k1", "k2"},
        {"lw", "公法线长度", Pair, "w1", "w2"},
        {"lews", "公法线长度上偏差", Pair, "ews1", "ews2"},
        {"lewi", "公法线长度下偏差", Pair, "ewi1", "ewi2"},
        {"lbtcg", "滑移噪音指标", Pair, "btcg1", "btcg2"},
        {"lbtz", "摩擦噪音指标", Centred, "btz"},
        {"lepsp", "端面重合度", Centred, "epsp"},
        {"lepsbt", "轴面重合度", Centred, "epsbt"},
        {"leps", "总重合度", Centred, "eps"},
    };
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
