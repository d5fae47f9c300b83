// The rating window: its entry in the 计算 menu, its input page, its result sheet
// "承载能力校核结果" and the ways out of it.
#pragma once

#include "messages/glossary.h"

#include <string>

namespace gp::msg {

namespace rating_window {

// The form's 计算 menu entry of the rating window.
inline constexpr const char* kOpenRating = "承载能力校核（ISO 6336）…";

inline constexpr const char* kTitle = "承载能力校核（ISO 6336）";
inline constexpr const char* kInputPage = "校核参数";
inline constexpr const char* kSheetTitle = "承载能力校核结果";
inline constexpr const char* kNoResultYet = "尚未计算：填好校核参数后按“计 算”（F8）";

// The buttons under both pages.
inline constexpr const char* kCompute = "计 算";
inline constexpr const char* kComputeTip =
    "按输入表当前的参数与本页的校核参数进行校核（F8）；输入表改动后请重新计算";
inline constexpr const char* kCopy = "复 制";
inline constexpr const char* kPreview = "打印预览…";
inline constexpr const char* kPrint = "打 印";
inline constexpr const char* kPdf = "导出 PDF…";
inline constexpr const char* kSaveText = "保存报告…";
inline constexpr const char* kClose = "关 闭";

// The input page's groups.
inline constexpr const char* kGroupPair = "齿轮副（取自输入表，只读）";
inline constexpr const char* kGroupDuty = "工况";
inline constexpr const char* kGroupAccuracy = "精度";
inline constexpr const char* kGroupMaterial = "材料";
inline constexpr const char* kGroupSurface = "润滑与表面";
inline constexpr const char* kGroupStructure = "结构";
inline constexpr const char* kGroupShaft = "轴与齿向修形";
inline constexpr const char* kGroupKnown = "已知系数（空白时计算）";
// The columns of the driving and the driven gear, in the glossary's words.
inline constexpr const char* kDriving = glossary::kDriving;
inline constexpr const char* kDriven = glossary::kDriven;

// The material page: no line chosen, the limits as typed.
inline constexpr const char* kMaterialOwn = "（自定）";

// One rating input on the page: its caption, unit and tool tip. Per-gear inputs are
// named by their column without the gear's digit.
struct RatingFieldText {
    const char* key;
    const char* caption;
    const char* unit;
    const char* tip;
};
inline constexpr RatingFieldText kRatingFieldTexts[] = {
    {"n1", "主动齿轮转速 n1", "r/min", "主动齿轮（输入表的齿轮1）的转速，必须填写"},
    {"KA", "使用系数 KA", "", "外部载荷超过名义载荷的系数；空白取 1"},
    {"Lh", "要求寿命 Lh", "h", "要求的工作小时数；空白按无限寿命（寿命系数 ZNT = YNT = 1）"},
    {"YN10", "10¹⁰次循环寿命系数", "", "寿命系数在 10¹⁰ 次循环时的值：0.85（一般）～1（材料、润滑、制造最佳）；空白取 0.85"},
    {"SHmin", "最小安全系数 SHmin", "", "齿面接触疲劳的最小安全系数；空白取 1"},
    {"SFmin", "最小安全系数 SFmin", "", "齿根弯曲疲劳的最小安全系数；空白取 1"},
    {"Q", "精度等级 Q（ISO 1328-1）", "", "ISO 1328-1:1995 精度等级，0～12 的整数；空白取 6。输入表的精度代号不参与校核"},
    {"Ca", "齿顶修缘量 Ca", "µm", "齿顶修缘量；空白按跑合可达到的修缘量计算"},
    {"mat", "材料类别", "", "ISO 6336-5 材料类别：St 正火结构钢，V 调质钢，GG 灰铸铁，GGG 球墨铸铁，GTS 可锻铸铁，Eh 渗碳淬火钢，IF 火焰或感应淬火钢，NT 渗氮钢，NV 氮碳共渗钢；空白取 Eh"},
    {"sHlim", "接触疲劳极限 σHlim", "N/mm²", "试验齿轮的接触疲劳极限（ISO 6336-5）；空白取 1500"},
    {"sFlim", "弯曲疲劳极限 σFlim", "N/mm²", "试验齿轮的齿根弯曲疲劳极限 σFlim = σFE/2（ISO 6336-5）；空白取 500"},
    {"E", "弹性模量 E", "N/mm²", "材料的弹性模量；空白取 206000"},
    {"nu", "泊松比 ν", "", "材料的泊松比，0～0.5；空白取 0.3"},
    {"rho", "密度 ρ", "kg/m³", "材料密度，用于动载系数；空白取 7830"},
    {"nu40", "润滑油运动黏度 ν40", "mm²/s", "润滑油在 40 °C 时的运动黏度；空白取 220"},
    {"Ra", "齿面粗糙度 Ra", "µm", "齿面算术平均粗糙度；空白取 1"},
    {"RzF", "齿根粗糙度 Rz", "µm", "齿根过渡曲面的平均粗糙度深度；空白取 6 × Ra"},
    {"sR", "轮缘厚度 sR", "mm", "齿根圆以下的轮缘厚度；空白按实心齿轮（YB = 1）"},
    {"HB", "齿面布氏硬度 HB", "HBW", "用于齿面工作硬化系数 ZW：调质钢、正火钢或铸铁齿轮与硬齿面齿轮啮合时；空白取 ZW = 1"},
    {"shaft", "小齿轮轴的布置", "", "小齿轮（齿数较少的齿轮，不论主动或从动）在轴上的布置，ISO 6336-1 的五种布置 a～e（常数 K′：a 0.48/0.8，b −0.48/−0.8，c 1.33/1.33，d −0.36/−0.6，e −0.6/−1.0）；空白不计轴的变形"},
    {"l", "轴承跨距 l", "mm", "小齿轮轴两轴承之间的距离；给定轴的布置时须填写"},
    {"s", "偏置量 s", "mm", "小齿轮齿宽中点到跨距中点的距离，0～l/2；给定轴的布置时须填写"},
    {"dsh", "小齿轮轴径 dsh", "mm", "小齿轮轴的外径；给定轴的布置时须填写"},
    {"hmod", "齿向修形", "", "小齿轮的齿向修形：none 无，crown 鼓形，corr 螺旋线修正，corrcrown 修正加鼓形，end 端部修薄；空白取 none"},
    {"k", "功率分配 k", "%", "通过本啮合的功率占输入功率的百分比，0～100；空白取 100"},
    {"Kv", "动载系数 Kv", "", "已知时填写（不小于 1），空白按方法B计算"},
    {"KHb", "齿向载荷分布系数 KHβ", "", "已知时填写（不小于 1），空白按简化方法C计算"},
    {"KHa", "齿间载荷分配系数 KHα", "", "已知时填写（不小于 1，KFα 取同值），空白按方法B计算"},
};

// The pair as the form holds it, shown read-only on the input page.
inline std::string pair_teeth(const std::string& z1, const std::string& z2) {
    return "齿数 z1 / z2：" + z1 + " / " + z2;
}
inline std::string pair_module(const std::string& mn, const std::string& alpha,
                               const std::string& beta) {
    return "法向模数 mn = " + mn + " mm，法向压力角 αn = " + alpha + "°，螺旋角 β = " + beta + "°";
}
inline std::string pair_size(const std::string& a, const std::string& b) {
    return "中心距 a = " + a + " mm，工作齿宽 b = " + b + " mm";
}
inline std::string pair_shift(const std::string& x1, const std::string& x2) {
    return "法向变位系数 x1 / x2（输入值）：" + x1 + " / " + x2;
}
inline std::string pair_torque(const std::string& kgfm, const std::string& nm) {
    return "主动齿轮扭矩 T1 = " + kgfm + " kgf·m = " + nm + " N·m";
}
inline constexpr const char* kNotANumberShown = "（不是数字）";
inline constexpr const char* kEmptyShown = "（空）";

// The result sheet.
inline constexpr const char* kColumnName = "名称";
inline constexpr const char* kColumnSymbol = "符号";
inline constexpr const char* kColumnUnit = "单位";
inline constexpr const char* kDrawingNumber = "图号";
inline constexpr const char* kSafetyGroup = "安全系数校核";
inline constexpr const char* kMet = "满足";
inline constexpr const char* kNotMet = "不满足";
inline std::string contact_safety(const std::string& minimum) {
    return "齿面接触疲劳安全系数（SHmin = " + minimum + "）";
}
inline std::string bending_safety(const std::string& minimum) {
    return "齿根弯曲疲劳安全系数（SFmin = " + minimum + "）";
}
inline constexpr const char* kKvRange = "转速所处区域";
inline std::string capacity_line(const std::string& t1max_nm, const std::string& t1max_kgfm,
                                 const std::string& n1, const std::string& power_kw) {
    return "极限扭矩 T1max = " + t1max_nm + " N·m（" + t1max_kgfm + " kgf·m），n1 = " + n1 +
           " r/min 时可传递功率 P = " + power_kw + " kW";
}
inline constexpr const char* kNoCapacity = "未求得极限扭矩 T1max";
inline std::string duty_line(const std::string& t1_nm, const std::string& power_kw) {
    return "工作扭矩 T1 = " + t1_nm + " N·m，传递功率 P = " + power_kw + " kW";
}
inline constexpr const char* kWarningsHeading = "注意：";

// The text report.
inline constexpr const char* kSaveTextTitle = "保存承载能力校核报告";
inline constexpr const char* kTextFilter = "文本文件 (*.txt)";
inline constexpr const char* kTextFileName = "承载能力校核.txt";
inline std::string text_not_saved(const std::string& path, const std::string& reason) {
    return "校核报告未能保存到" + path + "：" + reason;
}
inline constexpr const char* kTaskRating = "承载能力校核";

}  // namespace rating_window

}  // namespace gp::msg
