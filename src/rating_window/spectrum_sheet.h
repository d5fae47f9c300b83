// The result sheet "载荷谱寿命计算" as texts, made once from a rated spectrum and
// shown, copied, printed and saved from there: one row per bin with its stresses,
// cycles to failure and damages, each bin's share of the governing damage sum
// (the chart's bars), then the sums, the safety factors against their minima, the
// static safety, the life and the verdict.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gear_pair_of.h"
#include "load_spectrum.h"
#include "report_document.h"

namespace gp::rating {

struct SpectrumTotal {
    std::string name, symbol;
    std::string driving, driven;  // a value of the pair stands in `driving`, `pair` set
    bool pair = false;
    GearPairOf<std::optional<bool>> met{};  // safety factors against their minima
};

struct SpectrumSheet {
    std::vector<std::vector<std::string>> bins;  // one row of texts per bin
    std::vector<bool> damaging;                  // the bins that add damage
    std::vector<double> shares;                  // each bin's share of the governing sum, 0…1
    std::string governing;                       // which sum the shares are of
    std::vector<SpectrumTotal> totals;
    bool met = false;  // every spectrum safety factor at least its minimum
    std::string verdict;
    std::vector<std::string> notes;
};

SpectrumSheet spectrum_sheet(const SpectrumResult& r);

// The sheet for a spreadsheet's paste: tab-separated, the bins under their heads,
// then the totals.
std::string tab_separated(const SpectrumSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2);

// The sheet as a report for paper and the text report: the bins with a bar of
// their damage share drawn in characters, the totals and the verdict.
ReportDocument spectrum_report(const SpectrumSheet& sheet, const std::string& drawing1,
                               const std::string& drawing2, const ReportStamp& when);

}  // namespace gp::rating
