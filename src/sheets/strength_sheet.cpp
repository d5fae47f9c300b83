#include "strength_sheet.h"

#include "strength_report.h"

namespace gp {

StrengthSheetWindow::StrengthSheetWindow(StrengthSheet kind)
    : SheetWindow(strength_sheet_layout(kind)), kind_(kind) {}

StrengthResult StrengthSheetWindow::shown(const SingleDiameters& kept) const {
    return StrengthResult{kind_, texts_of(strength_labels(kind_)), kept};
}

ReportDocument StrengthSheetWindow::report(const GearPairInput& form, const SingleDiameters& kept,
                                           const ReportStamp& when) const {
    return build_strength_report(form, shown(kept), when);
}

}  // namespace gp
