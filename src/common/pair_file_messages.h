// The desktop program's texts about pair files, menus and the About box, beside
// the calculations' messages in messages.h.
#pragma once

#include <string>

#include "pair_file.h"

namespace gp::pair_msg {

// Menus.
inline constexpr const char* kFileMenu = "文件(&F)";
inline constexpr const char* kOpenAction = "打开…";
inline constexpr const char* kSaveAction = "保存";
inline constexpr const char* kSaveAsAction = "另存为…";
inline constexpr const char* kExitAction = "退出";
inline constexpr const char* kViewMenu = "视图(&V)";
inline constexpr const char* kHelpMenu = "帮助(&H)";
inline constexpr const char* kAboutAction = "关于 GearPair…";
inline constexpr const char* kAboutTitle = "关于 GearPair";

// Dialogs.
inline constexpr const char* kOpenTitle = "打开齿轮副文件";
inline constexpr const char* kSaveAsTitle = "齿轮副另存为";
inline constexpr const char* kFileFilter = "齿轮副文件 (*.csv);;所有文件 (*)";
inline constexpr const char* kDefaultFileName = "齿轮副.csv";
inline constexpr const char* kOpen = "打开";
inline constexpr const char* kSave = "保存";
inline constexpr const char* kDiscard = "不保存";
inline constexpr const char* kCancel = "取消";
inline constexpr const char* kChooseRow = "文件中有多个齿轮副，请选择要打开的一行：";

inline std::string zoom_action(int percent) { return std::to_string(percent) + " %"; }

inline constexpr const char* kUntitled = "未命名的齿轮副";

inline std::string save_changes(const std::string& file_name) {
    return "保存对" + file_name + "的修改吗？";
}

// One row of a file with several pairs, named by its drawing numbers.
inline std::string row_item(int line, const std::string& th1, const std::string& th2) {
    return "第" + std::to_string(line) + "行：" + (th1.empty() ? "（无图号）" : th1) + " / " +
           (th2.empty() ? "（无图号）" : th2);
}

inline std::string not_saved(const std::string& path, const std::string& reason) {
    return "齿轮副未能保存到" + path + "：" + reason;
}

inline std::string not_opened(const std::string& path, const std::string& reason) {
    return "无法打开" + path + "：" + reason;
}

inline std::string too_large(std::size_t limit_bytes) {
    return "文件太大（齿轮副文件不超过" + std::to_string(limit_bytes / 1024) +
           " KB），不是齿轮副文件";
}

inline constexpr const char* kNoPair = "文件中只有标题行，没有齿轮副数据";

// What is wrong with a pair file, naming the line.
inline std::string problem(const PairFileError& e) {
    const std::string line = "第" + std::to_string(e.line) + "行：";
    switch (e.problem) {
        case PairFileProblem::NotText:
            return "文件含有二进制数据，不是文本格式的齿轮副文件";
        case PairFileProblem::UnknownEncoding:
            return "文件既不是UTF-8编码也不是GBK编码的文本";
        case PairFileProblem::MalformedCsv:
            switch (e.csv_fault) {
                case csv::Fault::UnclosedQuote:
                    return line + "引号没有结束";
                case csv::Fault::TextAfterQuote:
                    return line + "结束引号后面还有字符";
                case csv::Fault::QuoteInUnquoted:
                    return line + "没有用引号括起的单元格里含有引号";
            }
            break;
        case PairFileProblem::NoHeader:
            return line + "文件是空的，缺少标题行";
        case PairFileProblem::DuplicateColumn:
            return line + "列名“" + e.name + "”出现了两次";
        case PairFileProblem::UnknownColumn:
            return line + "未知的列名“" + e.name + "”";
        case PairFileProblem::WrongWidth:
            return line + "有" + std::to_string(e.cells) + "个单元格，而标题行有" +
                   std::to_string(e.header_cells) + "个";
        case PairFileProblem::BadOption:
            return line + "dx列应为dx1或dx2，而不是“" + e.name + "”";
        case PairFileProblem::CellTooLong:
            return line + "单元格超过" + std::to_string(e.limit) + "个字符";
    }
    return line + "无法读取";
}

inline std::string about(const std::string& version, const std::string& geometry_report,
                         const std::string& strength_report) {
    return "GearPair " + version +
           "\n齿轮参数及强度计算\n\n"
           "许可证：GNU通用公共许可证第3版或更高版本（GPL-3.0-or-later），详见LICENSE文件。\n"
           "本程序不提供任何担保。\n\n"
           "齿轮参数结果文件：" +
           geometry_report + "\n齿轮强度结果文件：" + strength_report;
}

}  // namespace gp::pair_msg
