// gearpair-cli: the batch tool over the same calculations as the desktop program.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
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
#include "sizing_mode.h"
#include "system_clock.h"

namespace {

int usage_error(const std::string& what) {
    std::cerr << gp::msg::cli::usage_error(what);
    return 2;
}

constexpr int kMaxJobs = 1024;

// A whole number of threads from 1 to kMaxJobs, or 0.
int jobs_from(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1 || n > kMaxJobs) return 0;
    return n;
}

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
    std::optional<gp::LocalTime> fixed_time;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << gp::msg::cli::kHelp << gp::msg::rating::kCliHelp
                      << gp::msg::cli::kDrawingModesHelp << gp::msg::cli::kContourModeHelp
                      << gp::sizing_help();
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
            jobs = jobs_from(value);
            if (jobs == 0) {
                return usage_error(gp::msg::cli::bad_jobs(kMaxJobs, std::string(value)));
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
    if (mode == "rating" && report) return usage_error(gp::msg::rating::kNoRatingReport);
    if (mode != "geometry" && mode != "strength" && mode != "rating") {
        return usage_error(mode.empty() ? gp::msg::cli::kNoMode : gp::msg::cli::unknown_mode(mode));
    }

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
        if (!named) return usage_error(gp::msg::cli::cannot_read(file));
        input = &named;
    }

    // Nothing reaches standard output unless the whole file is sound: it is read
    // through once to check it, and then again to compute its rows.
    try {
        if (from_stdin) {
            gp::check_batch(std::cin, &spool->stream());
            if (std::cin.bad()) return usage_error(gp::msg::cli::kCannotReadStdin);
        } else {
            gp::check_batch(named);
            if (named.bad()) return usage_error(gp::msg::cli::cannot_read(file));
        }
    } catch (const gp::BatchInputError& e) {
        std::cerr << gp::msg::cli::file_error(shown_name, e.what());
        return 2;
    }
    // A scratch copy that could not be written whole (a full disk) is not read.
    if (!*input && !input->eof()) return usage_error(gp::msg::cli::kCannotCopyStdin);
    input->clear();
    input->seekg(0);
    if (!*input) return usage_error(gp::msg::cli::cannot_reread(shown_name));

    gp::SystemClock clock = fixed_time ? gp::SystemClock(*fixed_time) : gp::SystemClock();
    const gp::ReportStamp now = clock.now();  // one moment for the whole run
    const gp::BatchMode batch_mode =
        mode == "rating"     ? gp::rating_table(detail)
        : mode == "geometry" ? (report ? gp::geometry_reports(now) : gp::geometry_table(detail))
                             : (report ? gp::strength_reports(now) : gp::strength_table(detail));
    try {
        gp::BatchReader reader(*input);
        if (!gp::stream_batch(batch_mode, reader, jobs, std::cout, std::cerr)) {
            std::cerr << gp::msg::cli::file_error(shown_name, gp::msg::cli::kReadingFailed);
            return 2;
        }
    } catch (const gp::BatchInputError& e) {  // the file changed between the two readings
        std::cerr << gp::msg::cli::file_error(shown_name, e.what());
        return 2;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
