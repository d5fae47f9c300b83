// The geometry calculation sheet ("齿  轮  计  算  单") as a report document.
#pragma once

#include "gear_pair_input.h"
#include "label_texts.h"
#include "report_document.h"

namespace gp {

// The 42-row report of a geometry sheet: rows 1 to 13 from the form's texts as
// typed, rows 14 to 42 from `sheet` (the 53 labels of GeometryResult::labels).
// Its lines carry the printed font sizes; saved, it is 90 lines when no item is
// pushed past its column.
ReportDocument build_geometry_report(const GearPairInput& form, const LabelTexts& sheet,
                                     const ReportStamp& when);

}  // namespace gp
