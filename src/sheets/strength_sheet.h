// A strength result sheet (jg1, jg2 or jg3) and the report it prints and saves.
#pragma once

#include "gear_pair_input.h"
#include "report_document.h"
#include "report_stamp.h"
#include "sheet_window.h"
#include "strength_result.h"

namespace gp {

class StrengthSheetWindow : public SheetWindow {
    Q_OBJECT

  public:
    explicit StrengthSheetWindow(StrengthSheet kind);

    StrengthSheet kind() const { return kind_; }
    // The texts of a result of this sheet's case, and the case in words under the
    // layout; another sheet's result is a programming error (std::invalid_argument).
    void show_texts(const StrengthResult& result);
    // What the sheet shows, with the diameters of its calculation beside it (a
    // sheet shows only their rounded texts, so the input form keeps them).
    StrengthResult shown(const SingleDiameters& kept) const;
    ReportDocument report(const GearPairInput& form, const SingleDiameters& kept,
                          const ReportStamp& when) const;

  private:
    StrengthSheet kind_;
};

}  // namespace gp
