// The batch tool's `contour` mode: the blocking contour of each pair as CSV points.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "blocking_contour.h"

namespace gp {

bool is_contour_mode(const std::string& mode);

// Runs `contour [--window X1MIN X1MAX X2MIN X2MAX] [FILE]` (the mode first).
// Returns 0 when every row was processed (rows and points that stop included,
// named on `err`), 2 for bad usage or unreadable input, 1 when writing failed.
int run_contour_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The lines of the rows' contours, header first; stops and curves cut short go
// to `err`.
void write_contour_table(const std::vector<BatchRow>& rows, const ContourOptions& options,
                         std::ostream& out, std::ostream& err);

}  // namespace gp
