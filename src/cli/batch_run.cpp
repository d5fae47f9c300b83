#include "batch_run.h"

#include <algorithm>
#include <exception>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace gp {
namespace {

// The texts of one run of consecutive rows.
struct Task {
    std::string out, err;
    std::exception_ptr fault;
};

std::size_t task_count(std::size_t rows) { return (rows + kRowsPerTask - 1) / kRowsPerTask; }

std::span<const BatchRow> rows_of_task(std::span<const BatchRow> rows, std::size_t t) {
    const std::size_t first = t * kRowsPerTask;
    return rows.subspan(first, std::min(kRowsPerTask, rows.size() - first));
}

void compute(const BatchMode& mode, std::span<const BatchRow> rows, Task& task) {
    task.out.clear();
    task.err.clear();
    task.fault = nullptr;
    try {
        for (const BatchRow& row : rows) mode.row(row, task.out, task.err);
    } catch (...) {
        // An exception may not leave a parallel region; it is raised again in order.
        task.fault = std::current_exception();
    }
}

// Writes the tasks' texts in order; false at a task that failed, whose fault is
// kept in `fault`.
bool write_tasks(const std::vector<Task>& tasks, std::size_t count, std::ostream& out,
                 std::ostream& err, std::exception_ptr& fault) {
    for (std::size_t t = 0; t < count; ++t) {
        if (tasks[t].fault) {
            fault = tasks[t].fault;
            return false;
        }
        err << tasks[t].err;
        out << tasks[t].out;
    }
    return true;
}

#ifdef _OPENMP
// One chunk's rows handed to the threads as tasks, a run of rows each: rows differ
// widely in cost (a stop ends early, a fillet scan runs long), so a thread that
// finishes takes the next run rather than a fixed share.
void spawn_tasks(const BatchMode& mode, const std::vector<BatchRow>& rows,
                 std::vector<Task>& tasks) {
    const std::size_t count = task_count(rows.size());
    if (tasks.size() < count) tasks.resize(count);
    for (std::size_t t = 0; t < count; ++t) {
#pragma omp task firstprivate(t) shared(mode, rows, tasks)
        compute(mode, rows_of_task(rows, t), tasks[t]);
    }
}

// While the threads compute one chunk, the thread that reads takes in the next one
// and writes out the one before it, so reading and writing cost no extra time.
bool stream_on_threads(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                       std::ostream& err) {
    std::vector<BatchRow> chunk[2];
    std::vector<Task> tasks[2];
    std::exception_ptr fault;
#pragma omp parallel num_threads(jobs)
#pragma omp single
    {
        int now = 0;
        bool more = false;
        try {
            more = reader.read(chunk[now], kRowsPerChunk);
        } catch (...) {
            fault = std::current_exception();
        }
        if (more) spawn_tasks(mode, chunk[now], tasks[now]);
        while (more) {
            const int next = 1 - now;
            try {
                more = reader.read(chunk[next], kRowsPerChunk);
            } catch (...) {
                fault = std::current_exception();
                more = false;
            }
#pragma omp taskwait
            if (more) spawn_tasks(mode, chunk[next], tasks[next]);
            if (!write_tasks(tasks[now], task_count(chunk[now].size()), out, err, fault) || !out) {
                more = false;
            }
            now = next;
        }
#pragma omp taskwait
    }
    if (fault) std::rethrow_exception(fault);
    if (!out) return true;  // the caller sees the failed output
    return !reader.failed();
}
#endif

}  // namespace

int default_jobs() { return std::max(1u, std::thread::hardware_concurrency()); }

void write_rows(const BatchMode& mode, std::span<const BatchRow> rows, int jobs, std::ostream& out,
                std::ostream& err) {
    const std::size_t count = task_count(rows.size());
    std::vector<Task> tasks(count);
#ifdef _OPENMP
#pragma omp parallel for schedule(dynamic) num_threads(jobs) if (jobs > 1 && count > 1)
    for (std::ptrdiff_t t = 0; t < static_cast<std::ptrdiff_t>(count); ++t) {
        compute(mode, rows_of_task(rows, static_cast<std::size_t>(t)), tasks[t]);
    }
#else
    (void)jobs;
    for (std::size_t t = 0; t < count; ++t) compute(mode, rows_of_task(rows, t), tasks[t]);
#endif
    std::exception_ptr fault;
    if (!write_tasks(tasks, count, out, err, fault)) std::rethrow_exception(fault);
}

bool stream_batch(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                  std::ostream& err) {
    out << mode.head;
#ifdef _OPENMP
    if (jobs > 1) return stream_on_threads(mode, reader, jobs, out, err);
#else
    (void)jobs;
#endif
    std::vector<BatchRow> rows;
    while (reader.read(rows, kRowsPerChunk)) {
        write_rows(mode, rows, 1, out, err);
        if (!out) return true;  // the caller sees the failed output
    }
    return !reader.failed();
}

}  // namespace gp
