// The geometry result sheet jg and the report it prints and saves.
#pragma once

#include "gear_pair_input.h"
#include "geometry_result.h"
#include "report_document.h"
#include "report_stamp.h"
#include "sheet_window.h"

namespace gp {

class GeometrySheetWindow : public SheetWindow {
    Q_OBJECT

  public:
    GeometrySheetWindow();

    void show_texts(const GeometryResult& result) { set_texts(result.labels); }
    // Every value label's current text.
    LabelTexts texts() const { return texts_of(kGeometryLabels); }
    // The report of what the sheet shows, with the form's texts as typed.
    ReportDocument report(const GearPairInput& form, const ReportStamp& when) const;
    // "啮合图": opens the mesh picture of the pair shown.
    QPushButton* mesh_button() const { return mesh_button_; }

  private:
    QPushButton* mesh_button_ = nullptr;
};

}  // namespace gp
