// What the sizing (方案设计) tells its user: the faults of the requirements, the
// counts of a run, the window's captions and questions, and the batch tool's
// sizing help. Same style as the rest of the registry: plain UTF-8 strings and
// small functions over already formatted parts.
#pragma once

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

}  // namespace gp::msg::sizing
