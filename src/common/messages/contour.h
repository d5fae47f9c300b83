// The shift plane and its blocking contour (封闭图): the names of its limits and
// what it says about a point.
#pragma once

#include <array>
#include <string>

namespace gp::msg {

namespace contour {

// A point whose coefficient sum is below that of every centre distance.
inline std::string no_centre_distance(const std::string& x1, const std::string& x2) {
    return "变位系数 x1 = " + x1 + "、x2 = " + x2 +
           " 之和过小：无侧隙啮合的中心距将小于两基圆半径之和";
}

// The limits as a legend names them, in the order of the curves.
inline constexpr std::array<const char*, 12> kLimitCaptions = {
    "主动齿轮根切界限 (zmin1 = z1)",
    "从动齿轮根切界限 (zmin2 = z2)",
    "主动齿轮齿顶变尖 (sta1 = 0)",
    "从动齿轮齿顶变尖 (sta2 = 0)",
    "主动齿轮齿顶厚 0.25mn (sta1 = 0.25mn)",
    "从动齿轮齿顶厚 0.25mn (sta2 = 0.25mn)",
    "重合度 εα = 1",
    "重合度 εα = 1.2",
    "主动齿轮齿根干涉 (btf1 = 1)",
    "从动齿轮齿根干涉 (btf2 = 1)",
    "滑动率相等 ζ1(A) = ζ2(E)",
    "给定中心距 (x1 + x2 = xΣ)"};
inline constexpr const char* kSplitStrength = "等强度分配 (dx1)";
inline constexpr const char* kSplitNoise = "等噪声分配 (dx2)";
inline constexpr const char* kTypedPoint = "当前变位系数";
inline constexpr const char* kAdmissible = "可用区";
inline constexpr const char* kNotAdmissible = "不可用";
inline constexpr const char* kAdmissibleVerdict = "可用";

// --- The blocking-contour window ---------------------------------------------
inline constexpr const char* kWindowTitle = "变位系数选择（封闭图）";
inline constexpr const char* kMenuAction = "变位系数选择图…";
// Each curve's name where it is drawn, in the order of the curves.
inline constexpr std::array<const char*, 12> kLimitLabels = {
    "zmin1=z1", "zmin2=z2", "sta1=0",  "sta2=0", "sta1=0.25mn", "sta2=0.25mn",
    "εα=1",     "εα=1.2",   "btf1=1",  "btf2=1", "ζ1(A)=ζ2(E)", "给定中心距"};
inline constexpr const char* kSplitStrengthMark = "dx1";
inline constexpr const char* kSplitNoiseMark = "dx2";
inline constexpr const char* kTypedMark = "当前";
inline constexpr const char* kPickedPoint = "选定点";
inline constexpr const char* kConstantCentreDistance = "等中心距线 (a, mm)";
inline constexpr const char* kStopsThere = "几何计算无法进行";
inline constexpr const char* kAxisX1 = "x1（主动齿轮法向变位系数）";
inline constexpr const char* kAxisX2 = "x2（从动齿轮法向变位系数）";
inline constexpr const char* kFit = "适合窗口";
inline constexpr const char* kRecompute = "重新计算";
inline constexpr const char* kFillForm = "填入输入表";
inline constexpr const char* kSavePicture = "保存图片…";
inline constexpr const char* kPrint = "打印";
inline constexpr const char* kMouseHint =
    "滚轮缩放，拖动平移，双击适合窗口；单击选点（单击给定中心距线则在该线上选取分配）";
inline constexpr const char* kNothingPicked = "尚未选点：请在图中单击";
inline constexpr const char* kSavePictureTitle = "保存封闭图";
inline constexpr const char* kPictureFileName = "变位系数封闭图.svg";
inline constexpr const char* kCutShort = "部分曲线因计算量上限未画完整";
// The search for curves ran out of its work: some may not be drawn at all.
inline constexpr const char* kSearchCutShort = "窗口过大，搜索曲线的计算量已达上限：部分曲线可能未画出";
// The limits a point breaks, by the curve that bounds each, in the order of the
// curves (none for the sliding and the centre line); joined by kLimitJoin after
// kNotAdmissibleBecause.
inline constexpr std::array<const char*, 12> kBrokenLimits = {
    "主动齿轮根切", "从动齿轮根切", "主动齿轮齿顶变尖", "从动齿轮齿顶变尖",
    "主动齿轮齿顶厚 < 0.25mn", "从动齿轮齿顶厚 < 0.25mn", "εα < 1", "εα < 1.2",
    "主动齿轮齿根干涉", "从动齿轮齿根干涉", "", ""};
inline constexpr const char* kLimitJoin = "、";
inline constexpr const char* kNotAdmissibleBecause = "不可用：";
inline constexpr const char* kFillTitle = "填入输入表";
inline constexpr const char* kFillUndoName = "填入变位系数";
inline std::string line_label(const std::string& a) { return "a=" + a; }
inline std::string typed_line_label(const std::string& a) { return "给定 a=" + a; }
inline std::string caption(const std::string& z1, const std::string& z2, const std::string& mn,
                           const std::string& an, const std::string& beta) {
    return "齿数 " + z1 + "/" + z2 + "，法向模数 " + mn + " mm，压力角 " + an + "°，螺旋角 " +
           beta + "°";
}
inline std::string picked(const std::string& x1, const std::string& x2, const std::string& a,
                          bool on_typed_line) {
    return (on_typed_line ? "选定（给定中心距上的分配）：x1 = " : "选定：x1 = ") + x1 +
           "，x2 = " + x2 + "，a = " + a + " mm";
}
inline std::string confirm_fill(const std::string& x1, const std::string& x2,
                                const std::string& a) {
    return "把 x1 = " + x1 + "、x2 = " + x2 +
           (a.empty() ? std::string() : "和中心距 a = " + a + " mm") + " 填入输入表？";
}
inline std::string point_status(const std::string& x1, const std::string& x2,
                                const std::string& a, const std::string& limits) {
    return "x1 = " + x1 + "  x2 = " + x2 + "  a = " + a + " mm  " + limits;
}
inline std::string point_stops(const std::string& x1, const std::string& x2,
                               const std::string& why) {
    return "x1 = " + x1 + "  x2 = " + x2 + "  " + why;
}
inline constexpr const char* kNoValue = "—";
// The limits at a point, numbers formatted.
inline std::string limits_at(const std::string& eps, const std::string& sta1,
                             const std::string& sta2, const std::string& btf1,
                             const std::string& btf2, const std::string& zeta1_a,
                             const std::string& zeta2_e, const std::string& verdict) {
    return "εα = " + eps + "  sta1 = " + sta1 + "  sta2 = " + sta2 + "  btf1 = " + btf1 +
           "  btf2 = " + btf2 + "  ζ1(A) = " + zeta1_a + "  ζ2(E) = " + zeta2_e + " （" + verdict +
           "）";
}
inline std::string printed_to_pdf(const std::string& why_not_printed, const std::string& pdf) {
    return "封闭图未能打印（" + why_not_printed + "），已存为PDF文件：" + pdf;
}
inline std::string not_printed(const std::string& reason) {
    return "封闭图未能打印，也未能存为PDF文件：" + reason;
}
// --- end of the blocking-contour window --------------------------------------

}  // namespace contour

}  // namespace gp::msg
