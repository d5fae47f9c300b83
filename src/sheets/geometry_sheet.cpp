#include "geometry_sheet.h"

#include <QAction>
#include <QKeySequence>

#include "geometry_report.h"

namespace gp {

GeometrySheetWindow::GeometrySheetWindow() : SheetWindow(geometry_sheet_layout()) {
    carry_shift_ = new QAction(QStringLiteral("把变位系数填入输入表"), this);
    carry_shift_->setObjectName(QStringLiteral("carry_shift"));
    carry_shift_->setShortcut(QKeySequence(Qt::Key_F7));
    carry_shift_->setShortcutContext(Qt::WindowShortcut);
    carry_shift_->setToolTip(QStringLiteral("把变位系数填入输入表（F7）"));
    addAction(carry_shift_);
}

ReportDocument GeometrySheetWindow::report(const GearPairInput& form,
                                           const ReportStamp& when) const {
    return build_geometry_report(form, texts(), when);
}

}  // namespace gp
