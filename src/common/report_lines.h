// The kinds of line both reports are made of.
#pragma once

#include <string>

#include "report_document.h"

namespace gp {

ReportLine empty_line(double points);
ReportLine title_line(double points, std::string title);
// "主动齿轮" over the pinion column, "从动齿轮" over the wheel column.
ReportLine heads_line(double points);
// Row label at column 12, pinion text at 38, wheel text at 64.
ReportLine pair_row_line(double points, std::string label, std::string pinion, std::string wheel);
// Row label at column 12 and one value of the pair at 48.
ReportLine single_row_line(double points, std::string label, std::string value);
// Row label at column 12 and a pinion text at 38 that ends the row.
ReportLine pinion_row_line(double points, std::string label, std::string pinion);
// The date-time line; `paper_gap` blanks separate date and time on paper.
ReportLine stamp_line(double points, ReportStamp stamp, int paper_gap = 2);

}  // namespace gp
