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

}  // namespace pair_file

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
    radius cgyj1/cgyj2 rounds the rack's tip corner; empty: 0.38 x module): all
    teeth, one closed counter-clockwise curve, centre at the origin, tooth 1
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

}  // namespace cli

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
    "按斜齿轮计算：轴面重合度大于 1.1 时齿根弯曲应力计入螺旋角系数，否则计入倾斜接触"
    "系数；倾斜接触系数为两齿轮共用的一个值。",
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
