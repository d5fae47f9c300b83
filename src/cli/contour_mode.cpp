#include "contour_mode.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <variant>

#include "command_line.h"
#include "batch_run.h"
#include "messages/cli.h"
#include "number_parse.h"
#include "number_text.h"

namespace gp {
namespace {

// A contour keeps this many rows per thread in memory: a row writes thousands of
// points.
constexpr std::size_t kContourRowsPerJob = 4;

void append_point(std::string& out, const std::string& row, const std::string& name,
                  const PlanePoint& p) {
    out += row;
    out += ',';
    out += name;
    out += ',';
    out += full_precision_text(p.x1);
    out += ',';
    out += full_precision_text(p.x2);
    out += ',';
    out += full_precision_text(p.a);
    out += '\n';
}

void append_contour_row(const BatchRow& r, const ContourOptions& options, std::string& out,
                        std::string& err) {
    const int row = static_cast<int>(r.number);
    const std::string number = std::to_string(r.number);
    const auto outcome = blocking_contour(r.input, options);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        err += msg::cli::drawn_row_stop(row, stop->message);
        return;
    }
    const Contour& c = std::get<Contour>(outcome);
    if (c.search_cut_short) err += msg::cli::contour_search_cut_short(r.number);
    for (const LimitCurve& curve : c.curves) {
        const std::string name = limit_name(curve.limit);
        for (std::size_t k = 0; k < curve.runs.size(); ++k) {
            const std::string run = k == 0 ? name : name + "#" + std::to_string(k + 1);
            for (const PlanePoint& p : curve.runs[k]) append_point(out, number, run, p);
        }
        if (curve.cut_short) err += msg::cli::contour_cut_short(row, name);
    }
    const std::pair<const char*, const Outcome<PlanePoint>*> points[] = {
        {"dx1", &c.dx1}, {"dx2", &c.dx2}, {"current", &c.current}};
    for (const auto& [name, point] : points) {
        if (const auto* p = std::get_if<PlanePoint>(point)) {
            append_point(out, number, name, *p);
        } else {
            err += msg::cli::contour_point_stop(row, name, std::get<Stop>(*point).message);
        }
    }
}

}  // namespace

bool is_contour_mode(const std::string& mode) { return mode == "contour"; }

BatchMode contour_table(const ContourOptions& options) {
    BatchMode mode;
    mode.head = "row,curve,x1,x2,a\n";
    mode.row = [options](const BatchRow& row, std::string& out, std::string& err) {
        append_contour_row(row, options, out, err);
    };
    mode.rows_per_job = kContourRowsPerJob;
    return mode;
}

void write_contour_table(const std::vector<BatchRow>& rows, const ContourOptions& options,
                         std::ostream& out, std::ostream& err) {
    const BatchMode mode = contour_table(options);
    out << mode.head;
    write_rows(mode, rows, 1, out, err);
}

int run_contour_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ContourOptions options;
    int jobs = default_jobs();
    std::string file;
    bool have_file = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--window") {
            if (k + 4 >= args.size()) return usage(err, msg::cli::needs_value(a));
            const std::string shown =
                args[k + 1] + " " + args[k + 2] + " " + args[k + 3] + " " + args[k + 4];
            std::optional<double> bounds[4];
            for (int b = 0; b < 4; ++b) {
                const auto read = option_number(a, args[k + 1 + b]);
                if (const double* v = std::get_if<double>(&read); v && std::isfinite(*v)) bounds[b] = *v;
            }
            ShiftWindow& w = options.window;
            if (!bounds[0] || !bounds[1] || !bounds[2] || !bounds[3]) {
                return usage(err, msg::cli::bad_window(shown));
            }
            w = {*bounds[0], *bounds[1], *bounds[2], *bounds[3]};
            if (!is_valid_window(w)) return usage(err, msg::cli::bad_window(shown));
            k += 4;
        } else if (a == "--jobs" || a.rfind("--jobs=", 0) == 0) {
            std::string value;
            if (a == "--jobs") {
                if (k + 1 == args.size()) return usage(err, msg::cli::kJobsNeedsNumber);
                value = args[++k];
            } else {
                value = a.substr(7);
            }
            jobs = jobs_from(value);
            if (jobs == 0) return usage(err, msg::cli::bad_jobs(kMaxJobs, value));
        } else if (const auto bad = take_file(a, file, have_file)) {
            return usage(err, *bad);
        }
    }
    return run_batch_file(contour_table(options), file, jobs, std::cin, out, err);
}

}  // namespace gp
