#include "spectrum_mode.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <variant>

#include "command_line.h"
#include "cli_files.h"
#include "csv.h"
#include "messages/cli.h"
#include "messages/spectrum.h"
#include "number_parse.h"
#include "pair_file.h"
#include "spectrum_table.h"
#include "stop.h"

namespace gp {
namespace {

using rating::CyclesToFailure;

// %.17g: the digits that give the same double back; "inf" for an infinite damage.
std::string number(double v) {
    std::string text(32, '\0');
    const auto r =
        std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::general, 17);
    text.resize(static_cast<std::size_t>(r.ptr - text.data()));
    return text;
}

// Empty when endless, "static" when the bin fails at once.
std::string cycles(const CyclesToFailure& n) {
    switch (n.kind) {
        case CyclesToFailure::Kind::Endless:
            return {};
        case CyclesToFailure::Kind::Static:
            return "static";
        case CyclesToFailure::Kind::Finite:
            break;
    }
    return number(n.N);
}

int file_fault(std::ostream& err, const std::string& file, const std::string& what) {
    err << msg::cli::file_error(file, what);
    return 2;
}

}  // namespace

bool is_spectrum_mode(const std::string& mode) { return mode == "spectrum"; }

void write_spectrum_table(const rating::SpectrumResult& r, std::ostream& out) {
    out << "bin,T1,n1,cycles1,cycles2,Kv,KHbeta,KHalpha,sigma_H1,sigma_H2,sigma_F1,sigma_F2,"
           "NH1,NH2,NF1,NF2,DH1,DH2,DF1,DF2\n";
    for (std::size_t j = 0; j < r.bins.size(); ++j) {
        const rating::BinRating& b = r.bins[j];
        out << j + 1;
        for (const double v : {b.T1, b.n1, b.cycles[0], b.cycles[1], b.Kv, b.KHbeta, b.KHalpha,
                               b.sigma_H[0], b.sigma_H[1], b.sigma_F[0], b.sigma_F[1]}) {
            out << ',' << number(v);
        }
        for (const auto* n : {&b.NH[0], &b.NH[1], &b.NF[0], &b.NF[1]}) out << ',' << cycles(*n);
        for (const double d : {b.DH[0], b.DH[1], b.DF[0], b.DF[1]}) out << ',' << number(d);
        out << '\n';
    }
    out << "total,DH1,DH2,DF1,DF2,SH1,SH2,SF1,SF2,SstatH1,SstatH2,SstatF1,SstatF2,life_h,"
           "worst_bin\nall";
    for (const double v : {r.DH[0], r.DH[1], r.DF[0], r.DF[1], r.SH[0], r.SH[1], r.SF[0], r.SF[1],
                           r.SstatH[0], r.SstatH[1], r.SstatF[0], r.SstatF[1]}) {
        out << ',' << number(v);
    }
    out << ',' << (r.life_h ? number(*r.life_h) : std::string()) << ','
        << (r.worst_bin ? std::to_string(*r.worst_bin + 1) : std::string()) << '\n';
}

int run_spectrum_mode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err) {
    std::string pair_file, row_text, spectrum_file;
    bool have_pair = false, have_row = false, have_spectrum = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--pair" || a == "--row") {
            if (k + 1 == args.size()) return usage(err, msg::cli::needs_value(a));
            (a == "--pair" ? pair_file : row_text) = args[++k];
            (a == "--pair" ? have_pair : have_row) = true;
        } else if (const auto bad = take_file(a, spectrum_file, have_spectrum)) {
            return usage(err, *bad);
        }
    }
    if (!have_pair) return usage(err, msg::spectrum::kNeedsPair);

    std::string bytes;
    std::istringstream no_input;
    if (!read_whole_input(pair_file, no_input, bytes) || pair_file == "-") {
        return usage(err, msg::cli::cannot_read(pair_file));
    }
    auto read = read_pair_file(bytes);
    if (const auto* e = std::get_if<PairFileError>(&read)) {
        return file_fault(err, pair_file, pair_file_problem_text(*e));
    }
    const PairFile& pairs = std::get<PairFile>(read);
    const int count = static_cast<int>(pairs.rows.size());
    if (count == 0) return file_fault(err, pair_file, msg::spectrum::kNoPairs);
    int row = 1;
    if (have_row) {
        double n = 0;
        try {
            n = strict_convert(row_text, "--row");
        } catch (const StopSignal&) {
            n = 0;
        }
        if (!(n >= 1 && n <= count && n == std::floor(n))) {
            return usage(err, msg::spectrum::bad_row(row_text, count));
        }
        row = static_cast<int>(n);
    } else if (count > 1) {
        return usage(err, msg::spectrum::needs_row(count));
    }

    std::string table;
    const std::string shown = spectrum_file.empty() ? std::string("-") : spectrum_file;
    if (!read_whole_input(spectrum_file, in, table))
        return usage(err, msg::cli::cannot_read(shown));
    const auto spectrum = rating::read_spectrum(table);
    if (const auto* e = std::get_if<rating::SpectrumError>(&spectrum)) {
        return file_fault(err, shown, e->message);
    }

    const PairRow& pair = pairs.rows[static_cast<std::size_t>(row - 1)];
    const auto outcome =
        rating::rate_spectrum(pair.input, pair.rating, std::get<rating::LoadSpectrum>(spectrum));
    std::ostringstream buffer;
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        std::string line = "stop,";
        csv::append_cell(line, stop->message);
        buffer << line << '\n';
        if (!stop->detail.empty()) err << msg::cli::error(stop->detail);
    } else {
        const auto& result = std::get<rating::SpectrumResult>(outcome);
        write_spectrum_table(result, buffer);
        for (const std::string& note : result.notes) err << msg::cli::error(note);
    }
    out << buffer.str();
    out.flush();
    return out ? 0 : 1;
}

}  // namespace gp
