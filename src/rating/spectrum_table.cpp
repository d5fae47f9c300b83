#include "spectrum_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "csv.h"
#include "messages/spectrum.h"
#include "number_parse.h"
#include "stop.h"

namespace gp::rating {
namespace {

namespace m = msg::spectrum;

struct Fault {
    SpectrumError error;
};

[[noreturn]] void cell_fault(int line, int bin, const std::string& column,
                             const std::string& what) {
    throw Fault{{m::at_cell(line, bin, column, what), line, column}};
}

[[noreturn]] void header_fault(const std::string& what, const std::string& column = {}) {
    throw Fault{{m::at_header(what), 1, column}};
}

// A cell's number through the one reader; blanks around are allowed, a finite
// number is required.
std::optional<double> number_in(const std::string& text, int line, int bin,
                                const std::string& column) {
    if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    try {
        const double v = strict_convert(text, column);
        if (std::isfinite(v)) return v;
    } catch (const StopSignal&) {
    }
    cell_fault(line, bin, column, m::not_a_number(text));
}

}  // namespace

std::string shortest_text(double v) {
    std::string text(32, '\0');
    const auto r = std::to_chars(text.data(), text.data() + text.size(), v);
    text.resize(static_cast<std::size_t>(r.ptr - text.data()));
    return text;
}

namespace {

LoadSpectrum spectrum_of(const std::vector<std::vector<std::string>>& rows,
                         const std::vector<int>& lines) {
    if (rows.empty()) throw Fault{{m::kNoHeader, 0, {}}};
    int t1 = -1, cycles = -1, hours = -1, n1 = -1, khb = -1;
    const auto& head = rows[0];
    for (std::size_t c = 0; c < head.size(); ++c) {
        std::string name = head[c];
        const auto first = name.find_first_not_of(" \t"), last = name.find_last_not_of(" \t");
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        int* slot = name == "T1"       ? &t1
                    : name == "cycles" ? &cycles
                    : name == "hours"  ? &hours
                    : name == "n1"     ? &n1
                    : name == "KHb"    ? &khb
                                       : nullptr;
        if (!slot) continue;
        if (*slot >= 0) header_fault(m::repeated_column(name), name);
        *slot = static_cast<int>(c);
    }
    if (t1 < 0) header_fault(m::kNoTorqueColumn, "T1");
    if (cycles >= 0 && hours >= 0) header_fault(m::kMixedDurations, "hours");
    if (cycles < 0 && hours < 0) header_fault(m::kNoDurationColumn);

    LoadSpectrum s;
    s.kind = cycles >= 0 ? DurationKind::Cycles : DurationKind::Hours;
    const int duration = cycles >= 0 ? cycles : hours;
    const std::string duration_name = cycles >= 0 ? "cycles" : "hours";
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const int line = lines[r];
        const bool blank = std::all_of(row.begin(), row.end(), [](const std::string& c) {
            return c.find_first_not_of(" \t") == std::string::npos;
        });
        if (blank) continue;
        const int bin = static_cast<int>(s.bins.size()) + 1;
        if (row.size() > head.size()) {
            throw Fault{{m::at_cell(line, bin, "-",
                                    m::wider_than_header(static_cast<int>(row.size()),
                                                         static_cast<int>(head.size()))),
                         line,
                         {}}};
        }
        const auto cell = [&row](int c) {
            return c >= 0 && static_cast<std::size_t>(c) < row.size() ? row[c] : std::string();
        };
        SpectrumBin b;
        const auto torque = number_in(cell(t1), line, bin, "T1");
        if (!torque) cell_fault(line, bin, "T1", m::kEmptyCell);
        if (!(*torque > 0.0)) cell_fault(line, bin, "T1", m::kTorqueNotPositive);
        b.T1 = *torque;
        const auto d = number_in(cell(duration), line, bin, duration_name);
        if (!d) cell_fault(line, bin, duration_name, m::kEmptyCell);
        if (!(*d >= 0.0)) cell_fault(line, bin, duration_name, m::kDurationNegative);
        b.duration = *d;
        b.n1 = number_in(cell(n1), line, bin, "n1");
        if (b.n1 && !(*b.n1 > 0.0)) cell_fault(line, bin, "n1", m::kSpeedNotPositive);
        b.KHb = number_in(cell(khb), line, bin, "KHb");
        if (b.KHb && !(*b.KHb >= 1.0)) cell_fault(line, bin, "KHb", m::kFactorBelowOne);
        s.bins.push_back(b);
    }
    if (s.bins.empty()) throw Fault{{m::at_header(m::kNoBins), 1, {}}};
    return s;
}

}  // namespace

std::variant<LoadSpectrum, SpectrumError> read_spectrum(
    const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> lines(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) lines[r] = static_cast<int>(r) + 1;
    try {
        return spectrum_of(rows, lines);
    } catch (const Fault& f) {
        return f.error;
    }
}

std::variant<LoadSpectrum, SpectrumError> read_spectrum(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;
    try {
        for (csv::Record& rec : csv::parse(text)) {
            rows.push_back(std::move(rec.cells));
            lines.push_back(rec.line);
        }
    } catch (const csv::ParseError& e) {
        return SpectrumError{m::malformed(e.what()), e.line, {}};
    }
    try {
        return spectrum_of(rows, lines);
    } catch (const Fault& f) {
        return f.error;
    }
}

std::string write_spectrum(const LoadSpectrum& spectrum) {
    bool speeds = false, factors = false;
    for (const SpectrumBin& b : spectrum.bins) {
        speeds = speeds || b.n1.has_value();
        factors = factors || b.KHb.has_value();
    }
    std::string out = spectrum.kind == DurationKind::Cycles ? "T1,cycles" : "T1,hours";
    if (speeds) out += ",n1";
    if (factors) out += ",KHb";
    out += '\n';
    for (const SpectrumBin& b : spectrum.bins) {
        out += shortest_text(b.T1) + ',' + shortest_text(b.duration);
        if (speeds) out += ',' + (b.n1 ? shortest_text(*b.n1) : std::string());
        if (factors) out += ',' + (b.KHb ? shortest_text(*b.KHb) : std::string());
        out += '\n';
    }
    return out;
}

}  // namespace gp::rating
