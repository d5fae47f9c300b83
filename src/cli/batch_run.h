// Running a batch: the rows computed on several threads, their texts written in the
// order of the file.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>

#include "batch_input.h"
#include "batch_modes.h"

namespace gp {

// The number of rows computed on one thread before it takes the next run of rows.
inline constexpr std::size_t kRowsPerTask = 32;
// The number of rows read from a stream at a time: what a run holds in memory.
inline constexpr std::size_t kRowsPerChunk = 4096;

// How many threads the batch tool uses when not told: one per core.
int default_jobs();

// Appends the texts of `rows`, computed on up to `jobs` threads, to `out` and `err`
// in the order of the rows; the same bytes whatever `jobs` is.
void write_rows(const BatchMode& mode, std::span<const BatchRow> rows, int jobs, std::ostream& out,
                std::ostream& err);

// The mode's head, then every row of `reader`, read and written a chunk at a time.
// False when reading the stream failed part of the way.
bool stream_batch(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                  std::ostream& err);

}  // namespace gp
