// What the sizing (方案设计) tells its user: the faults of the requirements, the
// counts of a run, the window's captions and questions, and the batch tool's
// sizing help. Same style as the rest of the registry: plain UTF-8 strings and
// small functions over already formatted parts.
#pragma once

#include <array>
#include <string>

namespace gp::msg::sizing {

inline constexpr const char* kTitle = "方案设计";
inline constexpr const char* kBadRequirements = "方案设计的要求有误，请修改";

// `key` the requirement's key, `text` the value as typed.
inline std::string not_a_number(const std::string& key, const std::string& text) {
    return key + " 的值“" + text + "”不是数";
}
inline std::string not_whole(const std::string& key, const std::string& text) {
    return key + " 的值“" + text + "”不是整数";
}
inline std::string must_be(const std::string& key, const std::string& rule) {
    return key + " " + rule;
}
inline constexpr const char* kPositive = "应大于 0";
inline constexpr const char* kNotNegative = "不能小于 0";
inline constexpr const char* kNotBelowLeast = "不能小于其下限";
inline constexpr const char* kHelixRange = "应在 0° 到 45° 之间";
inline constexpr const char* kPressureAngleRange = "应在 0° 到 45° 之间（不含两端）";
inline constexpr const char* kToleranceRange = "应在 0 到 100 % 之间";
inline constexpr const char* kSeriesValues = "只能是 1、2 或 12";
inline constexpr const char* kSplitValues = "只能是 dx1、dx2 或 sliding";
inline constexpr const char* kTooManySteps = "的步数超过 100 万，请加大步长";
inline constexpr const char* kTooManyVariants =
    "搜索空间超过 10 万亿个方案，请缩小模数、齿数、螺旋角、齿宽或中心距的范围";
inline constexpr const char* kTorqueOrPower = "请给出扭矩 T1（N·m）或功率 P（kW）之一";
inline constexpr const char* kNotBoth = "扭矩 T1 与功率 P 只能给出一个";
inline constexpr const char* kNoRatio = "请给出传动比 i";
inline constexpr const char* kNoSpeed = "请给出主动齿轮转速 n1（1/min）";
inline constexpr const char* kCentreOneOrRange = "中心距只能给出一个值 a，或一个范围 a_min…a_max";
inline constexpr const char* kCentreRangeHalf = "中心距范围需要 a_min 和 a_max 两个值";
inline constexpr const char* kWidthOneOrRatio = "齿宽只能给出一个值 b，或齿宽系数 b/d1 的范围";

// The reading of a requirements text, line by line.
inline std::string on_line(int line, const std::string& what) {
    return "第 " + std::to_string(line) + " 行：" + what;
}
inline std::string unknown_key(const std::string& key) { return "不认识的键“" + key + "”"; }
inline std::string repeated_key(const std::string& key) { return "键“" + key + "”出现了两次"; }
inline constexpr const char* kNoComma = "应为“键,值”";

// A run's outcome.
inline constexpr const char* kEmptySpace =
    "搜索空间是空的：在给定的模数、齿数和传动比范围内没有任何方案可试";
inline constexpr const char* kNoneAdmissible = "没有一个方案满足要求";
inline std::string none_admissible_because(const std::string& failure, const std::string& count) {
    return std::string(kNoneAdmissible) + "；最常见的原因：" + failure + "（" + count + " 个方案）";
}
inline std::string first_rating_stop(const std::string& message) {
    return "第一个未能校核的方案：" + message;
}

// The reasons a variant fails, by the first check it fails.
inline constexpr const char* kFailRatio = "传动比超差";
inline constexpr const char* kFailGeometry = "几何计算不能进行";
inline constexpr const char* kFailUndercut = "根切";
inline constexpr const char* kFailThinTip = "齿顶过薄";
inline constexpr const char* kFailContact = "重合度不足";
inline constexpr const char* kFailInterference = "齿顶干涉";
inline constexpr const char* kFailRating = "承载能力不能校核";
inline constexpr const char* kFailPitting = "齿面接触安全系数不足";
inline constexpr const char* kFailBending = "齿根弯曲安全系数不足";

// The batch tool's sizing mode: its help, before the list of keys.
inline constexpr const char* kCliHelp = R"(
gearpair-cli sizing [--jobs N] [--pair FILE] [REQUIREMENTS]
  Every pair of a search space rated against requirements (方案设计). REQUIREMENTS
  (standard input when absent or "-") holds `key,value` lines; an empty value or a
  missing key takes the default. The rating inputs (materials, grades, oil, life,
  KA ...) come from the first row of the pair file FILE (its gear data are ignored;
  without --pair the rating's defaults); SHmin and SFmin given here win over it.
  Writes a header and one CSV line per admissible variant, numbers with 17
  significant digits, in the order module, z1, z2, beta, b, a; the same bytes
  whatever --jobs. Standard error gets `key,count` lines: tried, admissible and one
  per reason a variant fails, by the first check it fails (ratio, geometry_stop,
  undercut, thin_tip, contact_ratio, interference, rating_stop, pitting, bending).
  Each line typed into a pair file (z, mn, beta, b, x, a, the torque as nj =
  T1/9.80665 kgf.m, with alpha_n, h0, c0 and FILE's rating columns) rates the same
  through `gearpair-cli rating`. Exit status 0 also when no variant is admissible
  (standard error then says why), 2 for faulty requirements or usage.
  Keys (default in brackets):
)";

inline constexpr const char* kCliPairFileEmpty = "the pair file holds no pair";

// The window 方案设计: each requirement's caption beside its key.
struct KeyCaption {
    const char* key;
    const char* caption;
};
inline constexpr KeyCaption kKeyCaptions[] = {
    {"T1", "主动齿轮扭矩 T1，N·m"},
    {"P", "或功率 P，kW"},
    {"n1", "主动齿轮转速 n1，1/min"},
    {"i", "传动比 i = z2/z1"},
    {"i_tol", "传动比允差，±%"},
    {"a", "中心距 a，mm（空：自由）"},
    {"a_min", "或中心距从，mm"},
    {"a_max", "到，mm"},
    {"a_step", "步长，mm"},
    {"mn_min", "模数从，mm"},
    {"mn_max", "到，mm"},
    {"series", "模数系列（1、2 或 12）"},
    {"z1_min", "齿数 z1 从"},
    {"z1_max", "到"},
    {"beta_min", "螺旋角从，°"},
    {"beta_max", "到，°"},
    {"beta_step", "步长，°"},
    {"bd_min", "齿宽系数 b/d1 从"},
    {"bd_max", "到"},
    {"bd_step", "步长"},
    {"b", "或齿宽 b，mm"},
    {"split", "变位分配（dx1、dx2 或 sliding）"},
    {"alpha_n", "法向压力角 αn，°"},
    {"h0", "齿顶高系数"},
    {"c0", "顶隙系数"},
    {"SHmin", "最小接触安全系数 SHmin"},
    {"SFmin", "最小弯曲安全系数 SFmin"},
};

// The table's column heads, in the order of its columns (z1 … ζ2(E), then the
// smallest safety ratio).
inline constexpr std::array<const char*, 22> kColumnCaptions = {
    "z1",    "z2",       "mn，mm",    "β，°",      "b，mm",       "x1",    "x2",    "a，mm",
    "i",     "Δi，%",    "εα",        "εβ",        "εγ",          "SH1",   "SH2",   "SF1",
    "SF2",   "T1max，N·m", "质量，kg", "ζ1(A)",     "ζ2(E)",       "最小安全裕度"};
inline constexpr const char* kSuggestedFile = "方案设计.csv";

// The window 方案设计.
inline constexpr const char* kMenuAction = "方案设计…";
inline constexpr const char* kRequirementsTitle = "要求与搜索范围";
inline constexpr const char* kStart = "开始";
inline constexpr const char* kCancel = "取消";
inline constexpr const char* kFillForm = "填入输入表";
inline constexpr const char* kCopy = "复制表格";
inline constexpr const char* kSaveCsv = "另存为 CSV…";
inline constexpr const char* kKeepBy = "保留排序";
inline constexpr const char* kDescending = "从大到小";
inline constexpr const char* kPlotX = "横轴";
inline constexpr const char* kPlotY = "纵轴";
inline constexpr const char* kFilter = "筛选";
inline constexpr const char* kFilterMinSH = "SH ≥";
inline constexpr const char* kFilterMinSF = "SF ≥";
inline constexpr const char* kFilterMaxA = "a ≤";
inline constexpr const char* kFilterMaxB = "b ≤";
inline constexpr const char* kFilterMaxMass = "质量 ≤";
inline constexpr const char* kFilterColumn = "列";
inline constexpr const char* kFilterFrom = "从";
inline constexpr const char* kFilterTo = "到";
inline constexpr const char* kParetoLegend = "红色：帕累托前沿（两轴上都不被其他方案超过）";
inline constexpr const char* kCsvFilter = "CSV 文件 (*.csv)";
inline constexpr const char* kSaveTitle = "保存方案表";
inline constexpr const char* kFillUndoName = "填入方案";
inline constexpr const char* kFillTitle = "填入方案";
inline constexpr const char* kNothingChosen = "请先在表中选择一个方案";
inline constexpr const char* kBadFilter = "筛选条件里有不是数的内容，该条件未起作用";
// A variant named in a question: its teeth, module, helix angle and centre distance.
inline std::string variant_named(const std::string& z1, const std::string& z2, const std::string& mn,
                                 const std::string& beta, const std::string& a) {
    return "z1/z2 = " + z1 + "/" + z2 + "，mn = " + mn + "，β = " + beta + "°，a = " + a;
}
inline constexpr const char* kListSeparator = "，";
inline std::string confirm_fill(const std::string& pair) {
    return "用方案 " + pair +
           " 替换输入表中的齿数、模数、压力角、螺旋角、齿宽、齿顶高与顶隙系数、扭矩、"
           "变位系数、中心距和齿根圆角半径（0.38·mn）吗？其余各项保持不变，可用“撤销”恢复。";
}
inline std::string ask_large_run(const std::string& count) {
    return "将试算 " + count + " 个方案，可能需要较长时间。要开始吗？";
}
inline std::string variant_count(const std::string& count) { return "共 " + count + " 个方案待试"; }
inline std::string progress(const std::string& done, const std::string& total,
                            const std::string& found, const std::string& left) {
    return "已试 " + done + " / " + total + "，满足要求 " + found +
           (left.empty() ? std::string() : "，约剩 " + left + " 秒");
}
inline std::string finished(const std::string& tried, const std::string& found,
                            const std::string& shown, bool cancelled) {
    return std::string(cancelled ? "已取消：" : "") + "试了 " + tried + " 个方案，满足要求 " + found +
           " 个，表中列出 " + shown + " 个";
}
inline std::string failure_line(const char* failure, const std::string& count) {
    return std::string(failure) + " " + count;
}
inline constexpr const char* kSaveFailed = "方案表未能保存";
inline constexpr const char* kCouldNotStart = "方案设计未能开始";

}  // namespace gp::msg::sizing
