// A strength result sheet (jg1, jg2 or jg3) and the report it prints and saves.
#pragma once

#include "gear_pair_input.h"
#include "report_document.h"
#include "report_stamp.h"
#include "sheet_window.h"
#include "strength_result.h"

namespace gp {

// The tip and root diameters in single precision as the last strength calculation
// held them. The input form keeps them, and the strength report prints them.
struct KeptDiameters {
    float da1 = 0, da2 = 0, df1 = 0, df2 = 0;
};

class StrengthSheetWindow : public SheetWindow {
    Q_OBJECT

  public:
    explicit StrengthSheetWindow(StrengthSheet kind);

    StrengthSheet kind() const { return kind_; }
    void show_texts(const StrengthResult& result) { set_texts(result.labels); }
    // What the sheet shows, with the kept diameters beside it.
    StrengthResult shown(const KeptDiameters& kept) const;
    ReportDocument report(const GearPairInput& form, const KeptDiameters& kept,
                          const ReportStamp& when) const;

  private:
    StrengthSheet kind_;
};

}  // namespace gp
