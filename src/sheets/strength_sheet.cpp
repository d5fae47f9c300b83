#include "strength_sheet.h"

#include "strength_report.h"

namespace gp {

StrengthSheetWindow::StrengthSheetWindow(StrengthSheet kind)
    : SheetWindow(strength_sheet_layout(kind)), kind_(kind) {}

StrengthResult StrengthSheetWindow::shown(const KeptDiameters& kept) const {
    StrengthResult r;
    r.sheet = kind_;
    r.labels = texts_of(strength_labels(kind_));
    r.da1 = kept.da1;
    r.da2 = kept.da2;
    r.df1 = kept.df1;
    r.df2 = kept.df2;
    return r;
}

ReportDocument StrengthSheetWindow::report(const GearPairInput& form, const KeptDiameters& kept,
                                           const ReportStamp& when) const {
    return build_strength_report(form, shown(kept), when);
}

}  // namespace gp
