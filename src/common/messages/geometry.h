// The geometry calculation: the stretches it names in an arithmetic fault, the
// details of its stops, the limits a result breaks and the notice of shifts that do
// not match the centre distance.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg {

// ---------------------------------------------------------------------------
// What a stretch of a calculation is doing, for the detail of an arithmetic
// fault inside it ("计算端面重合度时除数为 0").
// ---------------------------------------------------------------------------
namespace step {

// Geometry.
inline constexpr const char* kTransverse = "计算端面压力角、端面模数和分度圆直径";
inline constexpr const char* kWorkingAngle = "计算基圆直径和啮合角";
inline constexpr const char* kProfileShift = "计算法向变位系数";
inline constexpr const char* kGearSizes = "计算齿顶圆直径、齿根圆直径和齿高";
inline constexpr const char* kToothThickness = "计算分度圆法向弧齿厚和齿顶端面弧齿厚";
inline constexpr const char* kPinMeasurement = "计算量棒直径和跨棒距";
inline constexpr const char* kSpanMeasurement = "计算跨齿数和公法线长度";
inline constexpr const char* kMinTeeth = "计算不根切最小齿数";
inline constexpr const char* kStartOfActiveProfile = "计算啮合起始圆直径";
inline constexpr const char* kRootFormCircle = "计算齿根过渡曲线起始圆直径";
inline constexpr const char* kTipInterference = "计算齿顶干涉指标";
inline constexpr const char* kTransverseContactRatio = "计算端面重合度";
inline constexpr const char* kOverlapRatio = "计算轴面重合度";
inline constexpr const char* kFrictionNoise = "计算摩擦噪音指标";
inline constexpr const char* kSlipNoise = "计算滑移噪音指标";

}  // namespace step

// ---------------------------------------------------------------------------
// The details of a stop: what failed, with the values that matter. Numbers come
// formatted by detail_number.
// ---------------------------------------------------------------------------
namespace detail {

// Geometry.
inline std::string tip_inside_base_circle(int gear, const std::string& da, const std::string& db) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "的齿顶圆在基圆以内：齿顶圆直径 da" + n + " = " + da +
           "，小于基圆直径 db" + n + " = " + db;
}
inline std::string pin_angle_not_converged(int gear, const std::string& dp,
                                           const std::string& inv_alpha_m) {
    return std::string(gear_name(gear)) +
           "量棒中心所在圆的压力角迭代达不到 1e-12 的精度：量棒直径 dp" + std::to_string(gear + 1) +
           " = " + dp + "，inv αM = " + inv_alpha_m;
}
inline constexpr const char* kPinCentreInsideBase = "（小于 0：量棒中心落在基圆以内，量棒太小）";
inline std::string centre_distance_too_small(const std::string& a, const std::string& smallest,
                                             const std::string& a0) {
    return "中心距 a = " + a + " 小于该齿轮副能够啮合的最小中心距 " + smallest +
           "（两基圆半径之和；标准中心距 a0 = " + a0 + "）";
}

}  // namespace detail

// ---------------------------------------------------------------------------
// Limits a geometry result breaks, on the geometry sheet's value and its tool tip;
// numbers come formatted by detail_number
// ---------------------------------------------------------------------------
namespace limits {

inline std::string undercut(int gear, const std::string& z, const std::string& zmin) {
    return std::string(gear_name(gear)) + "根切：齿数 z" + std::to_string(gear + 1) + " = " + z +
           " 少于不根切最小齿数 " + zmin +
           "。\n加工时刀具切去齿根处的渐开线，齿根变弱，啮合长度变短；可增大变位系数或齿数。";
}
inline std::string tip_interference(int gear, const std::string& index) {
    return std::string(gear_name(gear)) + "齿顶干涉指标 " + index + " 大于 1。\n" +
           gear_name(1 - gear) +
           "的齿顶进入本齿轮的齿根过渡曲线，运转时卡住或啃伤齿根；可改变变位系数或减小齿顶高。";
}
inline std::string pointed_tip(int gear, const std::string& sta) {
    return std::string(gear_name(gear)) + "齿顶变尖：齿顶端面弧齿厚 " + sta +
           " mm 不为正值。\n两侧齿廓在齿顶圆以下相交，这样的齿轮做不出来；可减小变位系数或齿顶高。";
}
inline std::string thin_tip(int gear, const std::string& sta, const std::string& least) {
    return std::string(gear_name(gear)) + "齿顶过薄：齿顶端面弧齿厚 " + sta +
           " mm 小于 0.25 × 法向模数 = " + least +
           " mm。\n齿顶易崩裂，热处理时易淬透变脆；可减小变位系数或齿顶高。";
}
inline std::string low_contact_ratio(const std::string& eps) {
    return "端面重合度 εα = " + eps +
           " 小于 1.2。\n同时啮合的齿对太少，制造和安装误差稍大就会使啮合中断，传动不平稳、噪声大。";
}
inline std::string broken_contact(const std::string& eps) {
    return "端面重合度 εα = " + eps +
           " 小于 1。\n前一对齿脱开时后一对齿尚未进入啮合，传动不连续，产生冲击；"
           "应使端面重合度不小于 1.2。";
}

}  // namespace limits

namespace sheet {

// The notice strip under a sheet. Numbers come formatted by detail_number.
inline std::string shift_not_from_centre_distance(const std::string& xn1, const std::string& xn2,
                                                  const std::string& a, const std::string& x_sum) {
    return "注意：强度计算按输入表中的变位系数 xn1 = " + xn1 + "、xn2 = " + xn2 +
           " 进行，与中心距 " + a + " 所需的变位系数和 " + x_sum +
           " 不一致。请在几何计算结果中按 F7 填入变位系数后重新计算。";
}

}  // namespace sheet

}  // namespace gp::msg
