// The mesh picture window: its tools, its files, its printing, what the picture
// says about the pair, its export names and thicknesses; a root rounding that fits
// the rack's tip.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg {

namespace mesh {

inline constexpr const char* kWindowTitle = "齿轮啮合图";

// Tools.
inline constexpr const char* kFit = "适合窗口";
inline constexpr const char* kPlay = "播放";
inline constexpr const char* kPause = "暂停";
inline constexpr const char* kTurnTip = "转动齿轮：至少一个基节";
inline constexpr const char* kSavePicture = "保存图片…";
inline constexpr const char* kPrint = "打印";
inline constexpr const char* kExportOutline = "导出齿形…";
inline constexpr const char* kExportPinion = "主动齿轮…";
inline constexpr const char* kExportWheel = "从动齿轮…";
inline constexpr const char* kTurnAngle = "转角";
inline constexpr const char* kMouseHint = "滚轮缩放，拖动平移，双击适合窗口";

// Dialogs.
inline constexpr const char* kSavePictureTitle = "保存啮合图";
inline constexpr const char* kPictureFileName = "齿轮啮合图.svg";
inline constexpr const char* kPictureFilter = "SVG 图片 (*.svg);;PNG 图片 (*.png)";
inline constexpr const char* kExportOutlineTitle = "导出齿形";
inline constexpr const char* outline_file_name(int gear) {
    return gear == 0 ? "主动齿轮齿形.dxf" : "从动齿轮齿形.dxf";
}
inline constexpr const char* kOutlineFilter =
    "DXF 文件 (*.dxf);;SVG 文件 (*.svg);;CSV 文件 (*.csv)";

// Files and printing.
inline std::string not_written(const std::string& path, const std::string& reason) {
    return "文件未能写入" + path + "：" + reason;
}
inline std::string unknown_picture_type(const std::string& path) {
    return "无法识别图片格式（请使用 .svg 或 .png）：" + path;
}
inline std::string printed_to_pdf(const std::string& why_not_printed, const std::string& pdf) {
    return "啮合图未能打印（" + why_not_printed + "），已存为PDF文件：" + pdf;
}
inline std::string not_printed(const std::string& reason) {
    return "啮合图未能打印，也未能存为PDF文件：" + reason;
}
inline std::string no_outline(const std::string& reason) { return "齿形未能导出：" + reason; }

// What the picture says about the pair; numbers come formatted as drawn.
inline std::string caption(const std::string& z1, const std::string& z2, const std::string& mn,
                           const std::string& a) {
    return "齿数 " + z1 + "/" + z2 + "，法向模数 " + mn + " mm，中心距 " + a + " mm";
}
inline std::string gear_refused(int gear, const std::string& why) {
    return std::string(gear_name(gear)) + "：" + why;
}
inline std::string undercut(int gear, const std::string& z, const std::string& zmin) {
    return std::string(gear_name(gear)) + "根切：齿数 " + z + " 少于不根切最小齿数 " + zmin +
           "，齿根过渡曲线切入渐开线齿廓";
}
inline std::string pointed(int gear, const std::string& sta) {
    return std::string(gear_name(gear)) + "齿顶变尖：齿顶端面弧齿厚 " + sta +
           " mm ≤ 0，两侧齿廓在齿顶圆以下相交";
}
// The tip of `gear`'s mate enters `gear`'s root fillet.
inline std::string tip_interference(int gear, const std::string& dc, const std::string& dff,
                                    const std::string& index) {
    return std::string("齿顶干涉：") + gear_name(1 - gear) + "的齿顶进入" + gear_name(gear) +
           "的齿根过渡曲线（啮合起始圆直径 " + dc + " mm 小于齿根过渡曲线起始圆直径 " + dff +
           " mm，干涉指标 " + index + " > 1）";
}
inline std::string points_capped(int gear, const std::string& tolerance) {
    return std::string(gear_name(gear)) + "齿形点数已达上限，弦高公差放宽至 " + tolerance + " mm";
}
inline std::string default_rounding(const std::string& radius) {
    return "齿根圆角半径未输入：取 0.38 × 模数 = " + radius + " mm";
}
inline std::string default_rounding(int gear, const std::string& radius) {
    return gear_name(gear) + default_rounding(radius);
}
inline constexpr const char* kNoPathOfContact = "没有可画的啮合线段";

// The pinion's turn from the slider's start, in degrees as formatted.
inline std::string turn_angle(const std::string& degrees) {
    return "主动齿轮转角 " + degrees + "°";
}
// The thickness the outline is exported with; the batch tool's nominal, upper,
// lower and mean, in this order.
inline constexpr const char* kThicknessTitle = "齿厚";
inline constexpr const char* thickness_name(int choice) {
    constexpr const char* names[] = {"公称", "上偏差", "下偏差", "平均"};
    return names[choice >= 0 && choice < 4 ? choice : 0];
}
inline std::string thickness_action(int choice) {
    return std::string("齿厚：") + thickness_name(choice);
}
// File names from the drawing numbers (empty ones left out): "P-101_主动齿轮_齿形.dxf",
// "P-101_P-102_啮合图.svg"; an outline of another thickness than the nominal one
// says which ("…_齿形_上偏差.dxf").
inline std::string outline_file_name(const std::string& drawing_number, int gear, int thickness) {
    std::string name = drawing_number.empty() ? "" : drawing_number + "_";
    name += std::string(gear_name(gear)) + "_齿形";
    if (thickness != 0) name += std::string("_") + thickness_name(thickness);
    return name + ".dxf";
}
inline std::string picture_file_name(const std::string& drawing_number1,
                                     const std::string& drawing_number2) {
    std::string name;
    for (const std::string* n : {&drawing_number1, &drawing_number2}) {
        if (!n->empty()) name += *n + "_";
    }
    return name.empty() ? std::string(kPictureFileName) : name + "啮合图.svg";
}
// The printed and saved page's foot, as the reports carry them.
inline std::string page_drawing_numbers(const std::string& th1, const std::string& th2) {
    return "图号 " + th1 + " / " + th2;
}
// The root fillet field was empty and 0.38 × module does not fit the rack's tip.
inline std::string fitted_rounding(const std::string& default_radius, const std::string& radius) {
    return "齿根圆角半径未输入：0.38 × 模数 = " + default_radius +
           " mm 超出齿条齿顶，取能容下的最大半径 " + radius + " mm";
}
inline std::string fitted_rounding(int gear, const std::string& default_radius,
                                   const std::string& radius) {
    return gear_name(gear) + fitted_rounding(default_radius, radius);
}

}  // namespace mesh

}  // namespace gp::msg
