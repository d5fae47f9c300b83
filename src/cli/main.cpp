// gearpair-cli: the batch tool over the same calculations as the desktop program.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch_input.h"
#include "batch_modes.h"
#include "batch_run.h"
#include "console.h"
#include "contour_mode.h"
#include "drawing_modes.h"
#include "messages/cli.h"
#include "messages/rating.h"
#include "messages/solid.h"
#include "sizing_mode.h"
#include "solid_mode.h"
#include "messages/spectrum.h"
#include "spectrum_mode.h"
#include "system_clock.h"

namespace {

int usage_error(const std::string& what) {
    std::cerr << gp::msg::cli::usage_error(what);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    gp::use_binary_standard_streams();
    const std::vector<std::string> args = gp::program_arguments(argc, argv);
    std::string mode, file;
    bool report = false, detail = false;
    int jobs = gp::default_jobs();
    const bool help =
        std::count(args.begin(), args.end(), "--help") + std::count(args.begin(), args.end(), "-h");
    if (!help && !args.empty() && gp::is_drawing_mode(args[0])) {
        return gp::run_drawing_mode(args, std::cout, std::cerr);
    }
    if (!help && !args.empty() && gp::is_sizing_mode(args[0])) {
        return gp::run_sizing_mode(args, std::cin, std::cout, std::cerr);
    }
    if (!help && !args.empty() && gp::is_contour_mode(args[0])) {
        return gp::run_contour_mode(args, std::cout, std::cerr);
    }
    if (!help && !args.empty() && gp::is_solid_mode(args[0])) {
        return gp::run_solid_mode(args, std::cout, std::cerr);
    }
    if (!help && !args.empty() && gp::is_spectrum_mode(args[0])) {
        return gp::run_spectrum_mode(args, std::cin, std::cout, std::cerr);
    }
    std::optional<gp::LocalTime> fixed_time;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << gp::msg::cli::kHelp << gp::msg::rating::kCliHelp
                      << gp::msg::cli::kDrawingModesHelp << gp::msg::cli::kContourModeHelp
                      << gp::msg::solid::kCliHelp
                      << gp::msg::spectrum::kCliHelp << gp::sizing_help();
            return 0;
        }
        if (a == "--report") {
            report = true;
        } else if (a == "--detail") {
            detail = true;
        } else if (a == "--jobs" || a.rfind("--jobs=", 0) == 0) {
            std::string_view value;
            if (a == "--jobs") {
                if (i + 1 == args.size()) return usage_error(gp::msg::cli::kJobsNeedsNumber);
                value = args[++i];
            } else {
                value = std::string_view(a).substr(7);
            }
            jobs = gp::jobs_from(value);
            if (jobs == 0) {
                return usage_error(gp::msg::cli::bad_jobs(gp::kMaxJobs, std::string(value)));
            }
        } else if (a == "--time") {
            if (i + 1 == args.size()) return usage_error(gp::msg::cli::kTimeNeedsTime);
            fixed_time = gp::parse_local_time(args[++i]);
            if (!fixed_time) return usage_error(gp::msg::cli::bad_time(args[i]));
        } else if (mode.empty()) {
            mode = a;
        } else if (file.empty()) {
            file = a;
        } else {
            return usage_error(gp::msg::cli::kTooManyArguments);
        }
    }
    if (report && detail) return usage_error(gp::msg::cli::kDetailWithReport);
    if (mode != "geometry" && mode != "strength" && mode != "rating") {
        return usage_error(mode.empty() ? gp::msg::cli::kNoMode : gp::msg::cli::unknown_mode(mode));
    }

    gp::SystemClock clock = fixed_time ? gp::SystemClock(*fixed_time) : gp::SystemClock();
    const gp::ReportStamp now = clock.now();  // one moment for the whole run
    const gp::BatchMode batch_mode =
        mode == "rating"     ? (report ? gp::rating_reports(now) : gp::rating_table(detail))
        : mode == "geometry" ? (report ? gp::geometry_reports(now) : gp::geometry_table(detail))
                             : (report ? gp::strength_reports(now) : gp::strength_table(detail));
    return gp::run_batch_file(batch_mode, file, jobs, std::cin, std::cout, std::cerr);
}
