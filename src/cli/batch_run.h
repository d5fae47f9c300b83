// Running a batch: the rows computed on several threads, their texts written in the
// order of the file.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "batch_input.h"
#include "batch_modes.h"

namespace gp {

// The number of rows computed on one thread before it takes the next run of rows.
inline constexpr std::size_t kRowsPerTask = 32;
// The number of rows read from a stream at a time: what a run holds in memory (two
// chunks, the one computed and the one read, each row some 2.5 kB with its rating
// inputs). 64 tasks a chunk keep every core busy.
inline constexpr std::size_t kRowsPerChunk = 2048;

// How many threads the batch tool uses when not told: one per core.
int default_jobs();

// The most threads --jobs asks for.
inline constexpr int kMaxJobs = 1024;

// The number of threads of --jobs: a whole number from 1 to kMaxJobs, or 0.
int jobs_from(std::string_view text);

// Appends the texts of `rows`, computed on up to `jobs` threads, to `out` and `err`
// in the order of the rows; the same bytes whatever `jobs` is.
void write_rows(const BatchMode& mode, std::span<const BatchRow> rows, int jobs, std::ostream& out,
                std::ostream& err);

// The mode's head, then every row of `reader`, read and written a chunk at a time.
// False when reading the stream failed part of the way.
bool stream_batch(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                  std::ostream& err);

// Runs `mode` over FILE ("" or "-": `standard_input`) and returns the exit status.
// Nothing reaches `out` unless the whole file is sound: it is read through once to
// check it (standard input copied to a scratch file as it is), then again to
// compute its rows, which are written as they are done, a chunk at a time. 2 for a
// file that cannot be read or holds a fault (named on `err`), 1 when writing to
// `out` failed (said on `err`: never a cut output and 0), 0 otherwise.
int run_batch_file(const BatchMode& mode, const std::string& file, int jobs,
                   std::istream& standard_input, std::ostream& out, std::ostream& err);

}  // namespace gp
