// The user manual: its place in the 帮助 menu and its window.
#pragma once

namespace gp::msg {

namespace manual {

inline constexpr const char* kManualAction = "使用说明";
inline constexpr const char* kWindowTitle = "GearPair 使用说明";
// Shown in the window when neither the installed manual nor the built-in copy can
// be read.
inline constexpr const char* kMissing = "找不到使用说明文件。";

}  // namespace manual

}  // namespace gp::msg
