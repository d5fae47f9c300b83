// The form's checks before a calculation: fields that are not numbers or are
// missing, inputs that make a calculation degenerate and values no gear can have.
#pragma once

#include <string>

namespace gp::msg {

namespace detail {

// The checks of the form before a calculation.
inline constexpr const char* kNotNumbers = "以下参数不是数字（含有字母或符号）：";
inline constexpr const char* kGeometryNeeds = "计算齿轮参数需要填写以下参数：";
inline std::string field_not_a_number(const std::string& caption) {
    return caption + "不是数字（含有字母或符号）";
}
inline std::string strength_needs(const std::string& torque_caption) {
    return "计算齿轮强度需要填写" + torque_caption + "（kgf·m）";
}

// The inputs that make a calculation degenerate, as a bracketed list
// "（输入中法向模数为 0，螺旋角为 90°）".
inline constexpr const char* kDegenerateOpen = "（输入中";
inline constexpr const char* kDegenerateSeparator = "，";
inline constexpr const char* kDegenerateClose = "）";
inline std::string beyond_range(const std::string& caption) {
    return caption + "的数值超出计算范围";
}
inline std::string is_right_angle(const std::string& caption) { return caption + "为 90°"; }
inline std::string is_zero(const std::string& caption) { return caption + "为 0"; }

// Typed values no gear can have, named before the step that failed:
// "法向模数为 -2：模数必须大于 0".
inline constexpr const char* kModuleNotPositive = "模数必须大于 0";
inline constexpr const char* kFaceWidthNotPositive = "齿宽必须大于 0";
inline constexpr const char* kTeethNotPositive = "齿数必须大于 0";
inline constexpr const char* kPressureAngleOutside = "压力角必须在 0° 与 90° 之间";
inline constexpr const char* kHelixAngleOutside = "螺旋角必须在 −90° 与 90° 之间";
inline constexpr const char* kAddendumNegative = "齿顶高系数不能为负";
inline constexpr const char* kClearanceNegative = "顶隙系数不能为负";
inline constexpr const char* kFilletNegative = "齿根圆角半径不能为负";
inline std::string impossible_value(const std::string& caption, const std::string& typed,
                                    const char* rule) {
    return caption + "为 " + typed + "：" + rule;
}
inline constexpr const char* kImpossibleSeparator = "；";
inline std::string impossible_then(const std::string& impossible, const std::string& step) {
    return impossible + "。" + step;
}

}  // namespace detail

namespace sheet {

// The notice strip under a sheet when a typed value is impossible.
inline std::string impossible_value(const std::string& explanation) {
    return "注意：" + explanation + "。这样的齿轮并不存在，表中的结果没有实际意义。";
}

}  // namespace sheet

}  // namespace gp::msg
