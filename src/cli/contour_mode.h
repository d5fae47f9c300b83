// The batch tool's `contour` mode: the blocking contour of each pair as CSV points.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "batch_modes.h"
#include "blocking_contour.h"

namespace gp {

bool is_contour_mode(const std::string& mode);

// Runs `contour [--window X1MIN X1MAX X2MIN X2MAX] [--jobs N] [FILE]` (the mode
// first), the rows streamed as they are done. Returns 0 when every row was
// processed (rows and points that stop included, named on `err`), 2 for bad usage
// or unreadable input, 1 when writing failed.
int run_contour_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The contour of each row as CSV lines (header row,curve,x1,x2,a), a few rows per
// thread in memory; stops and curves cut short go to standard error.
BatchMode contour_table(const ContourOptions& options);

// The lines of rows already in memory (numbered as read_batch numbers them),
// header first, on the calling thread.
void write_contour_table(const std::vector<BatchRow>& rows, const ContourOptions& options,
                         std::ostream& out, std::ostream& err);

}  // namespace gp
