#include "batch_run.h"

#include <algorithm>
#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace gp {
namespace {

// The texts of one run of consecutive rows.
struct Task {
    std::string out, err;
    std::exception_ptr fault;
};

void compute(const BatchMode& mode, std::span<const BatchRow> rows, Task& task) {
    task.out.clear();
    task.err.clear();
    task.fault = nullptr;
    try {
        for (const BatchRow& row : rows) mode.row(row, task.out, task.err);
    } catch (...) {
        // An exception may not leave a parallel loop; it is raised again in order.
        task.fault = std::current_exception();
    }
}

}  // namespace

int default_jobs() { return std::max(1u, std::thread::hardware_concurrency()); }

bool parallel_rows_available() {
#ifdef _OPENMP
    return true;
#else
    return false;
#endif
}

void write_rows(const BatchMode& mode, std::span<const BatchRow> rows, int jobs, std::ostream& out,
                std::ostream& err) {
    const std::size_t count = (rows.size() + kRowsPerTask - 1) / kRowsPerTask;
    std::vector<Task> tasks(count);
    const auto rows_of = [&rows](std::size_t t) {
        const std::size_t first = t * kRowsPerTask;
        return rows.subspan(first, std::min(kRowsPerTask, rows.size() - first));
    };
#ifdef _OPENMP
    // Rows differ widely in cost (a stop ends early, a fillet scan runs long), so a
    // thread that finishes takes the next run rather than a fixed share.
#pragma omp parallel for schedule(dynamic) num_threads(jobs) if (jobs > 1 && count > 1)
    for (std::ptrdiff_t t = 0; t < static_cast<std::ptrdiff_t>(count); ++t) {
        compute(mode, rows_of(static_cast<std::size_t>(t)), tasks[t]);
    }
#else
    (void)jobs;
    for (std::size_t t = 0; t < count; ++t) compute(mode, rows_of(t), tasks[t]);
#endif
    for (std::size_t t = 0; t < count; ++t) {
        if (tasks[t].fault) std::rethrow_exception(tasks[t].fault);
        err << tasks[t].err;
        out << tasks[t].out;
    }
}

bool stream_batch(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                  std::ostream& err) {
    out << mode.head;
    std::vector<BatchRow> rows;
    while (reader.read(rows, kRowsPerChunk)) {
        write_rows(mode, rows, jobs, out, err);
        if (!out) return true;  // the caller sees the failed output
    }
    return !reader.failed();
}

}  // namespace gp
