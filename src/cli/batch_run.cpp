#include "batch_run.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "messages/cli.h"
#include "number_parse.h"
#include "stop.h"

namespace gp {
namespace {

// The texts of one run of consecutive rows.
struct Task {
    std::string out, err;
    std::exception_ptr fault;
};

// Rows of a mode that keeps few rows in memory are computed one to a task.
std::size_t rows_per_task(const BatchMode& mode) { return mode.rows_per_job ? 1 : kRowsPerTask; }

std::size_t rows_per_chunk(const BatchMode& mode, int jobs) {
    if (!mode.rows_per_job) return kRowsPerChunk;
    return std::min(kRowsPerChunk, mode.rows_per_job * static_cast<std::size_t>(std::max(1, jobs)));
}

std::size_t task_count(const BatchMode& mode, std::size_t rows) {
    return (rows + rows_per_task(mode) - 1) / rows_per_task(mode);
}

std::span<const BatchRow> rows_of_task(const BatchMode& mode, std::span<const BatchRow> rows,
                                       std::size_t t) {
    const std::size_t first = t * rows_per_task(mode);
    return rows.subspan(first, std::min(rows_per_task(mode), rows.size() - first));
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
    const std::size_t count = task_count(mode, rows.size());
    if (tasks.size() < count) tasks.resize(count);
    for (std::size_t t = 0; t < count; ++t) {
#pragma omp task firstprivate(t) shared(mode, rows, tasks)
        compute(mode, rows_of_task(mode, rows, t), tasks[t]);
    }
}

// While the threads compute one chunk, the thread that reads takes in the next one
// and writes out the one before it, so reading and writing cost no extra time.
bool stream_on_threads(const BatchMode& mode, BatchReader& reader, int jobs, std::ostream& out,
                       std::ostream& err) {
    std::vector<BatchRow> chunk[2];
    std::vector<Task> tasks[2];
    std::exception_ptr fault;
    const std::size_t chunk_rows = rows_per_chunk(mode, jobs);
#pragma omp parallel num_threads(jobs)
#pragma omp single
    {
        int now = 0;
        bool more = false;
        try {
            more = reader.read(chunk[now], chunk_rows);
        } catch (...) {
            fault = std::current_exception();
        }
        if (more) spawn_tasks(mode, chunk[now], tasks[now]);
        while (more) {
            const int next = 1 - now;
            try {
                more = reader.read(chunk[next], chunk_rows);
            } catch (...) {
                fault = std::current_exception();
                more = false;
            }
#pragma omp taskwait
            if (more) spawn_tasks(mode, chunk[next], tasks[next]);
            if (!write_tasks(tasks[now], task_count(mode, chunk[now].size()), out, err, fault) ||
                !out) {
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

// Standard input can be read only once, and the whole text is checked before any
// row is written: it is copied to a scratch file while it is checked, then read
// again from there. Without a scratch file it is kept in memory instead.
class Spool {
  public:
    Spool() {
        std::error_code ec;
        const auto dir = std::filesystem::temp_directory_path(ec);
        if (!ec) {
            // A name no other run picks: the clock and the system's random numbers.
            std::random_device random;
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            path_ = dir / ("gearpair-cli-" + std::to_string(now) + "-" + std::to_string(random()) +
                           ".csv");
            auto file = std::make_unique<std::fstream>(
                path_, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
            if (*file) {
                stream_ = std::move(file);
                return;
            }
            path_.clear();
        }
        stream_ =
            std::make_unique<std::stringstream>(std::ios::in | std::ios::out | std::ios::binary);
    }
    ~Spool() {
        stream_.reset();
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove(path_, ec);
    }
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;

    std::iostream& stream() { return *stream_; }

  private:
    std::filesystem::path path_;
    std::unique_ptr<std::iostream> stream_;
};

}  // namespace

int jobs_from(std::string_view text) {
    const auto n = run_to_outcome([text] { return strict_convert(text); });
    const double* value = std::get_if<double>(&n);
    if (!value || !(*value >= 1 && *value <= kMaxJobs) || *value != std::floor(*value)) return 0;
    return static_cast<int>(*value);
}

int run_batch_file(const BatchMode& mode, const std::string& file, int jobs,
                   std::istream& standard_input, std::ostream& out, std::ostream& err) {
    const auto usage_error = [&err](const std::string& what) {
        err << msg::cli::usage_error(what);
        return 2;
    };
    const bool from_stdin = file.empty() || file == "-";
    const std::string shown_name = file.empty() ? std::string("-") : file;
    std::unique_ptr<Spool> spool;
    std::ifstream named;
    std::istream* input = nullptr;
    if (from_stdin) {
        spool = std::make_unique<Spool>();
        input = &spool->stream();
    } else {
        // The name is UTF-8 on every system (see program_arguments).
        named.open(std::filesystem::path(std::u8string(file.begin(), file.end())),
                   std::ios::binary);
        if (!named) return usage_error(msg::cli::cannot_read(file));
        input = &named;
    }

    try {
        if (from_stdin) {
            check_batch(standard_input, &spool->stream());
            if (standard_input.bad()) return usage_error(msg::cli::kCannotReadStdin);
        } else {
            check_batch(named);
            if (named.bad()) return usage_error(msg::cli::cannot_read(file));
        }
    } catch (const BatchInputError& e) {
        err << msg::cli::file_error(shown_name, e.what());
        return 2;
    }
    // A scratch copy that could not be written whole (a full disk) is not read.
    if (!*input && !input->eof()) return usage_error(msg::cli::kCannotCopyStdin);
    input->clear();
    input->seekg(0);
    if (!*input) return usage_error(msg::cli::cannot_reread(shown_name));

    try {
        BatchReader reader(*input);
        if (!stream_batch(mode, reader, jobs, out, err)) {
            err << msg::cli::file_error(shown_name, msg::cli::kReadingFailed);
            return 2;
        }
    } catch (const BatchInputError& e) {  // the file changed between the two readings
        err << msg::cli::file_error(shown_name, e.what());
        return 2;
    }
    out.flush();
    if (!out) {
        err << msg::cli::error(msg::cli::kCannotWriteOutput);
        return 1;
    }
    return 0;
}

int default_jobs() { return std::max(1u, std::thread::hardware_concurrency()); }

void write_rows(const BatchMode& mode, std::span<const BatchRow> rows, int jobs, std::ostream& out,
                std::ostream& err) {
    const std::size_t count = task_count(mode, rows.size());
    std::vector<Task> tasks(count);
#ifdef _OPENMP
#pragma omp parallel for schedule(dynamic) num_threads(jobs) if (jobs > 1 && count > 1)
    for (std::ptrdiff_t t = 0; t < static_cast<std::ptrdiff_t>(count); ++t) {
        compute(mode, rows_of_task(mode, rows, static_cast<std::size_t>(t)), tasks[t]);
    }
#else
    (void)jobs;
    for (std::size_t t = 0; t < count; ++t) compute(mode, rows_of_task(mode, rows, t), tasks[t]);
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
    while (reader.read(rows, rows_per_chunk(mode, 1))) {
        write_rows(mode, rows, 1, out, err);
        if (!out) return true;  // the caller sees the failed output
    }
    return !reader.failed();
}

}  // namespace gp
