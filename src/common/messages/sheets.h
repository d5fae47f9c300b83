// The calculation sheets' context menu and the geometry sheet's own actions.
#pragma once

namespace gp::msg {

namespace sheet {

inline constexpr const char* kCopyAll = "复制全部结果";
inline constexpr const char* kPrintPreview = "打印预览…";
inline constexpr const char* kPrintTo = "打印到…";
inline constexpr const char* kExportPdf = "导出 PDF…";
inline constexpr const char* kMeshPicture = "啮合图";
inline constexpr const char* kCarryShift = "把变位系数填入输入表";
inline constexpr const char* kCarryShiftTip = "把变位系数填入输入表（F7）";

}  // namespace sheet

}  // namespace gp::msg
