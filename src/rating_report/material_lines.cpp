#include "material_lines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "csv.h"
#include "messages/rating_report.h"
#include "number_parse.h"

namespace gp::rating {

extern const char* const kIso6336Part5Lines;  // the built-in table, made from the CSV file

namespace {

namespace text = msg::rating_report;

LimitKind kind_of(std::string_view s) {
    if (s == "contact") return LimitKind::Contact;
    if (s == "bending") return LimitKind::Bending;
    throw std::invalid_argument("stress is neither contact nor bending");
}

// ISO 18265:2013 Table A.1: Vickers, Brinell (tungsten carbide ball) and Rockwell C
// hardness of unalloyed and low-alloy steels and cast steel; 0 where the table
// gives no value.
struct HardnessRow {
    double HV, HBW, HRC;
};
constexpr HardnessRow kHardness[] = {
    {80, 76.0, 0},   {85, 80.7, 0},   {90, 85.5, 0},   {95, 90.2, 0},   {100, 95.0, 0},
    {105, 99.8, 0},  {110, 105, 0},   {115, 109, 0},   {120, 114, 0},   {125, 119, 0},
    {130, 124, 0},   {135, 128, 0},   {140, 133, 0},   {145, 138, 0},   {150, 143, 0},
    {155, 147, 0},   {160, 152, 0},   {165, 156, 0},   {170, 162, 0},   {175, 166, 0},
    {180, 171, 0},   {185, 176, 0},   {190, 181, 0},   {195, 185, 0},   {200, 190, 0},
    {205, 195, 0},   {210, 199, 0},   {215, 204, 0},   {220, 209, 0},   {225, 214, 0},
    {230, 219, 0},   {235, 223, 0},   {240, 228, 20.3}, {245, 233, 21.3}, {250, 238, 22.2},
    {255, 242, 23.1}, {260, 247, 24.0}, {265, 252, 24.8}, {270, 257, 25.6}, {275, 261, 26.4},
    {280, 266, 27.1}, {285, 271, 27.8}, {290, 276, 28.5}, {295, 280, 29.2}, {300, 285, 29.8},
    {310, 295, 31.0}, {320, 304, 32.2}, {330, 314, 33.3}, {340, 323, 34.4}, {350, 333, 35.5},
    {360, 342, 36.6}, {370, 352, 37.7}, {380, 361, 38.8}, {390, 371, 39.8}, {400, 380, 40.8},
    {410, 390, 41.8}, {420, 399, 42.7}, {430, 409, 43.6}, {440, 418, 44.5}, {450, 428, 45.3},
    {460, 437, 46.1}, {470, 447, 46.9}, {480, 456, 47.7}, {490, 466, 48.4}, {500, 475, 49.1},
    {510, 485, 49.8}, {520, 494, 50.5}, {530, 504, 51.1}, {540, 513, 51.7}, {550, 523, 52.3},
    {560, 532, 53.0}, {570, 542, 53.6}, {580, 551, 54.1}, {590, 561, 54.7}, {600, 570, 55.2},
    {610, 580, 55.7}, {620, 589, 56.3}, {630, 599, 56.8}, {640, 608, 57.3}, {650, 618, 57.8},
    {660, 0, 58.3},  {670, 0, 58.8},  {680, 0, 59.2},  {690, 0, 59.7},  {700, 0, 60.1},
    {720, 0, 61.0},  {740, 0, 61.8},  {760, 0, 62.5},  {780, 0, 63.3},  {800, 0, 64.0},
    {820, 0, 64.7},  {840, 0, 65.3},  {860, 0, 65.9},  {880, 0, 66.4},  {900, 0, 67.0},
    {920, 0, 67.5},  {940, 0, 68.0},
};

double HardnessRow::*column(HardnessUnit u) {
    return u == HardnessUnit::HV ? &HardnessRow::HV
           : u == HardnessUnit::HBW ? &HardnessRow::HBW
                                    : &HardnessRow::HRC;
}

// Linear between the rows that have both values; exact at a row.
std::optional<double> interpolate(double value, HardnessUnit from, HardnessUnit to) {
    const auto f = column(from), t = column(to);
    const HardnessRow* last = nullptr;
    for (const HardnessRow& row : kHardness) {
        if (row.*f == 0 || row.*t == 0) continue;
        if (value == row.*f) return row.*t;
        if (last && value > last->*f && value < row.*f) {
            const double share = (value - last->*f) / (row.*f - last->*f);
            return last->*t + share * (row.*t - last->*t);
        }
        last = &row;
    }
    return std::nullopt;
}

std::string number(double v) {
    char digits[32];
    const double rounded = std::round(v * 10) / 10;
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, rounded);
    return ec == std::errc() ? std::string(digits, end) : std::string("-");
}

std::string range_of(double lo, double hi, HardnessUnit unit) {
    return number(lo) + msg::rating_report::kRangeDash + number(hi) + " " + unit_name(unit);
}

}  // namespace

bool MaterialLine::has_quality(std::string_view q) const {
    for (std::size_t at = 0; at <= quality.size();) {
        const std::size_t end = std::min(quality.find('/', at), quality.size());
        if (std::string_view(quality).substr(at, end - at) == q) return true;
        at = end + 1;
    }
    return false;
}

std::vector<MaterialLine> read_material_lines(std::string_view csv_text) {
    const auto records = csv::parse(csv_text);
    std::vector<MaterialLine> lines;
    if (records.empty()) return lines;
    const auto& head = records.front().cells;
    const auto at = [&head](const char* name) {
        const auto i = std::find(head.begin(), head.end(), name);
        if (i == head.end()) throw std::invalid_argument(std::string("no column ") + name);
        return std::size_t(i - head.begin());
    };
    const std::size_t row = at("row"), code = at("code"), type = at("type"), stress = at("stress"),
                      quality = at("quality"), A = at("A"), B = at("B"), unit = at("unit"),
                      hmin = at("hmin"), hmax = at("hmax");
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& c = records[r].cells;
        if (c.size() < head.size()) throw std::invalid_argument("a short row");
        MaterialLine l;
        try {
            l.row = int(strict_convert(c[row]));
            l.A = strict_convert(c[A]);
            l.B = strict_convert(c[B]);
            l.hmin = strict_convert(c[hmin]);
            l.hmax = strict_convert(c[hmax]);
        } catch (...) {
            throw std::invalid_argument("a line whose numbers are not numbers");
        }
        l.code = c[code];
        l.type = c[type];
        l.kind = kind_of(c[stress]);
        l.quality = c[quality];
        const auto u = hardness_unit_of(c[unit]);
        if (!u || *u == HardnessUnit::HRC) throw std::invalid_argument("a line in neither HBW nor HV");
        l.unit = *u;
        lines.push_back(std::move(l));
    }
    return lines;
}

const std::vector<MaterialLine>& material_lines() {
    static const std::vector<MaterialLine> lines = read_material_lines(kIso6336Part5Lines);
    return lines;
}

std::vector<std::string> material_codes() {
    std::vector<std::string> codes;
    for (const MaterialLine& l : material_lines()) {
        if (std::find(codes.begin(), codes.end(), l.code) == codes.end()) codes.push_back(l.code);
    }
    return codes;
}

std::vector<std::string> material_types(std::string_view code) {
    std::vector<std::string> types;
    for (const MaterialLine& l : material_lines()) {
        if (l.code == code && !l.type.empty() &&
            std::find(types.begin(), types.end(), l.type) == types.end()) {
            types.push_back(l.type);
        }
    }
    return types;
}

std::string rating_class_of(std::string_view code) {
    const std::size_t dash = code.find('-');
    return std::string(code.substr(0, dash));
}

bool is_soft_class(std::string_view code) {
    const std::string c = rating_class_of(code);
    return c == "St" || c == "V" || c == "GG" || c == "GGG" || c == "GTS";
}

const char* unit_name(HardnessUnit unit) {
    return unit == HardnessUnit::HV ? "HV" : unit == HardnessUnit::HBW ? "HBW" : "HRC";
}

std::optional<HardnessUnit> hardness_unit_of(std::string_view name) {
    for (HardnessUnit u : {HardnessUnit::HBW, HardnessUnit::HV, HardnessUnit::HRC}) {
        if (name == unit_name(u)) return u;
    }
    return std::nullopt;
}

std::optional<double> convert_hardness(double value, HardnessUnit from, HardnessUnit to) {
    if (!std::isfinite(value)) return std::nullopt;
    if (from == to) return value;
    return interpolate(value, from, to);
}

std::variant<LineLimit, std::string> line_limit(const MaterialChoice& choice, LimitKind kind) {
    const std::string typed = number(choice.hardness) + " " + unit_name(choice.unit);
    std::vector<const MaterialLine*> segments;
    for (const MaterialLine& l : material_lines()) {
        if (l.code == choice.code && l.kind == kind && l.has_quality(choice.quality) &&
            (l.type.empty() || choice.type.empty() || l.type == choice.type)) {
            segments.push_back(&l);
        }
    }
    if (segments.empty()) return std::string(text::kNoLine);
    const HardnessUnit unit = segments.front()->unit;
    const auto x = convert_hardness(choice.hardness, choice.unit, unit);
    if (!x) {
        // The table's span in the typed unit.
        double lo = 1e300, hi = -1e300;
        for (const HardnessRow& row : kHardness) {
            if (row.*column(choice.unit) == 0 || row.*column(unit) == 0) continue;
            lo = std::min(lo, row.*column(choice.unit));
            hi = std::max(hi, row.*column(choice.unit));
        }
        return text::not_convertible(typed, range_of(lo, hi, choice.unit));
    }
    LineLimit out;
    double lo = 1e300, hi = -1e300;
    for (const MaterialLine* l : segments) {
        if (l->type != segments.front()->type) continue;  // the first type where several fit
        lo = std::min(lo, l->hmin);
        hi = std::max(hi, l->hmax);
        if (!out.line && *x >= l->hmin && *x <= l->hmax) out = {l->at(*x), l};
    }
    if (!out.line) {
        return text::hardness_out_of_range(
            kind == LimitKind::Contact ? text::kContactLine : text::kBendingLine,
            range_of(lo, hi, unit), typed);
    }
    return out;
}

std::variant<MaterialLimits, std::string> material_limits(const MaterialChoice& choice) {
    MaterialLimits out;
    for (const LimitKind kind : {LimitKind::Contact, LimitKind::Bending}) {
        const auto limit = line_limit(choice, kind);
        if (const auto* refusal = std::get_if<std::string>(&limit)) return *refusal;
        const auto& l = std::get<LineLimit>(limit);
        (kind == LimitKind::Contact ? out.sHlim : out.sFlim) = l.value;
        (kind == LimitKind::Contact ? out.contact : out.bending) = l.line;
    }
    if (is_soft_class(choice.code)) {
        out.HB = convert_hardness(choice.hardness, choice.unit, HardnessUnit::HBW);
    }
    return out;
}

}  // namespace gp::rating
