// The gears as solids for CAD: why a solid cannot be made, the mesh window's 3D
// export, the batch tool's `solid` mode.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg::solid {

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
inline std::string too_many_turns(const std::string& turns) {
    return "齿宽过大：轮齿沿螺旋线绕轴线转过 " + turns + " 圈，无法生成三维模型";
}
inline constexpr const char* kBuildFailed = "三维模型生成失败：几何内核未能构成封闭的实体";
inline constexpr const char* kStepFailed = "STEP 文件未能生成";
inline std::string gear_refused(int gear, const std::string& reason) {
    return std::string(gear_name(gear)) + "：" + reason;
}

// The mesh window.
// The button is short, so that the window's tool row keeps its type size on an
// 800-pixel screen; its tool tip says what it exports.
inline constexpr const char* kExportSolid = "导出 STEP…";
inline constexpr const char* kExportSolidTip =
    "导出三维模型 (STEP)：主动齿轮、从动齿轮或啮合位置的齿轮副，按所选齿厚";
inline constexpr const char* kExportPinion = "主动齿轮…";
inline constexpr const char* kExportWheel = "从动齿轮…";
inline constexpr const char* kExportPair = "齿轮副（图示啮合位置）…";
inline constexpr const char* kExportTitle = "导出三维模型";
inline constexpr const char* kFilter = "STEP 文件 (*.step *.stp)";
inline constexpr const char* kThicknessTitle = "齿厚";
inline std::string not_exported(const std::string& reason) { return "三维模型未能导出：" + reason; }
// File names, made from the outline's and the picture's (which take the drawing
// numbers): "P-101_主动齿轮_三维模型.step", "P-101_P-102_啮合图_三维模型.step".
inline constexpr const char* kOutlineNamePart = "齿形";
inline constexpr const char* kSolidNamePart = "三维模型";
inline constexpr const char* kSuffix = "step";

// The batch tool.
inline constexpr const char* kCliHelp = R"(
  gearpair-cli solid [--gear 1|2|both] [--thickness nominal|upper|lower|mean]
                     [--bore MM] [--chamfer MM] [--angle DEG] [--out DIR] [FILE]
    Each gear as a solid in a STEP file (AP242, mm), each solid a product named by
    its drawing number th1/th2: the tooth flanks and root fillets of the profile
    outline swept along the helix between the end faces of the gear's face width
    ck1/ck2 (beta > 0: gear 1 right-handed, gear 2 left-handed), centred on the z
    axis with its mid-plane at z = 0. FILE is read as in the geometry mode.
      --gear       1 or 2: that gear alone, tooth 1 on +y; both (default): the
                   pair in mesh, gear 2 at (a, 0, 0), turned as the mesh picture
      --thickness  as in the profile mode (default nominal)
      --bore       bore diameter, mm (default: none)
      --chamfer    45-degree chamfer at the tip circle of both end faces, mm
                   (default: none)
      --angle      the pinion's turn from the mesh picture's starting position,
                   degrees (default 0); the wheel turns with it
      --out        folder of the files when FILE has several rows (default: the
                   current folder; created when missing)
    One row: the STEP file on standard output. Several rows: one file per row in
    DIR, named rowN-gear1.step, rowN-gear2.step or rowN-pair.step. A row that
    cannot be made writes its message on standard error with the row number.
)";
inline std::string bad_length(const std::string& option, const std::string& value) {
    return "bad " + option + " " + value + " (a length of at least 0 mm)";
}
inline std::string bad_angle(const std::string& value) {
    return "bad --angle " + value + " (an angle in degrees)";
}
inline constexpr const char* kCliNotAvailable =
    "solids (STEP) are not available in this build: it was made without Open CASCADE";

}  // namespace gp::msg::solid
