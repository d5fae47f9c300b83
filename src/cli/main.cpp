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
#include "drawing_modes.h"
#include "system_clock.h"

namespace {

constexpr const char* kHelp =
    R"(Usage: gearpair-cli MODE [--report [--time "YYYY-MM-DD HH:MM:SS"] | --detail] [--jobs N] [FILE]

Computes every gear pair of a CSV file, as the desktop program's buttons would.

MODE
  geometry   the geometry calculation (the "计算齿轮参数" button)
  strength   the strength calculation (the "计算齿轮强度" button)
  profile    the tooth outlines (see DRAWING MODES below)
  mesh       the path of contact and the specific sliding (see DRAWING MODES)

FILE
  A CSV file (UTF-8, RFC 4180 quoting) whose first row names the columns; "-" or
  no FILE reads standard input. A pair saved by the desktop program is such a
  file. The columns are the input form's fields, in any order and any subset:
    zxja fmn fjafn lxjbt ckbw h0 c0 nj cs1z1 cs2z2 ess1 ess2 esi1 esi2 fr1 fr2
    xng1 xng2 dpg1 dpg2 cgyj1 cgyj2 ck1 ck2 th1 th2 jd1 jd2
  and dx ("dx1" equal strength, "dx2" equal noise; empty or missing: dx1).
  A missing column counts as an empty field; each cell is taken exactly as typed.

OUTPUT
  CSV on standard output, one row per input row, in order:
    geometry: status,message,pz1,pz2,d1,d2,xn0,xn1,xn2,...,ews2,ewi2
    strength: status,message,sheet,zxj,zn,ck,...,wq1,wq2,jc
  status is "ok" or "stop"; message is the calculation's message on a stop, when
  every value cell is empty. sheet is jg1, jg2 or jg3; a value the chosen sheet
  does not show is empty.

  --detail   add a last column "detail": on a stop, what failed, with the values
             that matter (empty on "ok" rows).
  --report   instead of CSV, write exactly the bytes that saving each result would
             append to the report file (GBK text, CR LF), stamped with the current
             date and time; rows that stop are named on standard error.
  --time T   stamp the reports with the local time T ("2026-12-07 14:03:05")
             instead of the current one, in the system's date and time formats
             (for reports that must come out the same on every run).
  --jobs N   compute the rows on N threads (default: one per core; a build
             without OpenMP uses one); the output is the same, byte for byte,
             whatever N is. The file is read and written a few thousand rows at
             a time, so any length fits in memory.

EXIT STATUS
  0  every row was processed (rows that stop included)
  2  bad usage, an unreadable file, malformed CSV, an unknown column or a bad dx
     value (a message on standard error names the line; nothing on standard output)
)";

int usage_error(const std::string& what) {
    std::cerr << "gearpair-cli: " << what << "\nTry 'gearpair-cli --help'.\n";
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
    std::optional<gp::LocalTime> fixed_time;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp << gp::kDrawingModesHelp;
            return 0;
        }
        if (a == "--report") {
            report = true;
        } else if (a == "--detail") {
            detail = true;
        } else if (a == "--jobs" || a.rfind("--jobs=", 0) == 0) {
            std::string_view value;
            if (a == "--jobs") {
                if (i + 1 == args.size()) return usage_error("--jobs needs a number");
                value = args[++i];
            } else {
                value = std::string_view(a).substr(7);
            }
            jobs = jobs_from(value);
            if (jobs == 0) {
                return usage_error("--jobs wants a whole number from 1 to " +
                                   std::to_string(kMaxJobs) + ", not '" + std::string(value) + "'");
            }
        } else if (a == "--time") {
            if (i + 1 == args.size()) return usage_error("--time needs a time");
            fixed_time = gp::parse_local_time(args[++i]);
            if (!fixed_time)
                return usage_error("--time '" + args[i] + "' is not YYYY-MM-DD HH:MM:SS");
        } else if (mode.empty()) {
            mode = a;
        } else if (file.empty()) {
            file = a;
        } else {
            return usage_error("too many arguments");
        }
    }
    if (report && detail) return usage_error("--detail and --report cannot be combined");
    if (mode != "geometry" && mode != "strength") {
        return usage_error(mode.empty() ? "no mode given" : "unknown mode '" + mode + "'");
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
        if (!named) return usage_error("cannot read " + file);
        input = &named;
    }

    // Nothing reaches standard output unless the whole file is sound: it is read
    // through once to check it, and then again to compute its rows.
    try {
        if (from_stdin) {
            gp::check_batch(std::cin, &spool->stream());
            if (std::cin.bad()) return usage_error("cannot read standard input");
        } else {
            gp::check_batch(named);
            if (named.bad()) return usage_error("cannot read " + file);
        }
    } catch (const gp::BatchInputError& e) {
        std::cerr << "gearpair-cli: " << shown_name << ": " << e.what() << "\n";
        return 2;
    }
    // A scratch copy that could not be written whole (a full disk) is not read.
    if (!*input && !input->eof()) return usage_error("cannot keep a copy of standard input");
    input->clear();
    input->seekg(0);
    if (!*input) return usage_error("cannot read " + shown_name + " a second time");

    gp::SystemClock clock = fixed_time ? gp::SystemClock(*fixed_time) : gp::SystemClock();
    const gp::ReportStamp now = clock.now();  // one moment for the whole run
    const gp::BatchMode batch_mode =
        mode == "geometry" ? (report ? gp::geometry_reports(now) : gp::geometry_table(detail))
                           : (report ? gp::strength_reports(now) : gp::strength_table(detail));
    try {
        gp::BatchReader reader(*input);
        if (!gp::stream_batch(batch_mode, reader, jobs, std::cout, std::cerr)) {
            std::cerr << "gearpair-cli: " << shown_name << ": reading failed part of the way\n";
            return 2;
        }
    } catch (const gp::BatchInputError& e) {  // the file changed between the two readings
        std::cerr << "gearpair-cli: " << shown_name << ": " << e.what() << "\n";
        return 2;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
