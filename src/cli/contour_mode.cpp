#include "contour_mode.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <variant>

#include "messages/cli.h"

namespace gp {
namespace {

std::string full_precision(double v) {
    std::string text(32, '\0');
    const auto r =
        std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::general, 17);
    text.resize(static_cast<std::size_t>(r.ptr - text.data()));
    return text;
}

// A whole decimal number, finite.
bool parse_number(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno == 0 && std::isfinite(value);
}

bool read_all(const std::string& file, std::string& text) {
    if (file.empty() || file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return !std::cin.bad();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    text = buf.str();
    return !in.bad();
}

int usage(std::ostream& err, const std::string& what) {
    err << msg::cli::usage_error(what);
    return 2;
}

void write_point(std::ostream& out, int row, const std::string& name, const PlanePoint& p) {
    out << row << ',' << name << ',' << full_precision(p.x1) << ',' << full_precision(p.x2) << ','
        << full_precision(p.a) << '\n';
}

}  // namespace

bool is_contour_mode(const std::string& mode) { return mode == "contour"; }

void write_contour_table(const std::vector<BatchRow>& rows, const ContourOptions& options,
                         std::ostream& out, std::ostream& err) {
    out << "row,curve,x1,x2,a\n";
    int row = 0;
    for (const BatchRow& r : rows) {
        ++row;
        const auto outcome = blocking_contour(r.input, options);
        if (const auto* stop = std::get_if<Stop>(&outcome)) {
            err << msg::cli::drawn_row_stop(row, stop->message);
            continue;
        }
        const Contour& c = std::get<Contour>(outcome);
        for (const LimitCurve& curve : c.curves) {
            const std::string name = limit_name(curve.limit);
            for (std::size_t k = 0; k < curve.runs.size(); ++k) {
                const std::string run = k == 0 ? name : name + "#" + std::to_string(k + 1);
                for (const PlanePoint& p : curve.runs[k]) write_point(out, row, run, p);
            }
            if (curve.cut_short) err << msg::cli::contour_cut_short(row, name);
        }
        const std::pair<const char*, const Outcome<PlanePoint>*> points[] = {
            {"dx1", &c.dx1}, {"dx2", &c.dx2}, {"current", &c.current}};
        for (const auto& [name, point] : points) {
            if (const auto* p = std::get_if<PlanePoint>(point)) {
                write_point(out, row, name, *p);
            } else {
                err << msg::cli::contour_point_stop(row, name, std::get<Stop>(*point).message);
            }
        }
    }
}

int run_contour_mode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ContourOptions options;
    std::string file;
    bool have_file = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--window") {
            if (k + 4 >= args.size()) return usage(err, msg::cli::needs_value(a));
            const std::string shown =
                args[k + 1] + " " + args[k + 2] + " " + args[k + 3] + " " + args[k + 4];
            ShiftWindow& w = options.window;
            if (!parse_number(args[k + 1], w.x1_min) || !parse_number(args[k + 2], w.x1_max) ||
                !parse_number(args[k + 3], w.x2_min) || !parse_number(args[k + 4], w.x2_max) ||
                !is_valid_window(w)) {
                return usage(err, msg::cli::bad_window(shown));
            }
            k += 4;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return usage(err, msg::cli::unknown_option(a));
        } else if (!have_file) {
            file = a;
            have_file = true;
        } else {
            return usage(err, msg::cli::kTooManyArguments);
        }
    }

    std::string text;
    if (!read_all(file, text)) return usage(err, msg::cli::cannot_read(file));
    std::vector<BatchRow> rows;
    try {
        rows = read_batch(text);
    } catch (const BatchInputError& e) {
        err << msg::cli::file_error(file.empty() ? std::string("-") : file, e.what());
        return 2;
    }
    // Nothing reaches standard output unless the whole input is sound.
    std::ostringstream buffer;
    write_contour_table(rows, options, buffer, err);
    out << buffer.str();
    out.flush();
    return out ? 0 : 1;
}

}  // namespace gp
