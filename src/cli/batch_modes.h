// What the batch tool writes for a list of pairs, one output kind per mode.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "report_stamp.h"

namespace gp {

// One kind of output: the line before the rows (a table's header; nothing for the
// reports) and what one row appends to standard output and to standard error. A
// row's texts depend on that row alone, so rows may be computed in any order and
// on any thread as long as their texts are put together in the order of the file.
struct BatchMode {
    std::string head;
    std::function<void(const BatchRow& row, std::string& out, std::string& err)> row;
    // Rows held in memory per thread when the mode's rows write much text (a
    // contour's thousands of points); 0: a few thousand rows at a time in all.
    std::size_t rows_per_job = 0;
};

// CSV of every geometry result: status, message, then one cell per sheet label;
// `with_detail` adds a last column "detail" with the explanation of each stop.
BatchMode geometry_table(bool with_detail = false);

// CSV of every strength result: status, message, sheet, then every label any
// strength sheet has (empty where the chosen sheet has no such label).
BatchMode strength_table(bool with_detail = false);

// CSV of every load-capacity rating: status, message, then each batch quantity of
// the rating at full precision (empty where the rating skips it); `with_detail`
// adds a last column "detail": the explanation of a stop, or the result's warnings.
BatchMode rating_table(bool with_detail = false);

// The bytes a save of each successful row would append to the report file, all
// stamped `now`; the rows that stop are named on standard error.
BatchMode geometry_reports(const ReportStamp& now);
BatchMode strength_reports(const ReportStamp& now);
// The rating's text report of each pair, as the rating window's 保存报告 writes it.
BatchMode rating_reports(const ReportStamp& now);

// The same for rows already in memory, on the calling thread, the reports all
// stamped `now`.
void write_geometry_table(const std::vector<BatchRow>& rows, std::ostream& out,
                          bool with_detail = false);
void write_strength_table(const std::vector<BatchRow>& rows, std::ostream& out,
                          bool with_detail = false);
void write_geometry_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err);
void write_strength_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err);

}  // namespace gp
