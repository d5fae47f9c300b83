// The shell's own texts: the closing message and what the user is told when a
// report could not be saved or printed.
#pragma once

#include <string>

namespace gp::shell_msg {

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

// A fault of the program itself in one of a sheet's tasks (打印, 保存, 复制 …).
inline std::string task_fault(const std::string& task, const std::string& what) {
    return task + "未能完成（程序内部错误：" + what + "）";
}

}  // namespace gp::shell_msg
