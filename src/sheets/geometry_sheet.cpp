#include "geometry_sheet.h"

#include "geometry_report.h"

namespace gp {

GeometrySheetWindow::GeometrySheetWindow() : SheetWindow(geometry_sheet_layout()) {}

ReportDocument GeometrySheetWindow::report(const GearPairInput& form,
                                           const ReportStamp& when) const {
    return build_geometry_report(form, texts(), when);
}

}  // namespace gp
