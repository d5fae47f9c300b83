// The strength calculation sheet ("齿 轮 强 度 计 算 单") as a report document.
#pragma once

#include "gear_pair_input.h"
#include "report_document.h"
#include "strength_result.h"

namespace gp {

// The report of the strength sheet `sheet.sheet`: 22 rows for jg1, 23 for jg2 and
// jg3. The pair's data come from the form's texts as typed, the tip and root
// diameters from the single-precision values of `sheet`, the rest from its labels.
// Its lines carry the printed font sizes; saved, it is 51 (jg1) or 53 lines when no
// item is pushed past its column.
ReportDocument build_strength_report(const GearPairInput& form, const StrengthResult& sheet,
                                     const ReportStamp& when);

}  // namespace gp
