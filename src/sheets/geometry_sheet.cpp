#include "geometry_sheet.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include "geometry_report.h"
#include "messages/contour.h"
#include "messages/sheets.h"
#include "qt_text.h"
#include "quantity_tips.h"
#include "twips.h"

namespace gp {

namespace {

// The mesh picture's button stands right of 退出 in the sheet's button row, at the
// height and width of the others, so that the four keep their places.
constexpr ButtonPlace kMeshButton{6690, 735};

// A broken limit's colour, and the property that marks such a label.
const QColor kBrokenLimit(200, 0, 0);
const char* const kFlagProperty = "gp_limit_broken";

}  // namespace

GeometrySheetWindow::GeometrySheetWindow() : SheetWindow(geometry_sheet_layout()) {
    const SheetLayout& layout = geometry_sheet_layout();
    mesh_button_ = new QPushButton(qt(msg::sheet::kMeshPicture), this);
    mesh_button_->setObjectName(QStringLiteral("meshpic"));
    mesh_button_->setAutoDefault(true);
    place(mesh_button_, kMeshButton.left, layout.button_top, kMeshButton.width,
          layout.button_height);
    // Outside the sheet's keyboard cycle (return, print, exit, save, return ...),
    // which stays as it was: the button is reached by the mouse.
    mesh_button_->setFocusPolicy(Qt::ClickFocus);

    carry_shift_ = new QAction(qt(msg::sheet::kCarryShift), this);
    carry_shift_->setObjectName(QStringLiteral("carry_shift"));
    carry_shift_->setShortcut(QKeySequence(Qt::Key_F7));
    carry_shift_->setShortcutContext(Qt::WindowShortcut);
    carry_shift_->setToolTip(qt(msg::sheet::kCarryShiftTip));
    addAction(carry_shift_);

    contour_ = new QAction(qt(msg::contour::kMenuAction), this);
    contour_->setObjectName(QStringLiteral("contour"));
    contour_->setShortcut(QKeySequence(Qt::Key_F9));
    contour_->setShortcutContext(Qt::WindowShortcut);
    contour_->setShortcutVisibleInContextMenu(true);
    addAction(contour_);
}

void GeometrySheetWindow::show_limit_flags(const std::vector<LimitFlag>& flags) {
    const LabelTexts& names = *geometry_sheet_layout().values;
    for (std::size_t i = 0; i < names.size(); ++i) {
        QLabel* label = value_label_at(i);
        if (!label->property(kFlagProperty).toBool()) continue;
        label->setPalette(QPalette());
        label->setToolTip(qt(value_tip(names.entries()[i].first)));
        label->setProperty(kFlagProperty, false);
    }
    for (const LimitFlag& flag : flags) {
        QLabel* label = value_label_at(flag.label);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, kBrokenLimit);
        label->setPalette(red);
        // A value can break one limit only, but it keeps its meaning above the why.
        label->setToolTip(qt(value_tip(names.entries()[flag.label].first)) + QStringLiteral("\n") +
                          qt(flag.why));
        label->setProperty(kFlagProperty, true);
    }
}

ReportDocument GeometrySheetWindow::report(const GearPairInput& form,
                                           const ReportStamp& when) const {
    return build_geometry_report(form, texts(), when);
}

}  // namespace gp
