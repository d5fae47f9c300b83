// The strength calculation: the stretches it names in an arithmetic fault and
// the details of a result without meaning.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg {

// ---------------------------------------------------------------------------
// What a stretch of a calculation is doing, for the detail of an arithmetic
// fault inside it ("计算端面重合度时除数为 0").
// ---------------------------------------------------------------------------
namespace step {

// Strength.
inline constexpr const char* kReferenceGeometry = "计算分度圆、齿顶圆、齿根圆、基圆直径和啮合角";
inline constexpr const char* kTangentialForce = "计算圆周力";
inline constexpr const char* kContactRatios = "计算端面重合度和轴面重合度";
inline constexpr const char* kRootThickness = "计算齿根危险截面（齿根过渡曲线起点）的齿厚";
inline constexpr const char* kStressConcentrationConstants = "计算齿根应力集中系数的常数";
inline constexpr const char* kFilletCurvature = "计算齿根过渡曲线的曲率半径";
inline constexpr const char* kBending = "计算齿形系数、齿根应力集中系数和齿根弯曲应力";
inline constexpr const char* kBendingBelowOne =
    "计算齿根弯曲应力（端面重合度小于 1，其整数部分为 0）";
inline constexpr const char* kContactStress = "计算齿面接触应力";

}  // namespace step

// ---------------------------------------------------------------------------
// The details of a stop: what failed, with the values that matter. Numbers come
// formatted by detail_number.
// ---------------------------------------------------------------------------
namespace detail {

// Strength results without meaning, listed one after another.
inline constexpr const char* kFindingSeparator = "；";
inline constexpr const char* kRootThickness = "齿根危险截面齿厚";
inline constexpr const char* kFormFactor = "齿形系数";
inline constexpr const char* kStressConcentration = "齿根应力集中系数";
inline constexpr const char* kRootStress = "齿根弯曲应力";
// "主动齿轮齿形系数 YF1 = -0.5 不为正值".
inline std::string not_positive(int gear, const char* caption, const char* symbol,
                                const std::string& value) {
    return std::string(gear_name(gear)) + caption + " " + symbol + std::to_string(gear + 1) +
           " = " + value + " 不为正值";
}
inline std::string tip_not_above_root(int gear, const std::string& da, const std::string& df) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "齿顶圆直径 da" + n + " = " + da +
           " 不大于齿根圆直径 df" + n + " = " + df;
}
inline std::string contact_stress_not_positive(const std::string& sigma_h) {
    return "齿面接触应力 σH = " + sigma_h + " 不为正值";
}
inline constexpr const char* kZeroTorque = "（主动齿轮输入扭矩 T = 0）";
inline std::string strength_uses_typed_shifts(const std::string& xn1, const std::string& xn2) {
    return "。强度计算只使用输入表中填写的法向变位系数（xn1 = " + xn1 + "，xn2 = " + xn2 +
           "，未填写按 0 计），不使用齿轮参数计算得出的变位系数；可在齿轮参数结果表上用"
           "“把变位系数填入输入表”把它们填入";
}

}  // namespace detail

}  // namespace gp::msg
