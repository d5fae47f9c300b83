#include "sizing_mode.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "command_line.h"
#include "batch_input.h"
#include "batch_run.h"
#include "cli_files.h"
#include "messages/cli.h"
#include "messages/sizing.h"
#include "number_parse.h"
#include "sizing_requirements.h"
#include "sizing_run.h"
#include "sizing_table.h"

namespace gp {
namespace {

std::string stop_text(const Stop& s) {
    return s.detail.empty() ? s.message : s.message + ": " + s.detail;
}

}  // namespace

bool is_sizing_mode(const std::string& mode) { return mode == "sizing"; }

std::string sizing_help() {
    std::string help = msg::sizing::kCliHelp;
    for (const auto& k : sizing::requirement_keys()) {
        help += "    " + std::string(k.key) + " [" + k.default_text + "]  " + k.meaning + "\n";
    }
    return help;
}

int run_sizing_mode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    std::string file, pair_file;
    bool have_file = false;
    int jobs = sizing::default_workers();
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--jobs" || a == "--pair") {
            if (k + 1 == args.size()) return usage(err, msg::cli::needs_value(a));
            const std::string& value = args[++k];
            if (a == "--pair") {
                pair_file = value;
            } else if ((jobs = jobs_from(value)) == 0) {
                return usage(err, msg::cli::bad_jobs(kMaxJobs, value));
            }
        } else if (const auto bad = take_file(a, file, have_file)) {
            return usage(err, *bad);
        }
    }
    const std::string shown = file.empty() ? std::string("-") : file;

    RatingInputs rating;
    if (!pair_file.empty()) {
        std::string text;
        if (pair_file == "-" || !read_whole_input(pair_file, in, text)) {
            return usage(err, msg::cli::cannot_read(pair_file));
        }
        try {
            const std::vector<BatchRow> rows = read_batch(text);
            if (rows.empty()) {
                err << msg::cli::file_error(pair_file, msg::sizing::kCliPairFileEmpty);
                return 2;
            }
            rating = rows.front().rating;
        } catch (const BatchInputError& e) {
            err << msg::cli::file_error(pair_file, e.what());
            return 2;
        }
    }
    std::string text;
    if (!read_whole_input(file, in, text)) return usage(err, msg::cli::cannot_read(shown));
    const auto requirements = sizing::read_requirements(text);
    if (const auto* stop = std::get_if<Stop>(&requirements)) {
        err << msg::cli::file_error(shown, stop_text(*stop));
        return 2;
    }
    auto space = sizing::space_of(std::get<sizing::Requirements>(requirements), rating);
    if (const auto* stop = std::get_if<Stop>(&space)) {
        err << msg::cli::file_error(shown, stop_text(*stop));
        return 2;
    }
    const sizing::Space& s = std::get<sizing::Space>(space);
    out << sizing::csv_header();
    sizing::SizingRun run(s, jobs);
    const sizing::Summary summary =
        run.run([&out](const sizing::Variant& v) { out << sizing::csv_line(v); });
    err << "tried," << summary.tried << "\nadmissible," << summary.admissible << '\n';
    for (int k = 0; k < sizing::kFailureKinds; ++k) {
        err << sizing::kFailureKeys[k] << ',' << summary.failures[k] << '\n';
    }
    if (const std::string note = sizing::outcome_note(summary); !note.empty()) {
        err << msg::cli::error(note);
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace gp
