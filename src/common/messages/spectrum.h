// What the load spectrum (载荷谱, ISO 6336-6) tells its user: the faults of a
// spectrum table, its notes, the batch tool's spectrum mode and the window's page
// and sheet. One room of the message registry, in its style: plain UTF-8 strings,
// texts with parts as small functions over parts the caller has formatted.
#pragma once

#include <string>

namespace gp::msg::spectrum {

// --- A spectrum table and its faults -----------------------------------------
inline constexpr const char* kName = "载荷谱";

// `line` the file's line (the header is line 1), `bin` the bin's number (from 1).
inline std::string at_cell(int line, int bin, const std::string& column, const std::string& what) {
    return "载荷谱第 " + std::to_string(line) + " 行（第 " + std::to_string(bin) + " 级），列 " +
           column + "：" + what;
}
inline std::string at_header(const std::string& what) { return "载荷谱表头（第 1 行）：" + what; }

inline constexpr const char* kNoHeader = "载荷谱为空：须有表头 T1 与 cycles 或 hours，及至少一级";
inline constexpr const char* kNoTorqueColumn = "缺少列 T1（主动齿轮扭矩，N·m）";
inline constexpr const char* kNoDurationColumn =
    "缺少持续时间列：须有 cycles（主动齿轮载荷循环次数）或 hours（小时）之一";
inline constexpr const char* kMixedDurations =
    "cycles 与 hours 不能同时使用：一张载荷谱只用一种持续时间";
inline std::string repeated_column(const std::string& column) { return "列 " + column + " 重复"; }
inline constexpr const char* kNoBins = "载荷谱没有载荷级：表头下至少需要一行";
inline std::string not_a_number(const std::string& text) { return "“" + text + "”不是数字"; }
inline constexpr const char* kEmptyCell = "不能为空";
inline constexpr const char* kTorqueNotPositive = "扭矩须大于零";
inline constexpr const char* kDurationNegative = "持续时间不能为负";
inline constexpr const char* kSpeedNotPositive = "转速须大于零";
inline constexpr const char* kFactorBelowOne = "给定的齿向载荷系数KHβ不得小于1";
inline std::string wider_than_header(int cells, int columns) {
    return "本行有 " + std::to_string(cells) + " 个单元格，表头只有 " + std::to_string(columns) +
           " 列";
}
inline std::string malformed(const std::string& what) { return "载荷谱不是正确的CSV：" + what; }

// --- Notes of a result ---------------------------------------------------------
inline constexpr const char* kApplicationFactorIgnored =
    "载荷谱代替使用系数：每一级按KA = 1计算，输入的KA未用于载荷谱";
inline constexpr const char* kLifeIgnored = "载荷谱按各级循环次数计算寿命，输入的要求寿命Lh未使用";
inline constexpr const char* kDurationTooLong = "载荷谱持续时间过长，无法计算";
inline constexpr const char* kDurationTooLongDetail =
    "载荷循环次数或小时数超出了数值范围，请检查持续时间与转速";
// A bin whose rating stopped: the rating's message keeps its words, this says where.
inline std::string in_bin(int bin, const std::string& detail) {
    return "载荷谱第 " + std::to_string(bin) + " 级：" + detail;
}

// --- The batch tool's spectrum mode ------------------------------------------
inline constexpr const char* kCliHelp = R"(
SPECTRUM MODE
  gearpair-cli spectrum --pair PAIRFILE [--row N] [SPECTRUM]
  Rates the pair of PAIRFILE (a pair file with its rating columns) under a load
  spectrum by ISO 6336-6: every bin rated with the rating's own factors at its
  torque and speed with KA = 1, its cycles to failure from the life curves of
  ZNT and YNT, Miner's sum, and the safety factors by which every bin's stress
  could be multiplied until the sum reaches 1.
  --row N    the row of a pair file holding several pairs, from 1 (required then)
  SPECTRUM   a CSV file; "-" or none reads standard input. Header: T1 (driving
             gear torque, N·m) and either cycles (load cycles of the driving gear)
             or hours (cycles = 60·n1·hours), optionally n1 (1/min; default the
             pair's n1) and KHb (a given KHβ for the bin; default the pair's KHb or
             computed). Other columns are ignored. The driven gear's cycles are
             the driving gear's × z1/z2. A given Kv or KHa of the pair applies to
             every bin.
  Output, every number %.17g:
    bin,T1,n1,cycles1,cycles2,Kv,KHbeta,KHalpha,sigma_H1,sigma_H2,sigma_F1,
    sigma_F2,NH1,NH2,NF1,NF2,DH1,DH2,DF1,DF2
  one line per bin: N is empty where the stress does no damage, "static" (and
  its D "inf") where it is above the curve's static value; then
    total,DH1,DH2,DF1,DF2,SH1,SH2,SF1,SF2,SstatH1,SstatH2,SstatF1,SstatF2,life_h,worst_bin
    all,...
  life_h is the spectrum's hours over the largest D (empty when every D is 0),
  worst_bin the bin adding most to it. A pair whose rating stops gives
  "stop,<message>" (exit 0); a bad spectrum exits 2 naming its row and column.
)";
inline constexpr const char* kNeedsPair = "spectrum needs --pair PAIRFILE";
inline std::string needs_row(int rows) {
    return "the pair file holds " + std::to_string(rows) +
           " pairs: choose one with --row N (1 to " + std::to_string(rows) + ")";
}
inline std::string bad_row(const std::string& text, int rows) {
    return "--row '" + text + "' is not a row of the pair file (1 to " + std::to_string(rows) + ")";
}
inline constexpr const char* kNoPairs = "the pair file holds no pair";

// --- The window's page and sheet ---------------------------------------------
inline constexpr const char* kPage = "载荷谱";
inline constexpr const char* kSheetTitle = "载荷谱寿命计算";
inline constexpr const char* kCompute = "计算载荷谱 (F10)";
inline constexpr const char* kAddRow = "添加行";
inline constexpr const char* kDeleteRows = "删除行";
inline constexpr const char* kPaste = "粘贴";
inline constexpr const char* kOpen = "打开载荷谱…";
inline constexpr const char* kSave = "保存载荷谱…";
inline constexpr const char* kByCycles = "持续时间：循环次数";
inline constexpr const char* kByHours = "持续时间：小时";
inline constexpr const char* kDefaultFileName = "载荷谱.csv";
inline constexpr const char* kFileFilter = "载荷谱 (*.csv);;所有文件 (*)";
inline constexpr const char* kOpenTitle = "打开载荷谱";
inline constexpr const char* kSaveTitle = "保存载荷谱";
inline constexpr const char* kPageHelp =
    "每行一级：主动齿轮扭矩 T1 (N·m)、持续时间（主动齿轮循环次数或小时），"
    "可选该级转速 n1 与给定KHβ。可从电子表格粘贴。载荷谱保存为配对文件旁的CSV文件，"
    "其文件名记在配对文件的 spectrum 列中。";
inline std::string file_named(const std::string& name) { return "载荷谱文件：" + name; }
inline constexpr const char* kNoFile = "载荷谱文件：未保存";
inline std::string cannot_read(const std::string& file) { return "无法读取载荷谱文件 " + file; }
inline std::string cannot_write(const std::string& file, const std::string& why) {
    return "无法保存载荷谱文件 " + file + "：" + why;
}
inline constexpr const char* kInputHeads[] = {"T1 (N·m)", "循环次数", "n1 (1/min)", "KHβ"};
inline constexpr const char* kHoursHead = "小时 (h)";
inline constexpr const char* kInputTips[] = {
    "主动齿轮扭矩 T1，N·m", "该级持续时间：主动齿轮载荷循环次数，或小时（循环次数 = 60·n1·小时）",
    "该级主动齿轮转速 n1，1/min；空：按承载能力校核页的 n1",
    "该级给定的齿向载荷分布系数 KHβ；空：按校核页给定值或计算"};
inline constexpr const char* kModified = "（已修改，未保存）";
inline std::string unreadable_named(const std::string& name) {
    return "载荷谱文件：" + name + "（无法读取，表格未载入）";
}
inline constexpr const char* kUnsavedBins =
    "载荷谱表格有未保存的修改，换成另一对齿轮的载荷谱之前保存它吗？";
inline constexpr const char* kSaveBins = "保存载荷谱";
inline constexpr const char* kTaskSpectrum = "载荷谱计算";
inline constexpr const char* kMeets = "满足";
inline constexpr const char* kFails = "不满足";
inline constexpr const char* kStatic = "静强度失效";
inline constexpr const char* kEndless = "∞";
inline constexpr const char* kChartTitle = "各级损伤占比（最大损伤 D 的组成）";
inline constexpr const char* kNoDamage = "各级应力均低于疲劳极限，无损伤";
inline constexpr const char* kSheetEmpty = "在“载荷谱”页输入载荷级后按“计算载荷谱”";
inline constexpr const char* kMethodLine =
    "ISO 6336-6:2019，Palmgren–Miner线性累积损伤；各级KA = 1";
// The bin table's column heads: bin, torque, speed, cycles, stresses, cycles to
// failure, damages and the bin's share of the governing sum.
inline constexpr const char* kBinHeads[] = {
    "级",          "T1 (N·m)",    "n1 (1/min)",  "循环次数 N1", "KHβ", "σH1 (N/mm²)",
    "σH2 (N/mm²)", "σF1 (N/mm²)", "σF2 (N/mm²)", "NH1",         "NH2", "NF1",
    "NF2",         "DH1",         "DH2",         "DF1",         "DF2", "损伤占比"};
inline constexpr const char* kBinHeadTips[] = {
    "载荷级，从1起",
    "主动齿轮扭矩 T1，N·m",
    "主动齿轮转速 n1，1/min",
    "主动齿轮载荷循环次数；从动齿轮为其 × z1/z2",
    "齿向载荷分布系数 KHβ（给定或按该级载荷计算）",
    "主动齿轮计算接触应力 σH1，N/mm²（KA = 1）",
    "从动齿轮计算接触应力 σH2，N/mm²（KA = 1）",
    "主动齿轮计算齿根应力 σF1，N/mm²（KA = 1）",
    "从动齿轮计算齿根应力 σF2，N/mm²（KA = 1）",
    "主动齿轮该应力下的接触疲劳寿命（循环次数）；∞ 表示低于疲劳极限",
    "从动齿轮该应力下的接触疲劳寿命（循环次数）；∞ 表示低于疲劳极限",
    "主动齿轮该应力下的弯曲疲劳寿命（循环次数）；∞ 表示低于疲劳极限",
    "从动齿轮该应力下的弯曲疲劳寿命（循环次数）；∞ 表示低于疲劳极限",
    "主动齿轮该级接触损伤 n/N",
    "从动齿轮该级接触损伤 n/N",
    "主动齿轮该级弯曲损伤 n/N",
    "从动齿轮该级弯曲损伤 n/N",
    "该级在最大损伤和中所占的比例"};
inline constexpr const char* kTotalsHeading = "载荷谱计算结果";
inline constexpr const char* kDamageH = "接触损伤和";
inline constexpr const char* kDamageF = "弯曲损伤和";
inline constexpr const char* kSafetyH = "载荷谱接触安全系数";
inline constexpr const char* kSafetyF = "载荷谱弯曲安全系数";
inline constexpr const char* kStaticH = "接触静强度安全系数";
inline constexpr const char* kStaticF = "弯曲静强度安全系数";
inline constexpr const char* kTotalHours = "载荷谱总时间";
inline constexpr const char* kLife = "计算寿命";
inline constexpr const char* kWorstBin = "损伤最大的载荷级";
inline constexpr const char* kNoLife = "无限（各级均不产生损伤）";
inline constexpr const char* kHoursUnit = "h";
inline std::string verdict_line(bool met, const std::string& shmin, const std::string& sfmin) {
    return std::string("结论：") + (met ? kMeets : kFails) + "（SHmin = " + shmin +
           "，SFmin = " + sfmin + "）";
}
inline std::string governing(const std::string& symbol) {
    return "损伤占比按最大损伤和 " + symbol + " 计";
}
inline constexpr const char* kCopy = "复 制";
inline constexpr const char* kPreview = "打印预览…";
inline constexpr const char* kPrint = "打 印";
inline constexpr const char* kPdf = "导出 PDF…";

}  // namespace gp::msg::spectrum
