// What every room of the message registry needs: the program's titles, the
// messages a calculation stops with, the names of the two gears, and the details
// of an arithmetic fault or of a field that is not a number.
//
// The registry is split by room (geometry, strength, rating, contour, mesh, files,
// cli …), one header each under src/common/messages/, so that a changed word
// rebuilds only the files that show it. A room whose name is also a window's
// header (shell, rating_window) takes "_texts", so that no two headers share a name. Texts with parts are small functions over
// the parts, already formatted by the caller (numbers as the caller shows them).
// Plain C++ strings, UTF-8; the Qt layer converts at its call sites. The fixed
// layout texts of the form, the sheets, the reports and the drawings' axes and
// legends live beside their layouts.
#pragma once

#include "messages/glossary.h"

#include <array>
#include <string>
#include <string_view>

namespace gp::msg {

// ---------------------------------------------------------------------------
// Titles and the calculations' stops
// ---------------------------------------------------------------------------

inline constexpr const char* kNoticeTitle = "提示";
inline constexpr const char* kAppTitle = "齿轮参数及强度计算";

inline constexpr const char* kLettersOrSymbols = "您输入的参数里含有字母或符号，请修改";
inline constexpr const char* kIncomplete = "您输入的参数不完全，请继续输入";
inline constexpr const char* kNoTorque = "您没有输入扭矩参数，请输入";
inline constexpr const char* kCannotCompute = "您输入的参数无法计算，请重新输入";
inline constexpr const char* kPinAngleInaccurate = "量棒中心所在圆的压力角无法在指定精度下计算";
inline constexpr const char* kMeaninglessStrength =
    "计算结果没有意义（齿顶圆不大于齿根圆，或齿厚、系数、应力不为正值），请检查输入的参数";

// Every message a calculation can stop with.
inline constexpr std::array<std::string_view, 6> kStopMessages = {
    kLettersOrSymbols, kIncomplete,         kNoTorque,
    kCannotCompute,    kPinAngleInaccurate, kMeaninglessStrength};

// Gear 0 drives, gear 1 is driven; the explanations name them so.
inline constexpr const char* gear_name(int gear) {
    return gear == 0 ? glossary::kDriving : glossary::kDriven;
}

// ---------------------------------------------------------------------------
// What a stretch of a calculation is doing, for the detail of an arithmetic
// fault inside it ("计算端面重合度时除数为 0").
// ---------------------------------------------------------------------------
namespace step {

inline constexpr const char* kReadInputs = "读取输入参数";
inline constexpr const char* kDisplayValues = "把结果换算成显示数值";

}  // namespace step

// ---------------------------------------------------------------------------
// The details of a stop: what failed, with the values that matter. Numbers come
// formatted by detail_number.
// ---------------------------------------------------------------------------
namespace detail {

inline constexpr const char* kDivisionByZero = "除数为 0";
inline constexpr const char* kNegativeRoot = "对负数开平方";
inline constexpr const char* kOutOfRange = "数值超出计算范围";
inline constexpr const char* kSomeCalculation = "计算";
inline constexpr const char* kNumberOutOfRange = "（超出范围）";

// "计算端面重合度时除数为 0".
inline std::string fault_while(const std::string& step, const char* fault) {
    return step + "时" + fault;
}

// A field read as a number where one is required: one wording for each fault the
// one reader finds (number_fault_text).
inline constexpr const char* kSomeInput = "输入的参数";
inline std::string not_filled(const std::string& what) { return what + "未填写，它必须是一个数"; }
inline std::string not_a_number(const std::string& what) {
    return what + "不是一个数（含有字母或符号）";
}
inline std::string beyond_range(const std::string& caption) {
    return caption + "的数值超出计算范围";
}

}  // namespace detail

}  // namespace gp::msg
