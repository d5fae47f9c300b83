#include "solid_mode.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <variant>

#include "command_line.h"
#include "batch_input.h"
#include "cli_files.h"
#include "gear_solids.h"
#include "messages/cli.h"
#include "messages/solid.h"
#include "number_parse.h"
#include "pi.h"

namespace gp {
namespace {

struct SolidRun {
    SolidRequest request;
    std::string out_dir = ".";
    std::string file;
};

// A number typed on the command line, through the program's one reader; nothing
// when it is not one.
std::optional<double> number_of(const std::string& text) {
    if (!is_numeric(text)) return std::nullopt;
    const auto value = run_to_outcome([&] { return strict_convert(text); });
    const double* v = std::get_if<double>(&value);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return *v;
}

std::string file_name(int row, SolidGears gears) {
    const char* which = gears == SolidGears::Pinion  ? "gear1"
                        : gears == SolidGears::Wheel ? "gear2"
                                                     : "pair";
    return "row" + std::to_string(row) + "-" + which + ".step";
}

// The options after the mode; a usage message, or nothing when all are sound.
std::optional<std::string> parse(const std::vector<std::string>& args, SolidRun& run) {
    bool have_file = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (!(a.size() > 2 && a.rfind("--", 0) == 0)) {
            if (have_file) return std::string(msg::cli::kTooManyArguments);
            run.file = a;
            have_file = true;
            continue;
        }
        if (k + 1 >= args.size()) return msg::cli::needs_value(a);
        const std::string& v = args[++k];
        if (a == "--gear") {
            if (v != "1" && v != "2" && v != "both") return msg::cli::bad_value(a, v);
            run.request.gears = v == "1"   ? SolidGears::Pinion
                                : v == "2" ? SolidGears::Wheel
                                           : SolidGears::Pair;
        } else if (a == "--thickness") {
            constexpr const char* kNames[] = {"nominal", "upper", "lower", "mean"};
            constexpr ThicknessChoice kChoices[] = {ThicknessChoice::Nominal,
                                                    ThicknessChoice::Upper, ThicknessChoice::Lower,
                                                    ThicknessChoice::Mean};
            std::size_t i = 0;
            while (i < 4 && v != kNames[i]) ++i;
            if (i == 4) return msg::cli::bad_value(a, v);
            run.request.thickness = kChoices[i];
        } else if (a == "--bore" || a == "--chamfer") {
            const auto mm = number_of(v);
            if (!mm || *mm < 0.0) return msg::solid::bad_length(a, v);
            (a == "--bore" ? run.request.bore : run.request.chamfer) = *mm;
        } else if (a == "--angle") {
            const auto degrees = number_of(v);
            if (!degrees) return msg::solid::bad_angle(v);
            run.request.pinion_turn = *degrees * kExactPi / 180.0;
        } else if (a == "--out") {
            if (v.empty()) return std::string(msg::cli::kEmptyOut);
            run.out_dir = v;
        } else {
            return msg::cli::unknown_option(a);
        }
    }
    return std::nullopt;
}

}  // namespace

bool is_solid_mode(const std::string& mode) { return mode == "solid"; }

int run_solid_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SolidRun run;
    if (auto problem = parse(args, run)) return usage(err, *problem);
    if (!solids_available()) return usage(err, msg::solid::kCliNotAvailable);

    std::string text;
    if (!read_whole_input(run.file, std::cin, text))
        return usage(err, msg::cli::cannot_read(run.file));
    std::vector<BatchRow> rows;
    try {
        rows = read_batch(text);
    } catch (const BatchInputError& e) {
        err << msg::cli::file_error(run.file.empty() ? std::string("-") : run.file, e.what());
        return 2;
    }

    const bool to_stdout = rows.size() == 1;
    const std::filesystem::path dir(run.out_dir);
    if (!to_stdout && !rows.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!std::filesystem::is_directory(dir, ec)) {
            err << msg::cli::error(msg::cli::cannot_create_folder(run.out_dir));
            return 1;
        }
    }
    int row_number = 0;
    for (const BatchRow& row : rows) {
        ++row_number;
        const auto step = solid_step(row.input, run.request);
        if (const auto* stop = std::get_if<Stop>(&step)) {
            err << msg::cli::drawn_row_stop(row_number, stop->message);
            continue;
        }
        const std::string& bytes = std::get<std::string>(step);
        if (to_stdout) {
            out << bytes;
            out.flush();
            if (!out) return 1;
            continue;
        }
        const auto path = dir / file_name(row_number, run.request.gears);
        if (!write_whole_file(path, bytes)) {
            err << msg::cli::error(msg::cli::cannot_write(path.string()));
            return 1;
        }
    }
    return 0;
}

}  // namespace gp
