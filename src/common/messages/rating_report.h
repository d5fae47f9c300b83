// The rating's report and its material page: the words of the 输入数据 group, the
// material classes and lines of ISO 6336-5, the oil grades, and why a hardness
// or a choice is refused.
#pragma once

#include <string>

namespace gp::msg::rating_report {

// The material codes of ISO 6336-5 Table 1 with their Chinese names.
struct CodeName {
    const char* code;
    const char* name;
};
inline constexpr CodeName kCodeNames[] = {
    {"St", "正火低碳钢"},           {"V", "调质锻钢"},
    {"V-cast", "调质铸钢"},         {"GG", "灰铸铁"},
    {"GGG", "球墨铸铁"},            {"GTS", "黑心可锻铸铁"},
    {"Eh", "渗碳淬火钢"},           {"IF", "感应或火焰淬火钢"},
    {"NT", "渗氮钢"},       {"NV", "渗氮调质钢"},
    {"NV-nc", "氮碳共渗调质钢"},
};
inline constexpr CodeName kTypeNames[] = {
    {"wrought", "锻轧钢"},
    {"cast", "铸钢"},
    {"carbon", "碳钢"},
    {"alloy", "合金钢"},
    {"core25-lower", "心部 ≥25 HRC 下限"},
    {"core25-upper", "心部 ≥25 HRC 上限"},
    {"core30", "心部 ≥30 HRC"},
};
inline constexpr const char* kQualityTip =
    "ISO 6336-5 材料质量等级：ML 最低要求，MQ 有经验的制造者以适当成本可达到，ME 高可靠制造与检验";

inline std::string hardness_out_of_range(const std::string& what, const std::string& range,
                                         const std::string& typed) {
    return "表面硬度 " + typed + " 超出" + what + "直线的适用范围 " + range + "，请修改";
}
// Between the two ends of a hardness range: "200～360 HV".
inline constexpr const char* kRangeDash = "～";
// The tool tip of the lines used: their formulas in the hardness x of their unit.
inline std::string line_formulas(const std::string& contact, const std::string& bending,
                                 const std::string& unit) {
    return "σHlim = " + contact + "，σFlim = " + bending + "（x：" + unit + "）\n";
}
// A quantity's name, symbol and unit as its tool tip reads: "齿面接触应力 σH（N/mm²）".
inline std::string quantity_tip(const std::string& name, const std::string& symbol,
                                const std::string& unit) {
    return name + (symbol.empty() ? "" : " " + symbol) + (unit.empty() ? "" : "（" + unit + "）");
}
inline constexpr const char* kContactLine = "接触疲劳极限";
inline constexpr const char* kBendingLine = "弯曲疲劳极限";
inline std::string not_convertible(const std::string& typed, const std::string& range) {
    return "表面硬度 " + typed + " 超出硬度换算表（ISO 18265 表 A.1）的范围 " + range + "，无法换算";
}
inline constexpr const char* kNoLine = "所选材料类别、类型与质量等级在 ISO 6336-5 中没有对应直线";
inline std::string line_text(int row, const std::string& formula, const std::string& range) {
    return "ISO 6336-5:2016 表1 第" + std::to_string(row) + "行：" + formula + "（" + range + "）";
}

// The oil by its ISO 3448 viscosity grade.
inline constexpr const char* kOilGrade = "润滑油黏度等级";
inline constexpr const char* kOilGradeOwn = "（自定 ν40）";
inline constexpr const char* kOilGradeTip =
    "ISO 3448 黏度等级：ISO VG 后的数字即 40 °C 时的中值运动黏度 ν40（mm²/s）；也可直接输入 ν40";

// The material page.
inline constexpr const char* kClass = "材料类别";
inline constexpr const char* kLineClass = "材料（ISO 6336-5）";
inline constexpr const char* kType = "类型";
inline constexpr const char* kQuality = "质量等级";
inline constexpr const char* kHardness = "表面硬度";
inline constexpr const char* kLineUsed = "所用直线";
inline constexpr const char* kOwnLimits = "自定";
inline constexpr const char* kLinesSource =
    "σHlim、σFlim 按 ISO 6336-5:2016 表1 的直线 σ = A·x + B 由表面硬度 x 求得；"
    "HRC 与 HBW 按 ISO 18265:2013 表 A.1 换算为直线所用的单位";
inline constexpr const char* kNoPresets =
    "常用牌号预设未提供：公开资料中找不到两个相互独立的标准或手册对其热处理与硬度范围给出一致的数据";

// The sheet's 输入数据 group.
inline constexpr const char* kInputGroup = "输入数据";
inline constexpr const char* kDefault = "缺省";
inline constexpr const char* kComputed = "计算";
inline constexpr const char* kOwnMaterial = "自定（未选直线）";
inline constexpr const char* kStale = "已过期：输入已改动，请重新计算（F8）";
inline std::string power_at(const std::string& kw, const std::string& n1) {
    return kw + " kW（n1 = " + n1 + " r/min）";
}
inline std::string set_by(const char* gear, const char* failure) {
    return std::string("T1max 由") + gear + failure + "决定";
}
inline constexpr const char* kByContact = "齿面接触";
inline constexpr const char* kByBending = "齿根弯曲";
inline std::string report_written(const std::string& path) { return "校核报告已保存到 " + path; }

// The rows of 输入数据: the same words as the input form and the rating page.
inline constexpr const char* kInPair = "齿轮副";
inline constexpr const char* kInDuty = "工况";
inline constexpr const char* kInMaterial = "材料";
inline constexpr const char* kInSurface = "润滑与表面";
inline constexpr const char* kInKnown = "载荷系数与最小安全系数";
inline constexpr const char* kTeeth = "齿数";
inline constexpr const char* kModule = "法向模数";
inline constexpr const char* kPressureAngle = "法向压力角";
inline constexpr const char* kHelix = "螺旋角";
inline constexpr const char* kFaceWidth = "工作齿宽";
inline constexpr const char* kCentreDistance = "中心距";
inline constexpr const char* kShift = "法向变位系数";
inline constexpr const char* kTip = "齿顶圆直径";
inline constexpr const char* kRoot = "齿根圆直径";
inline constexpr const char* kGrade = "精度等级（ISO 1328-1）";
inline constexpr const char* kTorque = "主动齿轮扭矩";
inline constexpr const char* kPower = "传递功率";
inline constexpr const char* kSpeed = "主动齿轮转速";
inline constexpr const char* kApplication = "使用系数";
inline constexpr const char* kLife = "要求寿命";
inline constexpr const char* kEndurance = "无限寿命";
inline constexpr const char* kLifeFactor10 = "10¹⁰次循环寿命系数";
inline constexpr const char* kLine = "ISO 6336-5 直线";
inline constexpr const char* kContactLimit = "接触疲劳极限";
inline constexpr const char* kBendingLimit = "弯曲疲劳极限";
inline constexpr const char* kModulus = "弹性模量";
inline constexpr const char* kPoisson = "泊松比";
inline constexpr const char* kDensity = "密度";
inline constexpr const char* kBrinell = "布氏硬度";
inline constexpr const char* kOil = "润滑油运动黏度";
inline constexpr const char* kFlankRoughness = "齿面粗糙度";
inline constexpr const char* kRootRoughness = "齿根粗糙度";
inline constexpr const char* kTipRelief = "齿顶修缘量";
inline constexpr const char* kRim = "轮缘厚度";
inline constexpr const char* kSolid = "实心";
inline constexpr const char* kKv = "动载系数";
inline constexpr const char* kKHb = "齿向载荷分布系数";
inline constexpr const char* kKHa = "齿间载荷分配系数";
inline constexpr const char* kSHmin = "接触强度最小安全系数";
inline constexpr const char* kSFmin = "弯曲强度最小安全系数";
inline constexpr const char* kFlankHardness = "齿面布氏硬度";
inline constexpr const char* kNoWorkHardening = "不计（ZW = 1）";
inline constexpr const char* kShaft = "小齿轮轴的布置";
inline constexpr const char* kNoShaft = "不计轴的变形";
inline constexpr const char* kSpan = "轴承跨距";
inline constexpr const char* kOffset = "偏置量";
inline constexpr const char* kShaftDiameter = "小齿轮轴径";
inline constexpr const char* kHelixModification = "齿向修形";
inline constexpr const char* kPowerShare = "功率分配";
inline constexpr const char* kRatedAsPinion = "按小齿轮校核的齿轮";
inline constexpr const char* kFewerTeeth = "（齿数较少）";
inline std::string lines_used(int contact_row, int bending_row) {
    return "表1 第" + std::to_string(contact_row) + "、" + std::to_string(bending_row) + "行";
}

// The report's title block and verdict.
inline constexpr const char* kReportTitle = "齿轮承载能力校核计算书";
inline std::string program_line(const std::string& version) { return "GearPair " + version; }
inline constexpr const char* kAllMet = "校核结论：两齿轮的齿面接触与齿根弯曲安全系数均满足最小安全系数";
inline std::string not_met(const std::string& which) { return "校核结论：不满足——" + which; }
inline constexpr const char* kResults = "计算结果";
inline constexpr const char* kPageNumbers = "第 %1 页，共 %2 页";
// The title block's labels on the printed page.
inline constexpr const char* kDateLabel = "日期";
inline constexpr const char* kProgramLabel = "程序";
inline constexpr const char* kMethodLabel = "计算方法";

// What an empty field of the rating page takes, shown in the field.
inline constexpr CodeName kPlaceholders[] = {
    {"n1", "必填"},   {"KA", "1"},      {"Lh", "无限寿命"}, {"YN10", "0.85"}, {"SHmin", "1"},
    {"SFmin", "1"},   {"Q", "6"},       {"Ca", "计算"},     {"mat", "Eh"},    {"sHlim", "1500"},
    {"sFlim", "500"}, {"E", "206000"},  {"nu", "0.3"},      {"rho", "7830"},  {"nu40", "220"},
    {"Ra", "1"},      {"RzF", "6×Ra"}, {"sR", "实心"},      {"Kv", "计算"},   {"KHb", "计算"},
    {"KHa", "计算"},  {"HB", "不计"},     {"shaft", "不计"},  {"hmod", "none"}, {"k", "100"},
};
// The usual minimum safety factors, added to the tool tips of SHmin and SFmin.
// Where a value of the rating sheet comes from, under its name in the value's tool tip.
inline constexpr const char* kFromInputs =
    "输入数据：校核参数页与输入表中填写的值；标“缺省”者为该栏空白时所取的值";
inline constexpr const char* kFromGeometry = "由输入表的齿轮副按 ISO 21771 与 ISO 6336-1:2006 计算";
inline constexpr const char* kFromLoadFactors =
    "ISO 6336-1:2006 方法B；齿向载荷分布系数按方法C（计入小齿轮轴的变形与齿向修形）";
inline constexpr const char* kFromPitting = "ISO 6336-2:2006 方法B（齿面接触强度）";
inline constexpr const char* kFromBending = "ISO 6336-3:2006 方法B（齿根弯曲强度）";
inline constexpr const char* kFromCapacity = "安全系数等于最小安全系数时的主动齿轮扭矩（ISO 6336-2/-3）";
inline constexpr const char* kFromGiven = "给定：校核参数页中填写的值，未按标准计算";
inline constexpr const char* kSHminRange =
    "\n常用值：低可靠度 0.85，一般可靠度 1.00～1.10，较高可靠度 1.25～1.30，高可靠度 1.50～1.60"
    "（GB/T 3480 附录的参考值；ISO 6336-1 规定由供需双方商定）";
inline constexpr const char* kSFminRange =
    "\n常用值：低可靠度 1.00，一般可靠度 1.25，较高可靠度 1.60，高可靠度 2.00"
    "（GB/T 3480 附录的参考值；ISO 6336-1 规定由供需双方商定）";

}  // namespace gp::msg::rating_report
