// Pair files: the File, View and Help menus, their dialogs, what is wrong with a
// file, and the About text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gp::msg {

namespace pair_file {

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

inline std::string zoom_action(int percent) { return std::to_string(percent) + " %"; }

// Dialogs.
inline constexpr const char* kOpenTitle = "打开齿轮副文件";
inline constexpr const char* kSaveAsTitle = "齿轮副另存为";
inline constexpr const char* kFileFilter = "齿轮副文件 (*.csv);;所有文件 (*)";
inline constexpr const char* kDefaultFileName = "齿轮副.csv";
inline constexpr const char* kOpen = "打开";
// The answers to "保存对…的修改吗？", each with its key (Alt+S, Alt+N; Esc cancels).
inline constexpr const char* kSave = "保存(&S)";
inline constexpr const char* kDiscard = "不保存(&N)";
inline constexpr const char* kCancel = "取消";
inline constexpr const char* kChooseRow = "文件中有多个齿轮副，请选择要打开的一行：";
inline constexpr const char* kUntitled = "未命名的齿轮副";

inline std::string save_changes(const std::string& file_name) {
    return "保存对" + file_name + "的修改吗？";
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

// What is wrong with a pair file (put together by pair_file_problem_text); the
// problems of one line start with at_line.
inline std::string at_line(int line) { return "第" + std::to_string(line) + "行："; }
inline constexpr const char* kNotText = "文件含有二进制数据，不是文本格式的齿轮副文件";
inline constexpr const char* kUnknownEncoding = "文件既不是UTF-8编码也不是GBK编码的文本";
inline constexpr const char* kUnclosedQuote = "引号没有结束";
inline constexpr const char* kTextAfterQuote = "结束引号后面还有字符";
inline constexpr const char* kQuoteInUnquoted = "没有用引号括起的单元格里含有引号";
inline constexpr const char* kNoHeader = "文件是空的，缺少标题行";
inline std::string duplicate_column(const std::string& name) {
    return "列名“" + name + "”出现了两次";
}
inline std::string unknown_column(const std::string& name) { return "未知的列名“" + name + "”"; }
// Shown under the form after opening a file with columns no pair reads (a
// spreadsheet's notes, say): they are passed over, and saving keeps their cells.
inline std::string ignored_columns(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "“" : "、“") + name + "”";
    return "文件中的列" + list + "不是齿轮副的参数，已忽略；保存时这些单元格保持原样。";
}
inline std::string wrong_width(std::size_t cells, std::size_t header_cells) {
    return "有" + std::to_string(cells) + "个单元格，而标题行有" + std::to_string(header_cells) +
           "个";
}
inline std::string bad_option(const std::string& cell) {
    return "dx列应为dx1或dx2，而不是“" + cell + "”";
}
inline std::string cell_too_long(std::size_t limit) {
    return "单元格超过" + std::to_string(limit) + "个字符";
}
inline constexpr const char* kUnreadable = "无法读取";

inline std::string about(const std::string& version, const std::string& geometry_report,
                         const std::string& strength_report) {
    return "GearPair " + version +
           "\n齿轮参数及强度计算\n\n"
           "许可证：GNU通用公共许可证第3版或更高版本（GPL-3.0-or-later），详见LICENSE文件。\n"
           "本程序不提供任何担保。\n\n"
           "齿轮参数结果文件：" +
           geometry_report + "\n齿轮强度结果文件：" + strength_report;
}

// Saving a pair back into its row of a file that holds several.
inline std::string row_title(const std::string& file_name, int line) {
    return file_name + "（第 " + std::to_string(line) + " 行）";
}
inline constexpr const char* kOverwrite = "覆盖";
inline std::string changed_on_disk(const std::string& file_name) {
    return file_name + "在打开之后已被修改。保存将覆盖这些修改，仍要保存吗？";
}
inline std::string listed(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : "、") + item;
    return out;
}
// `columns` are the missing columns, each with its caption.
inline std::string missing_columns(const std::string& file_name,
                                   const std::vector<std::string>& columns) {
    return "文件" + file_name + "的标题行中没有" + listed(columns) +
           "这些列，保存到这个文件会丢失其中的输入。为不改动文件中的其他行，标题行保持不变；"
           "请另存为新的齿轮副文件。";
}
inline constexpr const char* kShiftOptionColumn = "dx（变位系数分配）";
inline std::string column_with_caption(const std::string& name, const std::string& caption) {
    return name + "（" + caption + "）";
}
inline std::string not_encodable(const std::string& file_name,
                                 const std::vector<std::string>& characters) {
    std::string shown;
    for (const std::string& c : characters) shown += "“" + c + "”";
    return "文件" + file_name + "是GBK编码，无法保存" +
           (shown.empty() ? std::string("这一行的文字") : "字符" + shown) +
           "。请另存为新的齿轮副文件（UTF-8编码）。";
}
inline std::string row_gone(const std::string& file_name) {
    return "文件" + file_name + "中已找不到这一行齿轮副，请另存为新的齿轮副文件。";
}

}  // namespace pair_file

}  // namespace gp::msg
