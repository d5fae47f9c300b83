// The batch tool's drawing modes: `profile` (tooth outlines as CSV, DXF or SVG) and
// `mesh` (the figures of the path of contact).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch_input.h"

namespace gp {

// Whether `mode` is one of the drawing modes.
bool is_drawing_mode(const std::string& mode);

// Runs a drawing mode with its arguments (the mode first). Returns the exit status:
// 0 when every row was processed (rows that stop included, named on `err`), 1 when
// an output file could not be written, 2 for bad usage or unreadable input.
int run_drawing_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The `mesh` table of a list of pairs: status, message, AE, the distances of A … E
// from T1 and the specific sliding at A and E.
void write_mesh_table(const std::vector<BatchRow>& rows, std::ostream& out);

}  // namespace gp
