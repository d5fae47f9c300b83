// Report files, printing and PDF export.
#pragma once

#include <string>

namespace gp::msg {

namespace output {

// The report files the sheets' 保存结果 appends to.
inline constexpr const char* kGeometryReportFile = "齿轮参数结果Tolmaren.txt";
inline constexpr const char* kStrengthReportFile = "齿轮强度结果Tolmaren.txt";

// Why a file could not be written.
inline std::string folder_missing(const std::string& folder) {
    return "文件夹" + folder + "不存在";
}
inline constexpr const char* kPathIsFolder = "该路径是一个文件夹";
inline constexpr const char* kReadOnlyDisk = "磁盘是只读的";
inline constexpr const char* kNoWritePermission = "没有写入该文件的权限";
inline std::string cannot_open(const std::string& system_error) {
    return "无法打开该文件（" + system_error + "）";
}
inline constexpr const char* kDiskFull = "磁盘空间不足";
inline std::string write_failed(const std::string& system_error) {
    return "写入失败（" + system_error + "）";
}
inline std::string cannot_write(const std::string& path) { return "无法写入" + path; }

// Why a print failed.
inline constexpr const char* kNoPrinter = "没有安装打印机";
inline std::string printer_failed(const std::string& printer, const std::string& reason) {
    return "打印机" + printer + "无法打印：" + reason;
}
inline constexpr const char* kReasonSeparator = "；";
inline constexpr const char* kJobNotStarted = "打印作业无法开始";
inline constexpr const char* kJobNotFinished = "打印作业无法完成";
inline constexpr const char* kJobNotCompleted = "打印作业未能完成";
inline constexpr const char* kNoNewPage = "无法开始新的一页";

// The print and export dialogs.
inline std::string preview_title(const std::string& report_title) {
    return "打印预览 - " + report_title;
}
inline constexpr const char* kPrintToTitle = "打印到";
inline constexpr const char* kExportPdfTitle = "导出 PDF";
inline constexpr const char* kPdfFilter = "PDF 文件 (*.pdf)";

// The message boxes' only button.
inline constexpr const char* kOk = "确定";

}  // namespace output

}  // namespace gp::msg
