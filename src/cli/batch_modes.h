// What the batch tool writes for a list of pairs, one function per mode.
#pragma once

#include <ostream>
#include <vector>

#include "batch_input.h"
#include "report_stamp.h"

namespace gp {

// CSV of every geometry result: status, message, then one cell per sheet label.
void write_geometry_table(const std::vector<BatchRow>& rows, std::ostream& out);

// CSV of every strength result: status, message, sheet, then every label any
// strength sheet has (empty where the chosen sheet has no such label).
void write_strength_table(const std::vector<BatchRow>& rows, std::ostream& out);

// The bytes a save of each successful row would append to the report file, all
// stamped with `now` (one moment for the whole run); the rows that stop are named
// on `err`.
void write_geometry_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err);
void write_strength_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err);

}  // namespace gp
