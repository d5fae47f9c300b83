// The strength result sheets jg1, jg2 and jg3. They share their rows except for the
// factors of their calculation case: jg1 shows the equivalent spur gear's form
// factor and the sliding resistance, jg2 and jg3 the helix angle and inclined
// contact factors, jg2 with one helix factor for the pair, jg3 with one inclined
// contact factor for the pinion.
#include <cstddef>
#include <string_view>

#include "sheet_layout.h"

namespace gp {

namespace {

// A value label's position in kAllStrengthLabels, found while compiling: a
// misspelt name does not build. The rows take it to the sheet's own table.
consteval std::size_t value(std::string_view name) { return strength_label(name); }

std::vector<SheetRow> strength_rows(StrengthSheet sheet) {
    using enum ValuePlace;
    const bool spur_case = sheet == StrengthSheet::jg1;
    std::vector<SheetRow> rows = {
        {"llzxj", "中心距", Centred, value("zxj")},
        {"lzn", "主动齿轮扭矩(Kgm)", PinionOnly, value("zn")},
        {"lck", "工作齿宽", Centred, value("ck")},
        {"llck", "齿  宽", Pair, value("ck1"), value("ck2")},
        {"lcs", "齿  数", Pair, value("cs1"), value("cs2")},
        {"lfm", "法向模数", Pair, value("fm1"), value("fm2")},
        {"lfj", "法向压力角", Pair, value("fj1"), value("fj2")},
        {"llxj", "分度圆螺旋角", Pair, value("lxj1"), value("lxj2")},
        {"lbwxs", "法向变位系数", Pair, value("bwxs1"), value("bwxs2")},
        {"lcdy", "齿顶圆直径", Pair, value("cdy1"), value("cdy2")},
        {"lcgy", "齿根圆直径", Pair, value("cgy1"), value("cgy2")},
        {"lcgyj", "齿根圆角半径", Pair, value("cgyj1"), value("cgyj2")},
        {"lyzl", "主动齿轮圆周力(Kgf)", Centred, value("yzl1")},
        {"lcxxs", spur_case ? "当量直齿轮齿形系数" : "齿形系数", Pair, value("cx1"), value("cx2")},
    };
    switch (sheet) {
        case StrengthSheet::jg1:
            rows.push_back({"llxjxs", "齿面滑动阻力系数", Pair, value("hx1"), value("hx2")});
            break;
        case StrengthSheet::jg2:
            rows.push_back({"llxjxs", "螺旋角系数", Centred, value("lx")});
            rows.push_back({"lqxxs", "倾斜接触系数", Pair, value("jx1"), value("jx2")});
            break;
        case StrengthSheet::jg3:
            rows.push_back({"llxjxs", "螺旋角系数", Pair, value("lx1"), value("lx2")});
            rows.push_back({"lqxxs", "倾斜接触系数", PinionOnly, value("jx")});
            break;
    }
    rows.insert(rows.end(), {
                                {"lpz", "齿根应力集中系数", Pair, value("yx1"), value("yx2")},
                                {"lsn", "端面重合度", Centred, value("dd")},
                                {"lsta", "轴面重合度", Centred, value("zd")},
                                {"lsnb", "总重合度", Centred, value("dh")},
                                {"lzmin", "齿根弯曲应力", Pair, value("wq1"), value("wq2")},
                                {"ldc", "齿面接触应力", Centred, value("jc")},
                            });
    // From the positions among all strength labels to those in this sheet's table,
    // once per sheet.
    for (SheetRow& row : rows) {
        row.pinion = position_on_sheet(sheet, row.pinion);
        if (row.wheel != kNoValue) row.wheel = position_on_sheet(sheet, row.wheel);
    }
    return rows;
}

SheetLayout make_strength_layout(StrengthSheet sheet) {
    SheetLayout l{};
    l.window_name = sheet_name(sheet).data();
    l.title = "计算结果";
    // jg3 stands 240 twips further left than the other two.
    const int shift = sheet == StrengthSheet::jg3 ? -240 : 0;
    l.pinion_heading_name = "Label5";
    l.heading_top = sheet == StrengthSheet::jg2 ? 60 : 0;
    l.caption_left = 240 + shift;
    l.caption_width = 1815;
    l.pinion_left = 2160 + shift;
    l.wheel_left = 4440 + shift;
    l.centred_left = 3300 + shift;
    l.value_width = 2055;
    l.label_height = 195;
    l.pinion_heading_left = l.pinion_left;
    l.wheel_heading_left = l.wheel_left;
    l.heading_width = l.value_width;
    l.heading_height = l.label_height;
    l.first_row_top = sheet == StrengthSheet::jg2 ? 480 : 420;
    l.row_pitch = 240;
    l.rows = strength_rows(sheet);
    l.values = &blank_strength_labels(sheet);
    l.button_height = 375;
    switch (sheet) {
        case StrengthSheet::jg1:
            l.inner_width = 6840;
            l.inner_height = 6345;
            l.button_top = 5760;
            l.back = {480, 735};
            l.print = {2040, 735};
            l.save = {3480, 975};
            l.exit = {5280, 735};
            break;
        case StrengthSheet::jg2:
            l.inner_width = 6840;
            l.inner_height = 6465;
            l.button_top = 6000;
            l.back = {840, 855};
            l.print = {2280, 855};
            l.save = {3840, 975};
            l.exit = {5400, 855};
            break;
        case StrengthSheet::jg3:
            l.inner_width = 6615;
            l.inner_height = 6540;
            l.button_top = 6000;
            l.back = {600, 855};
            l.print = {1920, 855};
            l.save = {3480, 975};
            l.exit = {4920, 855};
            break;
    }
    return l;
}

}  // namespace

const SheetLayout& strength_sheet_layout(StrengthSheet sheet) {
    static const SheetLayout jg1 = make_strength_layout(StrengthSheet::jg1);
    static const SheetLayout jg2 = make_strength_layout(StrengthSheet::jg2);
    static const SheetLayout jg3 = make_strength_layout(StrengthSheet::jg3);
    return sheet == StrengthSheet::jg1 ? jg1 : sheet == StrengthSheet::jg2 ? jg2 : jg3;
}

}  // namespace gp
