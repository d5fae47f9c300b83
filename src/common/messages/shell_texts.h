// The shell: closing the program, saving and printing a sheet, its own faults;
// the form as a whole (新建, 撤销, 重做 and the steps they name).
#pragma once

#include <string>

namespace gp::msg {

namespace shell {

// The closing message names the geometry report file; its two sentences are
// separated by a lone carriage return.
inline std::string closing(const std::string& geometry_report_path) {
    return "计算的相应结果已经储存到" + geometry_report_path + "中，请前往查看" + "\r" +
           "请注意，为了避免混乱，请您将该文件改名另存。谢谢合作";
}

inline std::string not_saved(const std::string& path, const std::string& reason) {
    return "结果未能保存到" + path + "：" + reason;
}

inline std::string printed_to_pdf(const std::string& why_not_printed, const std::string& pdf) {
    return "计算单未能打印（" + why_not_printed + "），已存为PDF文件：" + pdf;
}

inline std::string not_printed(const std::string& reason) {
    return "计算单未能打印，也未能存为PDF文件：" + reason;
}

inline std::string internal_fault(const std::string& what) {
    return "计算未能完成（程序内部错误：" + what + "）";
}

// A print dialog's printer, or the chosen PDF file, failed.
inline std::string not_printed_to(const std::string& reason) { return "计算单未能打印：" + reason; }
inline std::string not_exported(const std::string& reason) {
    return "计算单未能存为PDF文件：" + reason;
}

// A fault of the program itself in one of a sheet's tasks, named by the task.
inline constexpr const char* kTaskReport = "计算单";
inline constexpr const char* kTaskPrint = "打印";
inline constexpr const char* kTaskExport = "导出";
inline constexpr const char* kTaskSave = "保存";
inline constexpr const char* kTaskCopy = "复制";
inline constexpr const char* kUnknownFault = "未知错误";
inline std::string task_fault(const std::string& task, const std::string& what) {
    return task + "未能完成（程序内部错误：" + what + "）";
}

// The desktop program started where no window can be shown (standard error).
inline constexpr const char* kNoDisplaySet = "DISPLAY 和 WAYLAND_DISPLAY 均未设置";
inline std::string display_unreachable(const std::string& display) {
    return "无法连接 DISPLAY=" + display;
}
inline std::string no_display(const std::string& problem) {
    return "gearpair: 找不到图形显示（" + problem + "）\n";
}

// --- The 计算 menu --------------------------------------------------------------
inline constexpr const char* kComputeMenu = "计算(&C)";
inline constexpr const char* kComputeGeometryAction = "计算齿轮参数";
inline constexpr const char* kComputeStrengthAction = "计算齿轮强度";
// --- end of the 计算 menu -------------------------------------------------------

}  // namespace shell

// ---------------------------------------------------------------------------
// The form as a whole: 新建, the 编辑 menu's 撤销 and 重做, and the names of the
// steps they undo and redo
// ---------------------------------------------------------------------------
namespace editing {

inline constexpr const char* kNewAction = "新建";
inline constexpr const char* kEditMenu = "编辑(&E)";
inline constexpr const char* kUndoAction = "撤销";
inline constexpr const char* kRedoAction = "重做";
// The menu entry names the step it undoes or redoes: "撤销 清空".
inline std::string undo_action(const std::string& step) {
    return step.empty() ? kUndoAction : std::string(kUndoAction) + " " + step;
}
inline std::string redo_action(const std::string& step) {
    return step.empty() ? kRedoAction : std::string(kRedoAction) + " " + step;
}

// Steps.
inline constexpr const char* kStepNew = "新建";
inline constexpr const char* kStepClear = "清空";
inline constexpr const char* kStepCarryShift = "填入变位系数";
inline constexpr const char* kStepOption = "选择变位系数分配";
inline std::string step_open(const std::string& file_name) { return "打开" + file_name; }
// Typing in one field names the field ("输入中心距"); in several, just "输入".
inline std::string step_typing(const std::string& caption) { return "输入" + caption; }

}  // namespace editing

}  // namespace gp::msg
