// gearpair-cli: the batch tool over the same calculations as the desktop program.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "batch_modes.h"
#include "console.h"
#include "system_clock.h"

namespace {

constexpr const char* kHelp =
    R"(Usage: gearpair-cli MODE [--report [--time "YYYY-MM-DD HH:MM:SS"]] [FILE]

Computes every gear pair of a CSV file, as the desktop program's buttons would.

MODE
  geometry   the geometry calculation (the "计算齿轮参数" button)
  strength   the strength calculation (the "计算齿轮强度" button)

FILE
  A CSV file (UTF-8, RFC 4180 quoting) whose first row names the columns; "-" or
  no FILE reads standard input. The columns are the input form's fields, in any
  order and any subset:
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

  --report   instead of CSV, write exactly the bytes that saving each result would
             append to the report file (GBK text, CR LF), stamped with the current
             date and time; rows that stop are named on standard error.
  --time T   stamp the reports with the local time T ("2026-12-07 14:03:05")
             instead of the current one, in the system's date and time formats
             (for reports that must come out the same on every run).

EXIT STATUS
  0  every row was processed (rows that stop included)
  2  bad usage, an unreadable file, malformed CSV, an unknown column or a bad dx
     value (a message on standard error names the line; nothing on standard output)
)";

int usage_error(const std::string& what) {
    std::cerr << "gearpair-cli: " << what << "\nTry 'gearpair-cli --help'.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    gp::use_binary_standard_streams();
    const std::vector<std::string> args = gp::program_arguments(argc, argv);
    std::string mode, file;
    bool report = false;
    std::optional<gp::LocalTime> fixed_time;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (a == "--report") {
            report = true;
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
    if (mode != "geometry" && mode != "strength") {
        return usage_error(mode.empty() ? "no mode given" : "unknown mode '" + mode + "'");
    }

    std::string text;
    if (file.empty() || file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        // The name is UTF-8 on every system (see program_arguments).
        std::ifstream in(std::filesystem::path(std::u8string(file.begin(), file.end())),
                         std::ios::binary);
        if (!in) return usage_error("cannot read " + file);
        std::ostringstream buf;
        buf << in.rdbuf();
        if (in.bad()) return usage_error("cannot read " + file);
        text = buf.str();
    }

    std::vector<gp::BatchRow> rows;
    try {
        rows = gp::read_batch(text);
    } catch (const gp::BatchInputError& e) {
        std::cerr << "gearpair-cli: " << (file.empty() ? std::string("-") : file) << ": "
                  << e.what() << "\n";
        return 2;
    }

    std::ostringstream out;  // nothing reaches standard output unless the whole run succeeds
    gp::SystemClock clock = fixed_time ? gp::SystemClock(*fixed_time) : gp::SystemClock();
    const gp::ReportStamp now = clock.now();  // one moment for the whole run
    if (mode == "geometry") {
        report ? gp::write_geometry_reports(rows, now, out, std::cerr)
               : gp::write_geometry_table(rows, out);
    } else {
        report ? gp::write_strength_reports(rows, now, out, std::cerr)
               : gp::write_strength_table(rows, out);
    }
    std::cout << out.str();
    std::cout.flush();
    return std::cout ? 0 : 1;
}
