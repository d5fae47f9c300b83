// Tool tips: what each form field and each sheet value means, its symbol and its
// unit; the strength case a strength sheet used; a row of a file with several pairs;
// the sheet's status line.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg {

namespace tips {

// A quantity: its meaning, symbol, unit (empty for a pure number) and a note.
// Per-gear quantities name their gear and put its number after the symbol
// ("主动齿轮分度圆直径 d1，mm").
struct Quantity {
    const char* name;
    const char* meaning;
    const char* symbol;
    const char* unit;
    const char* note = "";
};

// Form fields of the pair, by field name.
inline constexpr Quantity kPairFields[] = {
    {"zxja", "中心距", "a", "mm"},
    {"fmn", "法向模数", "mn", "mm"},
    {"fjafn", "法向压力角", "αn", "°"},
    {"lxjbt", "分度圆螺旋角", "β", "°", "直齿轮填 0"},
    {"ckbw", "工作齿宽", "b", "mm", "两齿轮相啮合的宽度"},
    {"h0", "法面齿顶高系数", "han*", "", "标准值 1"},
    {"c0", "法面顶隙系数", "cn*", "", "标准值 0.25"},
    {"nj", "主动齿轮输入扭矩", "T", "kgf·m", "标签上的“kg/m”即 kgf·m"},
};
// Form fields of one gear, by field name without its gear number (cs1z1 and
// cs2z2 are "cs?z").
inline constexpr Quantity kGearFields[] = {
    {"cs?z", "齿数", "z", ""},
    {"ess", "法向齿厚上偏差", "Ess", "mm", "带符号，通常为负值"},
    {"esi", "法向齿厚下偏差", "Esi", "mm", "带符号，通常为负值"},
    {"fr", "齿圈径向跳动公差", "Fr", "mm"},
    {"xng", "法向变位系数", "xn", "",
     "两个齿轮都填写时按所填计算；否则由中心距求出变位系数和，按所选方法分配"},
    {"dpg", "量棒（量球）直径", "dp", "mm", "可不填，由程序选取"},
    {"cgyj", "齿根圆角半径", "ρf", "mm", "强度计算用"},
    {"ck", "齿宽", "b", "mm", "强度计算用"},
    {"th", "图号", "", "", "只写入计算单"},
    {"jd", "精度等级及偏差代号", "", "", "只写入齿轮参数计算单，例如 8-7-7 HK"},
};
inline constexpr const char* kEqualStrength =
    "由中心距求出的变位系数和按两齿轮齿根弯曲强度相等分配";
inline constexpr const char* kEqualNoise = "由中心距求出的变位系数和按滑移噪音相等分配";

// Sheet values of the pair, by label name.
inline constexpr Quantity kPairValues[] = {
    {"xn0", "法向变位系数和", "xnΣ", ""},
    {"btz", "摩擦噪音指标", "", ""},
    {"epsp", "端面重合度", "εα", "", "不宜小于 1.2"},
    {"epsbt", "轴面重合度", "εβ", ""},
    {"eps", "总重合度", "εγ", "", "εγ = εα + εβ"},
    {"zxj", "中心距", "a", "mm"},
    {"zn", "主动齿轮扭矩", "T", "kgf·m"},
    {"ck", "工作齿宽", "b", "mm"},
    {"yzl1", "主动齿轮分度圆上的圆周力", "Ft", "kgf"},
    {"lx", "螺旋角系数", "", ""},
    {"jx", "倾斜接触系数", "", ""},
    {"dd", "端面重合度", "εα", ""},
    {"zd", "轴面重合度", "εβ", ""},
    {"dh", "总重合度", "εγ", ""},
    {"jc", "齿面接触应力", "σH", "kgf/mm²"},
};
// Sheet values of one gear, by label name without its gear number.
inline constexpr Quantity kGearValues[] = {
    {"pz", "导程", "pz", "mm"},
    {"d", "分度圆直径", "d", "mm"},
    {"xn", "法向变位系数", "xn", ""},
    {"db", "基圆直径", "db", "mm"},
    {"da", "齿顶圆直径", "da", "mm"},
    {"df", "齿根圆直径", "df", "mm"},
    {"ha", "齿顶高", "ha", "mm"},
    {"h", "齿全高", "h", "mm"},
    {"sn", "分度圆法向弧齿厚", "sn", "mm", "公称值"},
    {"sta", "齿顶端面弧齿厚", "sat", "mm", "不宜小于 0.25 × 法向模数"},
    {"snb", "变位系数为 0 的标准齿轮分度圆弧齿厚", "", "mm"},
    {"zmin", "不根切最小齿数", "zmin", "", "齿数少于它时根切"},
    {"dc", "啮合起始圆直径", "dc", "mm", "对方齿顶开始接触本齿面处"},
    {"dff", "齿根过渡曲线起始圆直径", "dFf", "mm"},
    {"btf", "齿顶干涉指标", "dFf/dc", "", "大于 1 时对方齿顶进入齿根过渡曲线"},
    {"btcg", "滑移噪音指标", "", ""},
    {"dp", "量棒直径", "dp", "mm"},
    {"m", "跨棒距", "M", "mm"},
    {"ems", "跨棒距上偏差", "EMs", "mm"},
    {"emi", "跨棒距下偏差", "EMi", "mm"},
    {"k", "跨齿数", "k", ""},
    {"w", "公法线长度", "W", "mm"},
    {"ews", "公法线长度上偏差", "EWs", "mm"},
    {"ewi", "公法线长度下偏差", "EWi", "mm"},
    {"ck", "齿宽", "b", "mm"},
    {"cs", "齿数", "z", ""},
    {"fm", "法向模数", "mn", "mm"},
    {"fj", "法向压力角", "αn", "°"},
    {"lxj", "分度圆螺旋角", "β", "°"},
    {"bwxs", "法向变位系数", "xn", ""},
    {"cdy", "齿顶圆直径", "da", "mm"},
    {"cgy", "齿根圆直径", "df", "mm"},
    {"cgyj", "齿根圆角半径", "ρf", "mm"},
    {"cx", "齿形系数", "YF", ""},
    {"hx", "齿面滑动阻力系数", "μ", ""},
    {"lx", "螺旋角系数", "", ""},
    {"jx", "倾斜接触系数", "", ""},
    {"yx", "齿根应力集中系数", "Kf", ""},
    {"wq", "齿根弯曲应力", "σF", "kgf/mm²"},
};

// "中心距 a，mm"; `gear` 0 or 1 for a quantity of one gear, -1 for the pair.
inline std::string quantity(const Quantity& q, int gear = -1) {
    std::string out = gear < 0 ? "" : gear_name(gear);
    out += q.meaning;
    if (*q.symbol) {
        out += std::string(" ") + q.symbol;
        if (gear >= 0) out += std::to_string(gear + 1);
    }
    if (*q.unit) out += std::string("，") + q.unit;
    if (*q.note) out += std::string("（") + q.note + "）";
    return out;
}

// The strength case a strength sheet shows, in words (0, 1, 2: jg1, jg2, jg3).
inline constexpr const char* kStrengthCases[] = {
    "计算情况一：直齿轮（β = 0，或 εγ < 2 且 εβ < 1.1）",
    "计算情况二：斜齿轮，轴面重合度 εβ ≤ 1",
    "计算情况三：斜齿轮，轴面重合度 εβ > 1",
};
inline constexpr const char* kStrengthCaseDetails[] = {
    "按直齿轮计算：齿形系数取当量直齿轮的，并计齿面滑动阻力系数。",
    "按斜齿轮计算：齿根弯曲应力计入倾斜接触系数，螺旋角系数为两齿轮共用的一个值。",
    ("按斜齿轮计算：轴面重合度大于 1.1 时齿根弯曲应力计入螺旋角系数，否则计入倾斜接触"
     "系数；倾斜接触系数为两齿轮共用的一个值。"),
};

// One row of a file with several pairs: its line, the pair's numbers as typed and
// its split rule, then its drawing numbers.
inline std::string row_item(int line, const std::string& z1, const std::string& z2,
                            const std::string& mn, const std::string& a,
                            const std::string& beta, bool equal_strength,
                            const std::string& th1, const std::string& th2) {
    const auto shown = [](const std::string& t) { return t.empty() ? std::string("—") : t; };
    return "第" + std::to_string(line) + "行：z " + shown(z1) + "/" + shown(z2) + "，mn " +
           shown(mn) + "，a " + shown(a) + "，β " + shown(beta) + "，" +
           (equal_strength ? "等强度分配" : "等噪音分配") + "，" +
           (th1.empty() ? "（无图号）" : th1) + " / " + (th2.empty() ? "（无图号）" : th2);
}

// The status line after 保存结果.
inline std::string report_appended(const std::string& path) {
    return "计算单已追加到 " + path + " 的末尾";
}

}  // namespace tips

}  // namespace gp::msg
