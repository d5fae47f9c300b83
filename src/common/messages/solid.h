// The gears as solids for CAD: why a solid cannot be made, the mesh window's 3D
// export, the batch tool's `solid` mode.
#pragma once

#include <string>

namespace gp::msg::solid {

inline constexpr const char* gear_name(int gear) { return gear == 0 ? "主动齿轮" : "从动齿轮"; }

// Why there is no solid.
inline constexpr const char* kNotAvailable =
    "此版本未包含三维模型（STEP）导出：编译时未找到 Open CASCADE";
inline std::string bad_face_width(int gear, const std::string& typed) {
    return std::string(gear_name(gear)) + "的工作齿宽须为正数才能生成三维模型：ck" +
           std::to_string(gear + 1) + " = “" + typed + "”";
}
inline std::string bore_too_large(const std::string& bore, const std::string& root) {
    return "内孔直径 " + bore + " mm 须小于齿根圆直径 " + root + " mm";
}
inline std::string chamfer_too_large(const std::string& chamfer, const std::string& limit) {
    return "齿顶倒角 " + chamfer + " mm 过大：须小于 " + limit +
           " mm（全齿高和半个齿宽中较小者）";
}
inline constexpr const char* kBuildFailed = "三维模型生成失败：几何内核未能构成封闭的实体";
inline constexpr const char* kStepFailed = "STEP 文件未能生成";
inline std::string gear_refused(int gear, const std::string& reason) {
    return std::string(gear_name(gear)) + "：" + reason;
}

// The mesh window.
inline constexpr const char* kExportSolid = "导出三维模型 (STEP)…";
inline constexpr const char* kExportPinion = "主动齿轮…";
inline constexpr const char* kExportWheel = "从动齿轮…";
inline constexpr const char* kExportPair = "齿轮副（图示啮合位置）…";
inline constexpr const char* kExportTitle = "导出三维模型";
inline constexpr const char* kFilter = "STEP 文件 (*.step *.stp)";
inline constexpr const char* kThicknessTitle = "齿厚";
inline std::string not_exported(const std::string& reason) { return "三维模型未能导出：" + reason; }
// File names from the drawing numbers, as the outline's: "P-101_主动齿轮_三维.step",
// "P-101_P-102_啮合_三维.step", with the thickness when it is not the nominal one.
inline std::string file_name(const std::string& stem, const std::string& thickness) {
    return stem + "_三维" + (thickness.empty() ? "" : "_" + thickness) + ".step";
}

// The batch tool.
inline constexpr const char* kCliHelp =
    "\n"
    "gearpair-cli solid [--gear 1|2|both] [--thickness nominal|upper|lower|mean]\n"
    "                   [--bore MM] [--chamfer MM] [--angle DEG] [--out DIR] [FILE]\n"
    "  每对齿轮生成三维实体（STEP AP242，单位 mm，以图号命名）。both（默认）：\n"
    "  啮合位置上的齿轮副；--angle：主动齿轮自啮合图起始位置的转角；--bore 内孔直径，\n"
    "  --chamfer 端面齿顶倒角（默认均无）。一行：STEP 写到标准输出；多行：每行一个\n"
    "  文件，写在 DIR（默认当前目录）下，名为 rowN-gear1.step、rowN-gear2.step 或\n"
    "  rowN-pair.step。\n";
inline std::string row_stop(int row, const std::string& message) {
    return "第 " + std::to_string(row) + " 行：" + message + "\n";
}
inline std::string bad_length(const std::string& option, const std::string& value) {
    return option + " 须为不小于 0 的长度（mm）：“" + value + "”";
}
inline std::string bad_angle(const std::string& value) {
    return "--angle 须为角度（度）：“" + value + "”";
}

}  // namespace gp::msg::solid
