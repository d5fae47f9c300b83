// The geometry result sheet jg and the report it prints and saves.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "gear_pair_input.h"
#include "geometry_limits.h"
#include "geometry_result.h"
#include "report_document.h"
#include "report_stamp.h"
#include "sheet_window.h"

class QAction;

namespace gp {

class GeometrySheetWindow : public SheetWindow {
    Q_OBJECT

  public:
    GeometrySheetWindow();

    void show_texts(const GeometryResult& result) { set_texts(result.labels); }
    // Draws in red the values that break a limit, with the limit and why it
    // matters in their tool tips; every other value in the sheet's own colour. On
    // screen only: reports are built from the texts.
    void show_limit_flags(const std::vector<LimitFlag>& flags);
    // The report of what the sheet shows, with the form's texts as typed.
    ReportDocument report(const GearPairInput& form, const ReportStamp& when) const;

    // "把变位系数填入输入表": asks for the two shift coefficients the sheet shows to be
    // written into the form's shift fields, so that the strength calculation, which
    // reads only those fields, works with the split just derived. In the sheet's
    // context menu and on its shortcut key; the shell does the writing.
    QAction* carry_shift_action() const { return carry_shift_; }

    // "变位系数选择图…": opens the blocking contour of the form's pair.
    QAction* contour_action() const { return contour_; }

    // "啮合图": opens the mesh picture of the pair shown.
    QPushButton* mesh_button() const { return mesh_button_; }

    // The form's texts the texts shown were computed from, kept and replaced
    // together with them.
    void keep_form(GearPairInput form) { shown_ = std::move(form); }
    const std::optional<GearPairInput>& shown_form() const { return shown_; }

  private:
    QAction* carry_shift_ = nullptr;
    QAction* contour_ = nullptr;
    QPushButton* mesh_button_ = nullptr;
    std::optional<GearPairInput> shown_;
};

}  // namespace gp
