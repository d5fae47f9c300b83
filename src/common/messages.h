// The one registry of what the program tells its user: message boxes and their
// titles, the explanations of a calculation's stops, the status and failure texts
// of files, printing and export, menus, context menus, buttons and dialog titles,
// file filters, the About text and the batch tool's own lines. Every window,
// report and batch row takes its words from here, so that the same situation is
// always worded the same way.
//
// Texts with parts are small functions over the parts, already formatted by the
// caller (numbers as the caller shows them). Plain C++ strings, UTF-8; the Qt
// layer converts at its call sites. The fixed layout texts of the form, the sheets,
// the reports and the drawings' axes and legends live beside their layouts.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gp::msg {

// ---------------------------------------------------------------------------
// Titles and the calculations' stops
// ---------------------------------------------------------------------------

inline constexpr const char* kNoticeTitle = "提示";
inline constexpr const char* kAppTitle = "齿轮参数及强度计算";

inline constexpr const char* kLettersOrSymbols = "您输入的参数里含有字母或符号，请修改";
inline constexpr const char* kIncomplete = "您输入的参数不完全，请继续输入";
inline constexpr const char* kNoTorque = "您没有输入扭矩参数，请输入";
inline constexpr const char* kCannotCompute = "您输入的参数无法计算，请重新输入";
inline constexpr const char* kPinAngleInaccurate = "量棒中心所在圆的压力角无法在指定精度下计算";
inline constexpr const char* kMeaninglessStrength =
    "计算结果没有意义（齿顶圆不大于齿根圆，或齿厚、系数、应力不为正值），请检查输入的参数";

// Every message a calculation can stop with.
inline constexpr std::array<std::string_view, 6> kStopMessages = {
    kLettersOrSymbols, kIncomplete,         kNoTorque,
    kCannotCompute,    kPinAngleInaccurate, kMeaninglessStrength};

// The tooth outline and the mesh picture, which can fail where the sheet's numbers
// still exist.
inline constexpr const char* kProfileToothCount = "齿数须为不小于3的整数，无法绘制齿形";
inline constexpr const char* kProfileTooManyTeeth = "齿数过多，无法绘制齿形";
inline constexpr const char* kRackRoundingTooLarge =
    "齿根圆角半径过大，齿条齿顶放不下，无法绘制齿形";
inline constexpr const char* kRackTooPointed =
    "齿条齿顶过尖（齿顶高系数或压力角过大），无法绘制齿形";
inline constexpr const char* kToothCutAway = "轮齿被根切切去，无法绘制齿形";
inline constexpr const char* kBadChordTolerance = "弦高公差须为正数";
inline constexpr const char* kNoContact = "两齿轮的齿顶圆未达到啮合线，没有啮合";
inline constexpr const char* kContactBeyondTangent =
    "啮合线段超出基圆切点（齿顶干涉），滑动率无法计算";
inline constexpr const char* kDxfNotAvailable = "此版本不支持 DXF 格式";

// Every message the outline and the mesh figures can stop with.
inline constexpr std::array<std::string_view, 8> kProfileStopMessages = {
    kProfileToothCount, kProfileTooManyTeeth, kRackRoundingTooLarge, kRackTooPointed, kToothCutAway,
    kBadChordTolerance, kNoContact,           kContactBeyondTangent};

// Gear 0 drives, gear 1 is driven; the explanations name them so.
inline constexpr const char* gear_name(int gear) { return gear == 0 ? "主动齿轮" : "从动齿轮"; }

// ---------------------------------------------------------------------------
// What a stretch of a calculation is doing, for the detail of an arithmetic
// fault inside it ("计算端面重合度时除数为 0").
// ---------------------------------------------------------------------------
namespace step {

inline constexpr const char* kReadInputs = "读取输入参数";
inline constexpr const char* kDisplayValues = "把结果换算成显示数值";
// Geometry.
inline constexpr const char* kTransverse = "计算端面压力角、端面模数和分度圆直径";
inline constexpr const char* kWorkingAngle = "计算基圆直径和啮合角";
inline constexpr const char* kProfileShift = "计算法向变位系数";
inline constexpr const char* kGearSizes = "计算齿顶圆直径、齿根圆直径和齿高";
inline constexpr const char* kToothThickness = "计算分度圆法向弧齿厚和齿顶端面弧齿厚";
inline constexpr const char* kPinMeasurement = "计算量棒直径和跨棒距";
inline constexpr const char* kSpanMeasurement = "计算跨齿数和公法线长度";
inline constexpr const char* kMinTeeth = "计算不根切最小齿数";
inline constexpr const char* kStartOfActiveProfile = "计算啮合起始圆直径";
inline constexpr const char* kRootFormCircle = "计算齿根过渡曲线起始圆直径";
inline constexpr const char* kTipInterference = "计算齿顶干涉指标";
inline constexpr const char* kTransverseContactRatio = "计算端面重合度";
inline constexpr const char* kOverlapRatio = "计算轴面重合度";
inline constexpr const char* kFrictionNoise = "计算摩擦噪音指标";
inline constexpr const char* kSlipNoise = "计算滑移噪音指标";
// Strength.
inline constexpr const char* kReferenceGeometry = "计算分度圆、齿顶圆、齿根圆、基圆直径和啮合角";
inline constexpr const char* kTangentialForce = "计算圆周力";
inline constexpr const char* kContactRatios = "计算端面重合度和轴面重合度";
inline constexpr const char* kRootThickness = "计算齿根危险截面（齿根过渡曲线起点）的齿厚";
inline constexpr const char* kStressConcentrationConstants = "计算齿根应力集中系数的常数";
inline constexpr const char* kFilletCurvature = "计算齿根过渡曲线的曲率半径";
inline constexpr const char* kBending = "计算齿形系数、齿根应力集中系数和齿根弯曲应力";
inline constexpr const char* kBendingBelowOne =
    "计算齿根弯曲应力（端面重合度小于 1，其整数部分为 0）";
inline constexpr const char* kContactStress = "计算齿面接触应力";

}  // namespace step

// ---------------------------------------------------------------------------
// The details of a stop: what failed, with the values that matter. Numbers come
// formatted by detail_number.
// ---------------------------------------------------------------------------
namespace detail {

inline constexpr const char* kDivisionByZero = "除数为 0";
inline constexpr const char* kNegativeRoot = "对负数开平方";
inline constexpr const char* kOutOfRange = "数值超出计算范围";
inline constexpr const char* kSomeCalculation = "计算";
inline constexpr const char* kNumberOutOfRange = "（超出范围）";

// "计算端面重合度时除数为 0".
inline std::string fault_while(const std::string& step, const char* fault) {
    return step + "时" + fault;
}

// The checks of the form before a calculation.
inline constexpr const char* kNotNumbers = "以下参数不是数字（含有字母或符号）：";
inline constexpr const char* kGeometryNeeds = "计算齿轮参数需要填写以下参数：";
inline std::string field_not_a_number(const std::string& caption) {
    return caption + "不是数字（含有字母或符号）";
}
inline std::string strength_needs(const std::string& torque_caption) {
    return "计算齿轮强度需要填写" + torque_caption + "（kgf·m）";
}

// A field read as a number where one is required.
inline constexpr const char* kSomeInput = "输入的参数";
inline std::string not_filled(const std::string& what) { return what + "未填写，它必须是一个数"; }
inline std::string not_a_number(const std::string& what) {
    return what + "不是一个数（含有字母或符号）";
}

// The inputs that make a calculation degenerate, as a bracketed list
// "（输入中法向模数为 0，螺旋角为 90°）".
inline constexpr const char* kDegenerateOpen = "（输入中";
inline constexpr const char* kDegenerateSeparator = "，";
inline constexpr const char* kDegenerateClose = "）";
inline std::string beyond_range(const std::string& caption) {
    return caption + "的数值超出计算范围";
}
inline std::string is_right_angle(const std::string& caption) { return caption + "为 90°"; }
inline std::string is_zero(const std::string& caption) { return caption + "为 0"; }

// Geometry.
inline std::string tip_inside_base_circle(int gear, const std::string& da, const std::string& db) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "的齿顶圆在基圆以内：齿顶圆直径 da" + n + " = " + da +
           "，小于基圆直径 db" + n + " = " + db;
}
inline std::string pin_angle_not_converged(int gear, const std::string& dp,
                                           const std::string& inv_alpha_m) {
    return std::string(gear_name(gear)) +
           "量棒中心所在圆的压力角迭代达不到 1e-12 的精度：量棒直径 dp" + std::to_string(gear + 1) +
           " = " + dp + "，inv αM = " + inv_alpha_m;
}
inline constexpr const char* kPinCentreInsideBase = "（小于 0：量棒中心落在基圆以内，量棒太小）";
inline std::string centre_distance_too_small(const std::string& a, const std::string& smallest,
                                             const std::string& a0) {
    return "中心距 a = " + a + " 小于该齿轮副能够啮合的最小中心距 " + smallest +
           "（两基圆半径之和；标准中心距 a0 = " + a0 + "）";
}

// Strength results without meaning, listed one after another.
inline constexpr const char* kFindingSeparator = "；";
inline constexpr const char* kRootThickness = "齿根危险截面齿厚";
inline constexpr const char* kFormFactor = "齿形系数";
inline constexpr const char* kStressConcentration = "齿根应力集中系数";
inline constexpr const char* kRootStress = "齿根弯曲应力";
// "主动齿轮齿形系数 YF1 = -0.5 不为正值".
inline std::string not_positive(int gear, const char* caption, const char* symbol,
                                const std::string& value) {
    return std::string(gear_name(gear)) + caption + " " + symbol + std::to_string(gear + 1) +
           " = " + value + " 不为正值";
}
inline std::string tip_not_above_root(int gear, const std::string& da, const std::string& df) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "齿顶圆直径 da" + n + " = " + da +
           " 不大于齿根圆直径 df" + n + " = " + df;
}
inline std::string contact_stress_not_positive(const std::string& sigma_h) {
    return "齿面接触应力 σH = " + sigma_h + " 不为正值";
}
inline constexpr const char* kZeroTorque = "（主动齿轮输入扭矩 T = 0）";
inline std::string strength_uses_typed_shifts(const std::string& xn1, const std::string& xn2) {
    return "。强度计算只使用输入表中填写的法向变位系数（xn1 = " + xn1 + "，xn2 = " + xn2 +
           "，未填写按 0 计），不使用齿轮参数计算得出的变位系数；可在齿轮参数结果表上用"
           "“把变位系数填入输入表”把它们填入";
}

// Typed values no gear can have, named before the step that failed:
// "法向模数为 -2：模数必须大于 0".
inline constexpr const char* kModuleNotPositive = "模数必须大于 0";
inline constexpr const char* kFaceWidthNotPositive = "齿宽必须大于 0";
inline constexpr const char* kTeethNotPositive = "齿数必须大于 0";
inline constexpr const char* kPressureAngleOutside = "压力角必须在 0° 与 90° 之间";
inline constexpr const char* kHelixAngleOutside = "螺旋角必须在 −90° 与 90° 之间";
inline constexpr const char* kAddendumNegative = "齿顶高系数不能为负";
inline constexpr const char* kClearanceNegative = "顶隙系数不能为负";
inline constexpr const char* kFilletNegative = "齿根圆角半径不能为负";
inline std::string impossible_value(const std::string& caption, const std::string& typed,
                                    const char* rule) {
    return caption + "为 " + typed + "：" + rule;
}
inline constexpr const char* kImpossibleSeparator = "；";
inline std::string impossible_then(const std::string& impossible, const std::string& step) {
    return impossible + "。" + step;
}

}  // namespace detail

// ---------------------------------------------------------------------------
// Pair files: the File, View and Help menus, their dialogs, what is wrong with a
// file, and the About text
// ---------------------------------------------------------------------------
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
inline constexpr const char* kSave = "保存";
inline constexpr const char* kDiscard = "不保存";
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

// ---------------------------------------------------------------------------
// The user manual: its place in the 帮助 menu and its window
// ---------------------------------------------------------------------------
namespace manual {

inline constexpr const char* kManualAction = "使用说明";
inline constexpr const char* kWindowTitle = "GearPair 使用说明";
// Shown in the window when neither the installed manual nor the built-in copy can
// be read.
inline constexpr const char* kMissing = "找不到使用说明文件。";

}  // namespace manual

// ---------------------------------------------------------------------------
// The shell: closing the program, saving and printing a sheet, its own faults
// ---------------------------------------------------------------------------
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
// The calculation sheets' context menu and the geometry sheet's own actions
// ---------------------------------------------------------------------------
namespace sheet {

inline constexpr const char* kCopyAll = "复制全部结果";
inline constexpr const char* kPrintPreview = "打印预览…";
inline constexpr const char* kPrintTo = "打印到…";
inline constexpr const char* kExportPdf = "导出 PDF…";
inline constexpr const char* kMeshPicture = "啮合图";
inline constexpr const char* kCarryShift = "把变位系数填入输入表";
inline constexpr const char* kCarryShiftTip = "把变位系数填入输入表（F7）";

// The notice strip under a sheet. Numbers come formatted by detail_number.
inline std::string shift_not_from_centre_distance(const std::string& xn1, const std::string& xn2,
                                                  const std::string& a, const std::string& x_sum) {
    return "注意：强度计算按输入表中的变位系数 xn1 = " + xn1 + "、xn2 = " + xn2 +
           " 进行，与中心距 " + a + " 所需的变位系数和 " + x_sum +
           " 不一致。请在几何计算结果中按 F7 填入变位系数后重新计算。";
}
inline std::string impossible_value(const std::string& explanation) {
    return "注意：" + explanation + "。这样的齿轮并不存在，表中的结果没有实际意义。";
}

}  // namespace sheet

// ---------------------------------------------------------------------------
// Report files, printing and PDF export
// ---------------------------------------------------------------------------
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

// ---------------------------------------------------------------------------
// The mesh picture window: its tools, its files, its printing, and what the
// picture says about the pair
// ---------------------------------------------------------------------------
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

}  // namespace mesh

// ---------------------------------------------------------------------------
// The mesh window on any screen, its export names and thicknesses; a root
// rounding that fits the rack's tip
// ---------------------------------------------------------------------------
namespace mesh {

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

namespace cli {

// `gear` the index; the radii as the stream writes a double. A whole line.
inline std::string drawn_fitted_rounding(int row, int gear, const std::string& default_radius,
                                         const std::string& radius) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) +
           ": root fillet radius empty; 0.38 x module = " + default_radius +
           " mm does not fit the rack's tip, drawn with the largest radius that fits, " + radius +
           " mm\n";
}

}  // namespace cli

// ---------------------------------------------------------------------------
// The shift plane and its blocking contour (封闭图): the names of its limits and
// what it says about a point
// ---------------------------------------------------------------------------
namespace contour {

// A point whose coefficient sum is below that of every centre distance.
inline std::string no_centre_distance(const std::string& x1, const std::string& x2) {
    return "变位系数 x1 = " + x1 + "、x2 = " + x2 +
           " 之和过小：无侧隙啮合的中心距将小于两基圆半径之和";
}

// The limits as a legend names them, in the order of the curves.
inline constexpr std::array<const char*, 12> kLimitCaptions = {
    "主动齿轮根切界限 (zmin1 = z1)",
    "从动齿轮根切界限 (zmin2 = z2)",
    "主动齿轮齿顶变尖 (sta1 = 0)",
    "从动齿轮齿顶变尖 (sta2 = 0)",
    "主动齿轮齿顶厚 0.25mn (sta1 = 0.25mn)",
    "从动齿轮齿顶厚 0.25mn (sta2 = 0.25mn)",
    "重合度 εα = 1",
    "重合度 εα = 1.2",
    "主动齿轮齿根干涉 (btf1 = 1)",
    "从动齿轮齿根干涉 (btf2 = 1)",
    "滑动率相等 ζ1(A) = ζ2(E)",
    "给定中心距 (x1 + x2 = xΣ)"};
inline constexpr const char* kSplitStrength = "等强度分配 (dx1)";
inline constexpr const char* kSplitNoise = "等噪声分配 (dx2)";
inline constexpr const char* kTypedPoint = "当前变位系数";
inline constexpr const char* kAdmissible = "可用区";
inline constexpr const char* kNotAdmissible = "不可用";

// --- The blocking-contour window ---------------------------------------------
inline constexpr const char* kWindowTitle = "变位系数选择（封闭图）";
inline constexpr const char* kMenuAction = "变位系数选择图…";
// Each curve's name where it is drawn, in the order of the curves.
inline constexpr std::array<const char*, 12> kLimitLabels = {
    "zmin1=z1", "zmin2=z2", "sta1=0",  "sta2=0", "sta1=0.25mn", "sta2=0.25mn",
    "εα=1",     "εα=1.2",   "btf1=1",  "btf2=1", "ζ1(A)=ζ2(E)", "给定中心距"};
inline constexpr const char* kSplitStrengthMark = "dx1";
inline constexpr const char* kSplitNoiseMark = "dx2";
inline constexpr const char* kTypedMark = "当前";
inline constexpr const char* kPickedPoint = "选定点";
inline constexpr const char* kConstantCentreDistance = "等中心距线 (a, mm)";
inline constexpr const char* kStopsThere = "几何计算无法进行";
inline constexpr const char* kAxisX1 = "x1（主动齿轮法向变位系数）";
inline constexpr const char* kAxisX2 = "x2（从动齿轮法向变位系数）";
inline constexpr const char* kFit = "适合窗口";
inline constexpr const char* kRecompute = "重新计算";
inline constexpr const char* kFillForm = "填入输入表";
inline constexpr const char* kSavePicture = "保存图片…";
inline constexpr const char* kPrint = "打印";
inline constexpr const char* kMouseHint =
    "滚轮缩放，拖动平移，双击适合窗口；单击选点（单击给定中心距线则在该线上选取分配）";
inline constexpr const char* kNothingPicked = "尚未选点：请在图中单击";
inline constexpr const char* kSavePictureTitle = "保存封闭图";
inline constexpr const char* kPictureFileName = "变位系数封闭图.svg";
inline constexpr const char* kCutShort = "部分曲线因计算量上限未画完整";
inline constexpr const char* kFillTitle = "填入输入表";
inline constexpr const char* kFillUndoName = "填入变位系数";
inline std::string line_label(const std::string& a) { return "a=" + a; }
inline std::string typed_line_label(const std::string& a) { return "给定 a=" + a; }
inline std::string caption(const std::string& z1, const std::string& z2, const std::string& mn,
                           const std::string& an, const std::string& beta) {
    return "齿数 " + z1 + "/" + z2 + "，法向模数 " + mn + " mm，压力角 " + an + "°，螺旋角 " +
           beta + "°";
}
inline std::string picked(const std::string& x1, const std::string& x2, const std::string& a,
                          bool on_typed_line) {
    return (on_typed_line ? "选定（给定中心距上的分配）：x1 = " : "选定：x1 = ") + x1 +
           "，x2 = " + x2 + "，a = " + a + " mm";
}
inline std::string confirm_fill(const std::string& x1, const std::string& x2,
                                const std::string& a) {
    return "把 x1 = " + x1 + "、x2 = " + x2 +
           (a.empty() ? std::string() : "和中心距 a = " + a + " mm") + " 填入输入表？";
}
inline std::string point_status(const std::string& x1, const std::string& x2,
                                const std::string& a, const std::string& limits) {
    return "x1 = " + x1 + "  x2 = " + x2 + "  a = " + a + " mm  " + limits;
}
inline std::string point_stops(const std::string& x1, const std::string& x2,
                               const std::string& why) {
    return "x1 = " + x1 + "  x2 = " + x2 + "  " + why;
}
inline constexpr const char* kNoValue = "—";
// The limits at a point, numbers formatted.
inline std::string limits_at(const std::string& eps, const std::string& sta1,
                             const std::string& sta2, const std::string& btf1,
                             const std::string& btf2, const std::string& zeta1_a,
                             const std::string& zeta2_e, bool admissible) {
    return "εα = " + eps + "  sta1 = " + sta1 + "  sta2 = " + sta2 + "  btf1 = " + btf1 +
           "  btf2 = " + btf2 + "  ζ1(A) = " + zeta1_a + "  ζ2(E) = " + zeta2_e +
           (admissible ? " （可用）" : " （不可用）");
}
inline std::string printed_to_pdf(const std::string& why_not_printed, const std::string& pdf) {
    return "封闭图未能打印（" + why_not_printed + "），已存为PDF文件：" + pdf;
}
inline std::string not_printed(const std::string& reason) {
    return "封闭图未能打印，也未能存为PDF文件：" + reason;
}
// --- end of the blocking-contour window --------------------------------------

}  // namespace contour

// ---------------------------------------------------------------------------
// The batch tool gearpair-cli: its help and the lines it writes to standard
// error
// ---------------------------------------------------------------------------
namespace cli {

inline constexpr const char* kHelp =
    R"(Usage: gearpair-cli MODE [--report [--time "YYYY-MM-DD HH:MM:SS"] | --detail] [--jobs N] [FILE]

Computes every gear pair of a CSV file, as the desktop program's buttons would.

MODE
  geometry   the geometry calculation (the "计算齿轮参数" button)
  strength   the strength calculation (the "计算齿轮强度" button)
  profile    the tooth outlines (see DRAWING MODES below)
  mesh       the path of contact and the specific sliding (see DRAWING MODES)
  contour    the blocking contour of the shift coefficients (see CONTOUR MODE)

FILE
  A CSV file (UTF-8, RFC 4180 quoting) whose first row names the columns; "-" or
  no FILE reads standard input. A pair saved by the desktop program is such a
  file. The columns are the input form's fields, in any order and any subset:
    zxja fmn fjafn lxjbt ckbw h0 c0 nj cs1z1 cs2z2 ess1 ess2 esi1 esi2 fr1 fr2
    xng1 xng2 dpg1 dpg2 cgyj1 cgyj2 ck1 ck2 th1 th2 jd1 jd2
  and dx ("dx1" equal strength, "dx2" equal noise; empty or missing: dx1).
  A missing column counts as an empty field; each cell is taken exactly as typed.

OUTPUT
  CSV on standard output, one row per input row, in order:
    geometry: status,message,pz1,pz2,d1,d2,xn0,xn1,xn2,...,ews2,ewi2
    strength: status,message,sheet,zxj,zn,ck,...,wq1,wq2,jc
  status is "ok" or "stop"; message is the calculation's message on a stop, when
  every value cell is empty. sheet is jg1, jg2 or jg3; a value the chosen sheet
  does not show is empty.

  --detail   add a last column "detail": on a stop, what failed, with the values
             that matter (empty on "ok" rows).
  --report   instead of CSV, write exactly the bytes that saving each result would
             append to the report file (GBK text, CR LF), stamped with the current
             date and time; rows that stop are named on standard error.
  --time T   stamp the reports with the local time T ("2026-12-07 14:03:05")
             instead of the current one, in the system's date and time formats
             (for reports that must come out the same on every run).
  --jobs N   compute the rows on N threads (default: one per core; a build
             without OpenMP uses one); the output is the same, byte for byte,
             whatever N is. The file is read and written a few thousand rows at
             a time, so any length fits in memory.

EXIT STATUS
  0  every row was processed (rows that stop included)
  2  bad usage, an unreadable file, malformed CSV, an unknown column or a bad dx
     value (a message on standard error names the line; nothing on standard output)
)";

inline constexpr const char* kDrawingModesHelp = R"(
DRAWING MODES
  gearpair-cli profile [--gear 1|2|both] [--format csv|dxf|svg]
                       [--thickness nominal|upper|lower|mean] [--tolerance MM]
                       [--out DIR] [FILE]
    The transverse outline of each gear as cut by its basic rack (the root fillet
    radius cgyj1/cgyj2 rounds the rack's tip corner; empty: 0.38 x module, or
    the largest radius that fits the rack's tip when that does not, said on
    standard error): all teeth, one closed counter-clockwise curve, centre at the origin, tooth 1
    symmetric about +y, in mm. FILE is read as in the geometry mode.
      --gear       which gear (default both)
      --format     csv (default): header row,gear,x,y on standard output, one line
                   per point (the first point not repeated at the end), row
                   counting the data rows from 1;
                   dxf, svg: one file per row and gear in DIR, named
                   rowN-gearG.dxf / .svg (DXF: one closed LWPOLYLINE on layer
                   GEAR1/GEAR2, the circles on layer CIRCLES, millimetres)
      --thickness  nominal (default), or the nominal thickness changed by the upper
                   or lower thickness deviation or their mean
      --tolerance  largest chord deviation from the true curve, mm (default 0.001);
                   an outline above 200000 points is drawn coarser and said so
      --out        folder of the dxf and svg files (default: the current folder;
                   created when missing)
    A row whose geometry stops, or a gear that cannot be drawn, gives no points;
    its message goes to standard error with the row number.

  gearpair-cli mesh [FILE]
    One CSV line per row: status,message,ae,t1a,t1b,t1c,t1d,t1e,zeta1_a,zeta2_a,
    zeta1_e,zeta2_e: the length of the path of contact AE, the distances of A, B,
    C, D, E from T1 along the line of action (transverse plane, mm) and the
    specific sliding of gear 1 and gear 2 at A and at E, at full precision
    (%.17g). A row that stops (also when the path of contact is empty or passes a
    base tangent point) has stop, its message and empty cells.
)";

inline constexpr const char* kContourModeHelp = R"(
CONTOUR MODE
  gearpair-cli contour [--window X1MIN X1MAX X2MIN X2MAX] [FILE]
    The blocking contour of each row's pair: the limit curves of the plane of the
    shift coefficients x1, x2, where a point is the pair with these coefficients
    at its no-backlash centre distance a(x1 + x2) (inv awt = inv at +
    2 tan an (x1 + x2)/(z1 + z2)), inside the window (default -1 2 -1 2; every
    bound within +-100). FILE is read as in the geometry mode; the typed
    centre distance and coefficients give the centre line and the points.
    One CSV line per point, header row,curve,x1,x2,a, at full precision (%.17g),
    row counting the data rows from 1, the curves in this order:
      undercut1, undercut2         zmin = z (the gear is undercut on the lower side)
      pointed1, pointed2           tip thickness sta = 0
      thin1, thin2                 sta = 0.25 x mn
      contact1, contact12          transverse contact ratio = 1 and 1.2
      interference1, interference2 tip interference index btf = 1
      sliding                      specific sliding at A on gear 1 = at E on gear 2
      centre                       x1 + x2 of the typed centre distance
    each as runs of points in order along the curve, no more than 0.01 apart,
    every point on its condition to 1e-7; a curve that leaves and re-enters the
    window, or meets points where the geometry stops, is several runs, the second
    named with "#2" (undercut1#2), and so on. Then the single points dx1 and dx2
    (the two splits of the typed centre distance) and current (the typed
    coefficients, or the split of the row's dx when they are empty).
    A row, or a point, whose geometry stops writes its message on standard error;
    so does a curve whose tracing ran out of its share of work.
)";

// A command line the tool cannot follow; the whole line, with the hint.
inline std::string usage_error(const std::string& what) {
    return "gearpair-cli: " + what + "\nTry 'gearpair-cli --help'.\n";
}
// A fault of the run as a whole; the whole line.
inline std::string error(const std::string& what) { return "gearpair-cli: " + what + "\n"; }
// A fault of the input file (named "-" for standard input); the whole line.
inline std::string file_error(const std::string& file, const std::string& what) {
    return "gearpair-cli: " + file + ": " + what + "\n";
}

// Usage.
inline constexpr const char* kJobsNeedsNumber = "--jobs needs a number";
inline std::string bad_jobs(int max_jobs, const std::string& value) {
    return "--jobs wants a whole number from 1 to " + std::to_string(max_jobs) + ", not '" + value +
           "'";
}
inline constexpr const char* kTimeNeedsTime = "--time needs a time";
inline std::string bad_time(const std::string& value) {
    return "--time '" + value + "' is not YYYY-MM-DD HH:MM:SS";
}
inline constexpr const char* kTooManyArguments = "too many arguments";
inline constexpr const char* kDetailWithReport = "--detail and --report cannot be combined";
inline constexpr const char* kNoMode = "no mode given";
inline std::string unknown_mode(const std::string& mode) { return "unknown mode '" + mode + "'"; }
inline std::string needs_value(const std::string& option) {
    return "option " + option + " needs a value";
}
// "bad --gear 3".
inline std::string bad_value(const std::string& option, const std::string& value) {
    return "bad " + option + " " + value;
}
inline std::string bad_tolerance(const std::string& value) {
    return "bad --tolerance " + value + " (a positive number of mm)";
}
inline constexpr const char* kEmptyOut = "empty --out";
inline std::string unknown_option(const std::string& option) { return "unknown option " + option; }
inline constexpr const char* kNoDxf = "DXF output is not available in this build";

// Files.
inline std::string cannot_read(const std::string& file) { return "cannot read " + file; }
inline constexpr const char* kCannotReadStdin = "cannot read standard input";
inline constexpr const char* kCannotCopyStdin = "cannot keep a copy of standard input";
inline std::string cannot_reread(const std::string& file) {
    return "cannot read " + file + " a second time";
}
inline constexpr const char* kReadingFailed = "reading failed part of the way";
inline std::string cannot_create_folder(const std::string& folder) {
    return "cannot create the folder " + folder;
}
inline std::string cannot_write(const std::string& path) { return "cannot write " + path; }

// What is wrong with the input table, naming its line.
inline std::string at_line(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}
inline std::string malformed_csv(const std::string& where) { return "malformed CSV at " + where; }
inline constexpr const char* kUnclosedQuote = "a quoted cell is not closed";
inline constexpr const char* kTextAfterQuote = "text follows the closing quote of a cell";
inline constexpr const char* kQuoteInUnquoted = "a quote inside an unquoted cell";
inline constexpr const char* kMalformedCsv = "malformed CSV";
inline constexpr const char* kNoHeader = "the header row is missing";
inline constexpr const char* kUnreadable = "cannot be read";
inline std::string column_twice(const std::string& name) {
    return "column \"" + name + "\" appears twice";
}
inline std::string unknown_column(const std::string& name) {
    return "unknown column \"" + name + "\"";
}
inline std::string wrong_width(std::size_t cells, std::size_t header_cells) {
    return std::to_string(cells) + " cells where the header has " + std::to_string(header_cells);
}
inline std::string bad_dx(const std::string& cell) {
    return "dx must be dx1 or dx2, not \"" + cell + "\"";
}

// Rows that stop or are drawn coarser; whole lines.
inline std::string row_stop(int line, const std::string& message) {
    return at_line(line, message) + "\n";
}
inline std::string drawn_row_stop(int row, const std::string& message) {
    return "row " + std::to_string(row) + ": " + message + "\n";
}
// `gear` is the index, 0 or 1; the line names gear 1 or 2.
inline std::string drawn_gear_stop(int row, int gear, const std::string& message) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) + ": " + message +
           "\n";
}
// `gear` the index as above; `tolerance` as the stream writes a double.
inline std::string drawn_coarser(int row, int gear, std::size_t max_points,
                                 const std::string& tolerance) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) + ": more than " +
           std::to_string(max_points) + " points at the tolerance asked; drawn to " + tolerance +
           " mm\n";
}

// The contour mode.
inline std::string bad_window(const std::string& values) {
    return "bad --window " + values +
           " (four numbers X1MIN X1MAX X2MIN X2MAX, each minimum below its maximum, all "
           "within +-100)";
}
inline std::string contour_point_stop(int row, const std::string& point,
                                      const std::string& message) {
    return "row " + std::to_string(row) + ", " + point + ": " + message + "\n";
}
inline std::string contour_cut_short(int row, const std::string& curve) {
    return "row " + std::to_string(row) + ", " + curve +
           ": the tracing work ran out; the curve may be incomplete\n";
}

}  // namespace cli

// ---------------------------------------------------------------------------
// The load-capacity rating (ISO 6336, method B): its refused inputs, the cells
// that are not numbers, its warnings and the batch tool's rating mode
// ---------------------------------------------------------------------------
namespace rating {

inline constexpr const char* kMethodLine = "ISO 6336-1/-2/-3:2006，方法B";
inline constexpr const char* kGiven = "给定";

// Refused inputs, in the order they are checked.
inline constexpr const char* kNoSpeed = "小齿轮转速必须大于零，请重新输入";                 // S1
inline constexpr const char* kNoTorque = "扭矩必须大于零，请重新输入";                       // S2
inline constexpr const char* kBadFactors =
    "使用系数必须大于零，给定的动载、齿向、齿间载荷系数不得小于1";                           // S3
inline constexpr const char* kBadGrade = "精度等级必须是0～12之间的整数";                    // S4
inline constexpr const char* kBadMaterial = "材料、润滑或寿命参数无效，请重新输入";          // S5
inline constexpr const char* kNoWorkingAngle = kCannotCompute;  // S6
inline constexpr const char* kTipInsideBase = "齿顶圆直径不大于基圆直径，无法计算";          // S7
inline constexpr const char* kContactOffFlank = "啮合线超出基圆切点（齿廓干涉），无法计算";  // S8
inline constexpr const char* kContactRatioBelowOne = "端面重合度小于1，无法计算";           // S8a
inline constexpr const char* kSingleContactOffFlank =
    "单齿啮合外界点超出齿廓，无法计算齿根应力";                                              // S9
inline constexpr const char* kCriticalSection =
    "齿根危险截面计算失败，请检查刀具齿根圆角与变位系数";                                    // S10
inline constexpr const char* kRunInExceedsMisalignment =
    "跑合量不小于齿向误差，无法计算齿向载荷分布系数，请给定KHβ";                             // S11
inline constexpr const char* kRimTooThin = "轮缘厚度过小（sR/h ≤ 0.5），超出标准适用范围";  // S12

// A rating cell (or the torque or a fillet radius) that is not what its column holds.
inline std::string not_a_number(const std::string& column) {
    return "校核参数" + column + "不是数字，请修改";
}
inline std::string not_a_class(const std::string& column) {
    return "材料类别" + column + "须为 St、V、GG、GGG、GTS、Eh、IF、NT、NV 之一，请修改";
}

// Warnings: the result stands, with a note.
inline constexpr const char* kMainResonance = "工作转速处于主共振区，应避免";
inline constexpr const char* kNotchOutOfRange = "齿根缺口参数qs超出1～8的适用范围";
inline constexpr const char* kRootRoughnessOutOfRange = "齿根粗糙度超出40µm的适用范围";
inline constexpr const char* kSizeOutOfRange = "尺寸超出ISO 1328-1分段范围，按最近分段取公差";
inline constexpr const char* kLowApplicationFactor = "使用系数小于1，请确认";
inline constexpr const char* kHelixOver30 = "螺旋角大于30°，Yβ按30°计算";
inline constexpr const char* kRoundingTooLarge =
    "刀具齿根圆角半径大于齿条齿顶所能容纳的半径，仍按输入值校核";
inline constexpr const char* kNoMaxTorque =
    "在扭矩的10⁻⁸～10⁸倍范围内安全系数与最小安全系数之比不穿过1，未求得极限扭矩";
inline constexpr const char* kMaxTorqueInResonance = "极限扭矩T1max处于主共振区";
inline constexpr const char* kWarningSeparator = "；";

// What a stretch of the rating is doing, for the explanation of an arithmetic fault.
inline constexpr const char* kStepGeometry = "计算承载能力校核的啮合几何参数";
inline constexpr const char* kStepRoot = "计算齿根危险截面、齿形系数和应力修正系数";
inline constexpr const char* kStepTolerances = "计算应力循环次数、公差和跑合量";
inline constexpr const char* kStepStiffness = "计算单对齿刚度和啮合刚度";
inline constexpr const char* kStepLoadFactors = "计算动载系数和载荷分布系数";
inline constexpr const char* kStepContact = "计算齿面接触应力和接触强度安全系数";
inline constexpr const char* kStepBending = "计算齿根弯曲应力和弯曲强度安全系数";

// The explanations of the refused inputs, with the values that matter.
inline std::string value_is(const std::string& symbol, const std::string& value) {
    return symbol + " = " + value;
}
inline std::string refused(const std::string& what, const std::string& rule) {
    return what + "，" + rule;
}
inline constexpr const char* kMustBePositive = "须大于零";
inline constexpr const char* kMustBeAtLeastOne = "不得小于1";
inline constexpr const char* kMustBeGrade = "须为0～12之间的整数";
inline constexpr const char* kMustBeNonNegative = "不得为负";
inline constexpr const char* kPoissonRange = "须在0～0.5之间（不含0.5）";
inline constexpr const char* kYN10Range = "须在0.85～1之间";
inline constexpr const char* kNotANumber = "不是数";
inline std::string working_angle_zero(const std::string& cos_alpha_wt) {
    return "cos αwt = a0·cos αt / a = " + cos_alpha_wt + "，不小于1，啮合角为零";
}
inline std::string tip_not_above_base(int gear, const std::string& da, const std::string& db) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "齿顶圆直径 da" + n + " = " + da +
           " 不大于基圆直径 db" + n + " = " + db;
}
inline std::string contact_off_flank(int gear, const std::string& margin) {
    return std::string(gear_name(gear)) + "的啮合起点落在基圆切点以外：a·sin αwt − "
           "½√(da² − db²)（对方齿轮）= " + margin;
}
inline std::string contact_ratio(const std::string& eps_alpha) {
    return "端面重合度 εα = " + eps_alpha;
}
inline std::string single_contact_off_flank(int gear, const std::string& bracket) {
    return std::string(gear_name(gear)) + "当量直齿轮单齿啮合外界点的展开长度 = " + bracket +
           "，小于零";
}
inline std::string iteration_not_converged(int gear) {
    return std::string(gear_name(gear)) + "危险截面角 ϑ 的迭代在 200 步内不收敛";
}
inline std::string critical_section(int gear, const std::string& what, const std::string& value) {
    return std::string(gear_name(gear)) + what + " = " + value + "，不为正值";
}
inline std::string run_in_exceeds(const std::string& f_beta_x, const std::string& y_beta) {
    return "初始啮合错位 Fβx = " + f_beta_x + " µm，跑合量 yβ = " + y_beta + " µm";
}
inline std::string rim_too_thin(int gear, const std::string& ratio) {
    return std::string(gear_name(gear)) + "轮缘厚度与齿高之比 sR/h = " + ratio;
}
inline std::string result_not_finite(const std::string& symbol) {
    return "计算" + symbol + "时" + detail::kOutOfRange;
}


// The batch tool's rating mode.
inline constexpr const char* kCliHelp = R"(
RATING MODE
  gearpair-cli rating [--detail | --report] [--jobs N] [FILE]
    The load-capacity rating by ISO 6336-1/-2/-3:2006, method B (pitting and
    tooth-root bending safety factors). FILE holds the form's columns as above
    plus any of these rating columns; other modes ignore them, so one pair file
    serves every mode. A missing column or an empty cell takes the default:
      n1      pinion speed, 1/min (required)
      KA      application factor (1)
      Q1 Q2   ISO 1328-1 accuracy grades, whole numbers 0 to 12 (6; never
              taken from jd1/jd2)
      Ca      tip relief, um (from the contact endurance limits)
      KHb Kv KHa  face load, dynamic and transverse load factors when known
              (empty: computed)
      mat1 mat2   material class: St V GG GGG GTS Eh IF NT NV (Eh)
      sHlim1 sHlim2  contact endurance limits, N/mm2 (1500)
      sFlim1 sFlim2  bending endurance limits, N/mm2 (500)
      E1 E2   moduli of elasticity, N/mm2 (206000)
      nu1 nu2 Poisson's ratios (0.3)
      rho1 rho2  densities, kg/m3 (7830)
      nu40    lubricant viscosity at 40 C, mm2/s (220)
      Ra1 Ra2 flank roughness Ra, um (1)
      RzF1 RzF2  root roughness Rz, um (6 x Ra)
      Lh      required life, h (empty: endurance, life factors 1)
      YN10    life factor at 1e10 cycles, 0.85 (normal) to 1 (optimum) (0.85)
      SHmin SFmin  minimum safety factors (1)
      sR1 sR2 rim thickness under the root, mm (empty: solid)
      grade1 grade2 type1 type2 quality1 quality2 hard1 hard2 hunit1 hunit2
              the desktop program's material choice (ISO 6336-5 line and
              surface hardness); kept in pair files, read by no calculation
    The torque nj (kgf.m, rated as nj x 9.80665 N.m) and the root fillet radii
    cgyj1 cgyj2 (empty: 0.38 x module) are read strictly. A cell that is not a
    number (or not a class) stops its row with a message naming the column; a
    number outside its range stops with the rating's own message. The geometry's
    stops come first, with the geometry's messages.
    Output: status,message, then at full precision (%.17g):
      T1 Ft v NL1 NL2 eps_alpha eps_beta eps_gamma zn1 zn2 fpb ffa fpe fHb1 fHb2
      y_alpha y_beta c_prime c_gamma_alpha c_gamma_beta N Kv KHbeta KFbeta
      KHalpha KFalpha ZH ZE Zeps Zbeta ZB ZD sigma_H0 sigma_H1 sigma_H2 ZNT1 ZNT2
      ZL Zv ZR ZW ZX sigma_HG1 sigma_HG2 sigma_HP1 sigma_HP2 SH1 SH2 YF1 YF2 YS1
      YS2 Ybeta YB1 YB2 YDT sigma_F01 sigma_F02 sigma_F1 sigma_F2 YST YNT1 YNT2
      YdeltarelT1 YdeltarelT2 YRrelT1 YRrelT2 YX1 YX2 sigma_FG1 sigma_FG2
      sigma_FP1 sigma_FP2 SF1 SF2 T1max
    (stresses N/mm2, deviations um, stiffness N/(mm.um), torques N.m). Empty
    cells: NL1 NL2 without Lh; N for a given Kv; fHb1 fHb2 y_beta c_gamma_beta
    for a given KHb; T1max when no crossing was found. T1max is the pinion
    torque at which the smallest of SH1/SHmin, SH2/SHmin, SF1/SFmin, SF2/SFmin
    is 1, every load-dependent factor recomputed at each torque tried.
    --detail adds a last column "detail": on a stop its explanation, otherwise
    the rating's warnings separated by "；".
    --report writes instead the rating window's text report of each pair that
    rates (UTF-8, CR LF), every input named; the pairs that stop are named on
    standard error.
)";

}  // namespace rating

// ---------------------------------------------------------------------------
// The 计算 menu and the rating window: its input page, its result sheet
// "承载能力校核结果" and the ways out of it
// ---------------------------------------------------------------------------
namespace rating_window {

// The form's 计算 menu entry of the rating window.
inline constexpr const char* kOpenRating = "承载能力校核（ISO 6336）…";

inline constexpr const char* kTitle = "承载能力校核（ISO 6336）";
inline constexpr const char* kInputPage = "校核参数";
inline constexpr const char* kSheetTitle = "承载能力校核结果";
inline constexpr const char* kNoResultYet = "尚未计算：填好校核参数后按“计 算”（F8）";

// The buttons under both pages.
inline constexpr const char* kCompute = "计 算";
inline constexpr const char* kComputeTip =
    "按输入表当前的参数与本页的校核参数进行校核（F8）；输入表改动后请重新计算";
inline constexpr const char* kCopy = "复 制";
inline constexpr const char* kPreview = "打印预览…";
inline constexpr const char* kPrint = "打 印";
inline constexpr const char* kPdf = "导出 PDF…";
inline constexpr const char* kSaveText = "保存报告…";
inline constexpr const char* kClose = "关 闭";

// The input page's groups.
inline constexpr const char* kGroupPair = "齿轮副（取自输入表，只读）";
inline constexpr const char* kGroupDuty = "工况";
inline constexpr const char* kGroupAccuracy = "精度";
inline constexpr const char* kGroupMaterial = "材料";
inline constexpr const char* kGroupSurface = "润滑与表面";
inline constexpr const char* kGroupStructure = "结构";
inline constexpr const char* kGroupKnown = "已知系数（空白时计算）";
inline constexpr const char* kPinion = "主动齿轮";
inline constexpr const char* kWheel = "从动齿轮";

// The material page: no line chosen, the limits as typed.
inline constexpr const char* kMaterialOwn = "（自定）";

// One rating input on the page: its caption, unit and tool tip. Per-gear inputs are
// named by their column without the gear's digit.
struct RatingFieldText {
    const char* key;
    const char* caption;
    const char* unit;
    const char* tip;
};
inline constexpr RatingFieldText kRatingFieldTexts[] = {
    {"n1", "小齿轮转速 n1", "r/min", "主动齿轮（小齿轮）转速，必须填写"},
    {"KA", "使用系数 KA", "", "外部载荷超过名义载荷的系数；空白取 1"},
    {"Lh", "要求寿命 Lh", "h", "要求的工作小时数；空白按无限寿命（寿命系数 ZNT = YNT = 1）"},
    {"YN10", "10¹⁰次循环寿命系数", "", "寿命系数在 10¹⁰ 次循环时的值：0.85（一般）～1（材料、润滑、制造最佳）；空白取 0.85"},
    {"SHmin", "最小安全系数 SHmin", "", "齿面接触疲劳的最小安全系数；空白取 1"},
    {"SFmin", "最小安全系数 SFmin", "", "齿根弯曲疲劳的最小安全系数；空白取 1"},
    {"Q", "精度等级 Q（ISO 1328-1）", "", "ISO 1328-1:1995 精度等级，0～12 的整数；空白取 6。输入表的精度代号不参与校核"},
    {"Ca", "齿顶修缘量 Ca", "µm", "齿顶修缘量；空白按跑合可达到的修缘量计算"},
    {"mat", "材料类别", "", "ISO 6336-5 材料类别：St 正火结构钢，V 调质钢，GG 灰铸铁，GGG 球墨铸铁，GTS 可锻铸铁，Eh 渗碳淬火钢，IF 火焰或感应淬火钢，NT 渗氮钢，NV 氮碳共渗钢；空白取 Eh"},
    {"sHlim", "接触疲劳极限 σHlim", "N/mm²", "试验齿轮的接触疲劳极限（ISO 6336-5）；空白取 1500"},
    {"sFlim", "弯曲疲劳极限 σFlim", "N/mm²", "试验齿轮的齿根弯曲疲劳极限 σFlim = σFE/2（ISO 6336-5）；空白取 500"},
    {"E", "弹性模量 E", "N/mm²", "材料的弹性模量；空白取 206000"},
    {"nu", "泊松比 ν", "", "材料的泊松比，0～0.5；空白取 0.3"},
    {"rho", "密度 ρ", "kg/m³", "材料密度，用于动载系数；空白取 7830"},
    {"nu40", "润滑油运动黏度 ν40", "mm²/s", "润滑油在 40 °C 时的运动黏度；空白取 220"},
    {"Ra", "齿面粗糙度 Ra", "µm", "齿面算术平均粗糙度；空白取 1"},
    {"RzF", "齿根粗糙度 Rz", "µm", "齿根过渡曲面的平均粗糙度深度；空白取 6 × Ra"},
    {"sR", "轮缘厚度 sR", "mm", "齿根圆以下的轮缘厚度；空白按实心齿轮（YB = 1）"},
    {"Kv", "动载系数 Kv", "", "已知时填写（不小于 1），空白按方法B计算"},
    {"KHb", "齿向载荷分布系数 KHβ", "", "已知时填写（不小于 1），空白按简化方法C计算"},
    {"KHa", "齿间载荷分配系数 KHα", "", "已知时填写（不小于 1，KFα 取同值），空白按方法B计算"},
};

// The pair as the form holds it, shown read-only on the input page.
inline std::string pair_teeth(const std::string& z1, const std::string& z2) {
    return "齿数 z1 / z2：" + z1 + " / " + z2;
}
inline std::string pair_module(const std::string& mn, const std::string& alpha,
                               const std::string& beta) {
    return "法向模数 mn = " + mn + " mm，法向压力角 αn = " + alpha + "°，螺旋角 β = " + beta + "°";
}
inline std::string pair_size(const std::string& a, const std::string& b) {
    return "中心距 a = " + a + " mm，工作齿宽 b = " + b + " mm";
}
inline std::string pair_shift(const std::string& x1, const std::string& x2) {
    return "法向变位系数 x1 / x2（输入值）：" + x1 + " / " + x2;
}
inline std::string pair_torque(const std::string& kgfm, const std::string& nm) {
    return "主动齿轮扭矩 T1 = " + kgfm + " kgf·m = " + nm + " N·m";
}
inline constexpr const char* kNotANumberShown = "（不是数字）";
inline constexpr const char* kEmptyShown = "（空）";

// The result sheet.
inline constexpr const char* kColumnName = "名称";
inline constexpr const char* kColumnSymbol = "符号";
inline constexpr const char* kColumnUnit = "单位";
inline constexpr const char* kDrawingNumber = "图号";
inline constexpr const char* kSafetyGroup = "安全系数校核";
inline constexpr const char* kMet = "满足";
inline constexpr const char* kNotMet = "不满足";
inline std::string contact_safety(const std::string& minimum) {
    return "齿面接触疲劳安全系数（SHmin = " + minimum + "）";
}
inline std::string bending_safety(const std::string& minimum) {
    return "齿根弯曲疲劳安全系数（SFmin = " + minimum + "）";
}
inline constexpr const char* kKvRange = "转速所处区域";
inline std::string capacity_line(const std::string& t1max_nm, const std::string& t1max_kgfm,
                                 const std::string& n1, const std::string& power_kw) {
    return "极限扭矩 T1max = " + t1max_nm + " N·m（" + t1max_kgfm + " kgf·m），n1 = " + n1 +
           " r/min 时可传递功率 P = " + power_kw + " kW";
}
inline constexpr const char* kNoCapacity = "未求得极限扭矩 T1max";
inline std::string duty_line(const std::string& t1_nm, const std::string& power_kw) {
    return "工作扭矩 T1 = " + t1_nm + " N·m，传递功率 P = " + power_kw + " kW";
}
inline constexpr const char* kWarningsHeading = "注意：";

// The text report.
inline constexpr const char* kSaveTextTitle = "保存承载能力校核报告";
inline constexpr const char* kTextFilter = "文本文件 (*.txt)";
inline constexpr const char* kTextFileName = "承载能力校核.txt";
inline std::string text_not_saved(const std::string& path, const std::string& reason) {
    return "校核报告未能保存到" + path + "：" + reason;
}
inline constexpr const char* kTaskRating = "承载能力校核";

}  // namespace rating_window

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

// ---------------------------------------------------------------------------
// Limits a geometry result breaks, on the geometry sheet's value and its tool tip;
// numbers come formatted by detail_number
// ---------------------------------------------------------------------------
namespace limits {

inline std::string undercut(int gear, const std::string& z, const std::string& zmin) {
    return std::string(gear_name(gear)) + "根切：齿数 z" + std::to_string(gear + 1) + " = " + z +
           " 少于不根切最小齿数 " + zmin +
           "。\n加工时刀具切去齿根处的渐开线，齿根变弱，啮合长度变短；可增大变位系数或齿数。";
}
inline std::string tip_interference(int gear, const std::string& index) {
    return std::string(gear_name(gear)) + "齿顶干涉指标 " + index + " 大于 1。\n" +
           gear_name(1 - gear) +
           "的齿顶进入本齿轮的齿根过渡曲线，运转时卡住或啃伤齿根；可改变变位系数或减小齿顶高。";
}
inline std::string pointed_tip(int gear, const std::string& sta) {
    return std::string(gear_name(gear)) + "齿顶变尖：齿顶端面弧齿厚 " + sta +
           " mm 不为正值。\n两侧齿廓在齿顶圆以下相交，这样的齿轮做不出来；可减小变位系数或齿顶高。";
}
inline std::string thin_tip(int gear, const std::string& sta, const std::string& least) {
    return std::string(gear_name(gear)) + "齿顶过薄：齿顶端面弧齿厚 " + sta +
           " mm 小于 0.25 × 法向模数 = " + least +
           " mm。\n齿顶易崩裂，热处理时易淬透变脆；可减小变位系数或齿顶高。";
}
inline std::string low_contact_ratio(const std::string& eps) {
    return "端面重合度 εα = " + eps +
           " 小于 1.2。\n同时啮合的齿对太少，制造和安装误差稍大就会使啮合中断，传动不平稳、噪声大。";
}
inline std::string broken_contact(const std::string& eps) {
    return "端面重合度 εα = " + eps +
           " 小于 1。\n前一对齿脱开时后一对齿尚未进入啮合，传动不连续，产生冲击；"
           "应使端面重合度不小于 1.2。";
}

}  // namespace limits

// ---------------------------------------------------------------------------
// Tool tips: what each form field and each sheet value means, its symbol and its
// unit; the strength case a strength sheet used; the sheet's status line
// ---------------------------------------------------------------------------
namespace tips {

// A quantity: its meaning, symbol, unit (empty for a pure number) and a note.
// Per-gear quantities name their gear and put its number after the symbol
// ("主动齿轮分度圆直径 d1，mm").
struct Quantity {
    const char* name;
    const char* meaning;
    const char* symbol;
    const char* unit;
    const char* note = "";
};

// Form fields of the pair, by field name.
inline constexpr Quantity kPairFields[] = {
    {"zxja", "中心距", "a", "mm"},
    {"fmn", "法向模数", "mn", "mm"},
    {"fjafn", "法向压力角", "αn", "°"},
    {"lxjbt", "分度圆螺旋角", "β", "°", "直齿轮填 0"},
    {"ckbw", "工作齿宽", "b", "mm", "两齿轮相啮合的宽度"},
    {"h0", "法面齿顶高系数", "han*", "", "标准值 1"},
    {"c0", "法面顶隙系数", "cn*", "", "标准值 0.25"},
    {"nj", "主动齿轮输入扭矩", "T", "kgf·m", "标签上的“kg/m”即 kgf·m"},
};
// Form fields of one gear, by field name without its gear number (cs1z1 and
// cs2z2 are "cs?z").
inline constexpr Quantity kGearFields[] = {
    {"cs?z", "齿数", "z", ""},
    {"ess", "法向齿厚上偏差", "Ess", "mm", "带符号，通常为负值"},
    {"esi", "法向齿厚下偏差", "Esi", "mm", "带符号，通常为负值"},
    {"fr", "齿圈径向跳动公差", "Fr", "mm"},
    {"xng", "法向变位系数", "xn", "",
     "两个齿轮都填写时按所填计算；否则由中心距求出变位系数和，按所选方法分配"},
    {"dpg", "量棒（量球）直径", "dp", "mm", "可不填，由程序选取"},
    {"cgyj", "齿根圆角半径", "ρf", "mm", "强度计算用"},
    {"ck", "齿宽", "b", "mm", "强度计算用"},
    {"th", "图号", "", "", "只写入计算单"},
    {"jd", "精度等级及偏差代号", "", "", "只写入齿轮参数计算单，例如 8-7-7 HK"},
};
inline constexpr const char* kEqualStrength =
    "由中心距求出的变位系数和按两齿轮齿根弯曲强度相等分配";
inline constexpr const char* kEqualNoise = "由中心距求出的变位系数和按滑移噪音相等分配";

// Sheet values of the pair, by label name.
inline constexpr Quantity kPairValues[] = {
    {"xn0", "法向变位系数和", "xnΣ", ""},
    {"btz", "摩擦噪音指标", "", ""},
    {"epsp", "端面重合度", "εα", "", "不宜小于 1.2"},
    {"epsbt", "轴面重合度", "εβ", ""},
    {"eps", "总重合度", "εγ", "", "εγ = εα + εβ"},
    {"zxj", "中心距", "a", "mm"},
    {"zn", "主动齿轮扭矩", "T", "kgf·m"},
    {"ck", "工作齿宽", "b", "mm"},
    {"yzl1", "主动齿轮分度圆上的圆周力", "Ft", "kgf"},
    {"lx", "螺旋角系数", "", ""},
    {"jx", "倾斜接触系数", "", ""},
    {"dd", "端面重合度", "εα", ""},
    {"zd", "轴面重合度", "εβ", ""},
    {"dh", "总重合度", "εγ", ""},
    {"jc", "齿面接触应力", "σH", "kgf/mm²"},
};
// Sheet values of one gear, by label name without its gear number.
inline constexpr Quantity kGearValues[] = {
    {"pz", "导程", "pz", "mm"},
    {"d", "分度圆直径", "d", "mm"},
    {"xn", "法向变位系数", "xn", ""},
    {"db", "基圆直径", "db", "mm"},
    {"da", "齿顶圆直径", "da", "mm"},
    {"df", "齿根圆直径", "df", "mm"},
    {"ha", "齿顶高", "ha", "mm"},
    {"h", "齿全高", "h", "mm"},
    {"sn", "分度圆法向弧齿厚", "sn", "mm", "公称值"},
    {"sta", "齿顶端面弧齿厚", "sat", "mm", "不宜小于 0.25 × 法向模数"},
    {"snb", "变位系数为 0 的标准齿轮分度圆弧齿厚", "", "mm"},
    {"zmin", "不根切最小齿数", "zmin", "", "齿数少于它时根切"},
    {"dc", "啮合起始圆直径", "dc", "mm", "对方齿顶开始接触本齿面处"},
    {"dff", "齿根过渡曲线起始圆直径", "dFf", "mm"},
    {"btf", "齿顶干涉指标", "dFf/dc", "", "大于 1 时对方齿顶进入齿根过渡曲线"},
    {"btcg", "滑移噪音指标", "", ""},
    {"dp", "量棒直径", "dp", "mm"},
    {"m", "跨棒距", "M", "mm"},
    {"ems", "跨棒距上偏差", "EMs", "mm"},
    {"emi", "跨棒距下偏差", "EMi", "mm"},
    {"k", "跨齿数", "k", ""},
    {"w", "公法线长度", "W", "mm"},
    {"ews", "公法线长度上偏差", "EWs", "mm"},
    {"ewi", "公法线长度下偏差", "EWi", "mm"},
    {"ck", "齿宽", "b", "mm"},
    {"cs", "齿数", "z", ""},
    {"fm", "法向模数", "mn", "mm"},
    {"fj", "法向压力角", "αn", "°"},
    {"lxj", "分度圆螺旋角", "β", "°"},
    {"bwxs", "法向变位系数", "xn", ""},
    {"cdy", "齿顶圆直径", "da", "mm"},
    {"cgy", "齿根圆直径", "df", "mm"},
    {"cgyj", "齿根圆角半径", "ρf", "mm"},
    {"cx", "齿形系数", "YF", ""},
    {"hx", "齿面滑动阻力系数", "μ", ""},
    {"lx", "螺旋角系数", "", ""},
    {"jx", "倾斜接触系数", "", ""},
    {"yx", "齿根应力集中系数", "Kf", ""},
    {"wq", "齿根弯曲应力", "σF", "kgf/mm²"},
};

// "中心距 a，mm"; `gear` 0 or 1 for a quantity of one gear, -1 for the pair.
inline std::string quantity(const Quantity& q, int gear = -1) {
    std::string out = gear < 0 ? "" : gear_name(gear);
    out += q.meaning;
    if (*q.symbol) {
        out += std::string(" ") + q.symbol;
        if (gear >= 0) out += std::to_string(gear + 1);
    }
    if (*q.unit) out += std::string("，") + q.unit;
    if (*q.note) out += std::string("（") + q.note + "）";
    return out;
}

// The strength case a strength sheet shows, in words (0, 1, 2: jg1, jg2, jg3).
inline constexpr const char* kStrengthCases[] = {
    "计算情况一：直齿轮（β = 0，或 εγ < 2 且 εβ < 1.1）",
    "计算情况二：斜齿轮，轴面重合度 εβ ≤ 1",
    "计算情况三：斜齿轮，轴面重合度 εβ > 1",
};
inline constexpr const char* kStrengthCaseDetails[] = {
    "按直齿轮计算：齿形系数取当量直齿轮的，并计齿面滑动阻力系数。",
    "按斜齿轮计算：齿根弯曲应力计入倾斜接触系数，螺旋角系数为两齿轮共用的一个值。",
    ("按斜齿轮计算：轴面重合度大于 1.1 时齿根弯曲应力计入螺旋角系数，否则计入倾斜接触"
     "系数；倾斜接触系数为两齿轮共用的一个值。"),
};

// One row of a file with several pairs: its line, the pair's numbers as typed and
// its split rule, then its drawing numbers.
inline std::string row_item(int line, const std::string& z1, const std::string& z2,
                            const std::string& mn, const std::string& a,
                            const std::string& beta, bool equal_strength,
                            const std::string& th1, const std::string& th2) {
    const auto shown = [](const std::string& t) { return t.empty() ? std::string("—") : t; };
    return "第" + std::to_string(line) + "行：z " + shown(z1) + "/" + shown(z2) + "，mn " +
           shown(mn) + "，a " + shown(a) + "，β " + shown(beta) + "，" +
           (equal_strength ? "等强度分配" : "等噪音分配") + "，" +
           (th1.empty() ? "（无图号）" : th1) + " / " + (th2.empty() ? "（无图号）" : th2);
}

// The status line after 保存结果.
inline std::string report_appended(const std::string& path) {
    return "计算单已追加到 " + path + " 的末尾";
}

}  // namespace tips

}  // namespace gp::msg
