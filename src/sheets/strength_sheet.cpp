#include "strength_sheet.h"

#include <stdexcept>

#include "messages/tips.h"
#include "strength_report.h"

namespace gp {

StrengthSheetWindow::StrengthSheetWindow(StrengthSheet kind)
    : SheetWindow(strength_sheet_layout(kind)), kind_(kind) {}

void StrengthSheetWindow::show_texts(const StrengthResult& result) {
    // jg2 and jg3 have tables of one length, so the length alone would not tell.
    if (result.sheet != kind_)
        throw std::invalid_argument("a strength result shown on another case's sheet");
    set_texts(result.labels);
    // Which of the three cases the figures come from, in words under the layout.
    const auto index = static_cast<std::size_t>(kind_);
    set_note(msg::tips::kStrengthCases[index], msg::tips::kStrengthCaseDetails[index]);
}

StrengthResult StrengthSheetWindow::shown(const SingleDiameters& kept) const {
    return StrengthResult{kind_, texts(), kept};
}

ReportDocument StrengthSheetWindow::report(const GearPairInput& form, const SingleDiameters& kept,
                                           const ReportStamp& when) const {
    return build_strength_report(form, shown(kept), when);
}

}  // namespace gp
