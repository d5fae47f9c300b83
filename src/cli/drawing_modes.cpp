#include "drawing_modes.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <variant>

#include "cli_files.h"
#include "csv.h"
#include "mesh_figures.h"
#include "messages/cli.h"
#include "messages/profile.h"
#include "number_text.h"
#include "command_line.h"
#include "outline_csv.h"
#include "outline_dxf.h"
#include "outline_svg.h"
#include "pair_profile.h"

namespace gp {

namespace {

struct ProfileRequest {
    bool gears[kGears] = {true, true};
    std::string format = "csv";
    OutlineOptions options;
    std::string out_dir = ".";
    std::string file;
};

int run_profile(const ProfileRequest& req, const std::vector<BatchRow>& rows, std::ostream& out,
                std::ostream& err) {
    const bool to_files = req.format != "csv";
    std::filesystem::path dir(req.out_dir);
    if (to_files) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!std::filesystem::is_directory(dir, ec)) {
            err << msg::cli::error(msg::cli::cannot_create_folder(req.out_dir));
            return 1;
        }
    } else {
        out << kOutlineCsvHeader << '\n';
    }
    int row_number = 0;
    for (const BatchRow& row : rows) {
        ++row_number;
        const auto outcome = pair_profile(row.input, req.options);
        if (const auto* stop = std::get_if<Stop>(&outcome)) {
            err << msg::cli::drawn_row_stop(row_number, stop->message);
            continue;
        }
        const auto& profile = std::get<PairProfile>(outcome);
        for (int i = 0; i < kGears; ++i) {
            if (!req.gears[i]) continue;
            if (const auto* stop = std::get_if<Stop>(&profile.outlines[i])) {
                err << msg::cli::drawn_gear_stop(row_number, i, stop->message);
                continue;
            }
            const auto& outline = std::get<GearOutline>(profile.outlines[i]);
            if (outline.rounding.fitted) {
                std::ostringstream asked, taken;
                asked << kDefaultRoundingPerModule * profile.numbers.mn;
                taken << outline.rounding.radius;
                err << msg::cli::drawn_fitted_rounding(row_number, i, asked.str(), taken.str());
            }
            if (outline.capped) {
                std::ostringstream tolerance;
                tolerance << outline.tolerance;
                err << msg::cli::drawn_coarser(row_number, i, req.options.max_points,
                                               tolerance.str());
            }
            if (!to_files) {
                out << outline_csv_lines(outline, row_number);
                continue;
            }
            std::string bytes;
            if (req.format == "svg") {
                bytes = outline_svg(outline);
            } else {
                auto dxf = outline_dxf(outline);
                if (const auto* stop = std::get_if<Stop>(&dxf)) {
                    err << msg::cli::error(stop->message);
                    return 1;
                }
                bytes = std::get<std::string>(std::move(dxf));
            }
            const auto path = dir / ("row" + std::to_string(row_number) + "-gear" +
                                     std::to_string(i + 1) + "." + req.format);
            if (!write_whole_file(path, bytes)) {
                err << msg::cli::error(msg::cli::cannot_write(path.string()));
                return 1;
            }
        }
    }
    return 0;
}

}  // namespace

bool is_drawing_mode(const std::string& mode) { return mode == "profile" || mode == "mesh"; }

void write_mesh_table(const std::vector<BatchRow>& rows, std::ostream& out) {
    const std::vector<std::string> head = {"status",  "message", "ae",      "t1a",
                                           "t1b",     "t1c",     "t1d",     "t1e",
                                           "zeta1_a", "zeta2_a", "zeta1_e", "zeta2_e"};
    out << csv::format_row(head);
    const auto stop_row = [&head](const Stop& stop) {
        std::vector<std::string> cells(head.size());
        cells[0] = "stop";
        cells[1] = stop.message;
        return cells;
    };
    for (const BatchRow& row : rows) {
        const auto numbers = compute_geometry_numbers(row.input);
        if (const auto* stop = std::get_if<Stop>(&numbers)) {
            out << csv::format_row(stop_row(*stop));
            continue;
        }
        const MeshFigures m = mesh_figures(std::get<GeometryNumbers>(numbers));
        const auto at_a = specific_sliding(m, m.a);
        const auto at_e = specific_sliding(m, m.e);
        if (auto stop = sliding_stop(m); stop || !at_a || !at_e) {
            out << csv::format_row(stop_row(stop ? *stop : Stop{msg::kContactBeyondTangent}));
            continue;
        }
        out << csv::format_row({"ok", "", full_precision_text(m.ae), full_precision_text(m.a),
                                full_precision_text(m.b), full_precision_text(m.c),
                                full_precision_text(m.d), full_precision_text(m.e),
                                full_precision_text(at_a->zeta1), full_precision_text(at_a->zeta2),
                                full_precision_text(at_e->zeta1),
                                full_precision_text(at_e->zeta2)});
    }
}

int run_drawing_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string mode = args.empty() ? std::string() : args[0];
    ProfileRequest req;
    bool have_file = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        const bool option = mode == "profile" && a.size() > 2 && a.rfind("--", 0) == 0;
        if (option) {
            if (k + 1 >= args.size()) return usage(err, msg::cli::needs_value(a));
            const std::string& v = args[++k];
            if (a == "--gear") {
                if (v != "1" && v != "2" && v != "both")
                    return usage(err, msg::cli::bad_value(a, v));
                req.gears[0] = v != "2";
                req.gears[1] = v != "1";
            } else if (a == "--format") {
                if (v != "csv" && v != "dxf" && v != "svg")
                    return usage(err, msg::cli::bad_value(a, v));
                req.format = v;
            } else if (a == "--thickness") {
                if (v == "nominal") {
                    req.options.thickness = ThicknessChoice::Nominal;
                } else if (v == "upper") {
                    req.options.thickness = ThicknessChoice::Upper;
                } else if (v == "lower") {
                    req.options.thickness = ThicknessChoice::Lower;
                } else if (v == "mean") {
                    req.options.thickness = ThicknessChoice::Mean;
                } else {
                    return usage(err, msg::cli::bad_value(a, v));
                }
            } else if (a == "--tolerance") {
                // A chord tolerance in mm, positive.
                const auto tolerance = option_number(a, v);
                if (const auto* problem = std::get_if<std::string>(&tolerance)) {
                    return usage(err, *problem);
                }
                if (!(std::get<double>(tolerance) > 0.0)) {
                    return usage(err, msg::cli::bad_tolerance(v));
                }
                req.options.tolerance = std::get<double>(tolerance);
            } else if (a == "--out") {
                if (v.empty()) return usage(err, msg::cli::kEmptyOut);
                req.out_dir = v;
            } else {
                return usage(err, msg::cli::unknown_option(a));
            }
        } else if (const auto bad = take_file(a, req.file, have_file)) {
            return usage(err, *bad);
        }
    }
    if (req.format == "dxf" && !dxf_available()) {
        return usage(err, msg::cli::kNoDxf);
    }

    std::string text;
    if (!read_whole_input(req.file, std::cin, text))
        return usage(err, msg::cli::cannot_read(req.file));
    std::vector<BatchRow> rows;
    try {
        rows = read_batch(text);
    } catch (const BatchInputError& e) {
        err << msg::cli::file_error(req.file.empty() ? std::string("-") : req.file, e.what());
        return 2;
    }

    // Nothing reaches standard output unless the whole run succeeds.
    std::ostringstream buffer;
    int status = 0;
    if (mode == "mesh") {
        write_mesh_table(rows, buffer);
    } else {
        status = run_profile(req, rows, buffer, err);
    }
    if (status != 0) return status;
    out << buffer.str();
    out.flush();
    return out ? 0 : 1;
}

}  // namespace gp
