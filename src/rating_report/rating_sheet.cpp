#include "rating_sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <variant>

#include "gbk.h"
#include "messages/glossary.h"
#include "messages/base.h"
#include "messages/rating.h"
#include "messages/rating_window_texts.h"
#include "messages/rating_report.h"
#include "oil_grades.h"
#include "paper_page.h"
#include "rating_calculation.h"
#include "rating_quantities.h"
#include "report_columns.h"
#include "report_lines.h"

namespace gp::rating {
namespace {

namespace text = msg::rating_window;
namespace words = msg::rating_report;

std::string to_text(double value, std::chars_format format, int precision) {
    char digits[64];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, format, precision);
    return ec == std::errc() ? std::string(digits, end) : std::string("-");
}

std::string with_given(std::string value) { return value + " " + msg::rating::kGiven; }
std::string with_default(std::string value) { return value + "（" + words::kDefault + "）"; }

NumberKind kind_of(const RatingQuantity& q) {
    const std::string_view key = q.key;
    if (key == "SH" || key == "SF") return NumberKind::Safety;
    if (key == "NL") return NumberKind::Cycles;
    if (std::string_view(q.unit) == "N/mm²") return NumberKind::Stress;
    if (std::string_view(q.unit).empty() && key != "u" && key != "x" && key != "zn") {
        return NumberKind::Factor;
    }
    return NumberKind::Plain;
}

std::string superscript(int n) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string s = n < 0 ? "⁻" : "";
    for (char c : std::to_string(std::abs(n))) s += kDigits[c - '0'];
    return s;
}

}  // namespace

std::string shown_number(double value) {
    if (!std::isfinite(value)) return "-";
    if (value == 0) return "0";
    const double size = std::abs(value);
    if (size < 1e-4 || size >= 1e7) return to_text(value, std::chars_format::scientific, 4);
    // Five significant digits as plain decimals, trailing zeros dropped.
    const int decimals = std::max(0, 4 - int(std::floor(std::log10(size))));
    std::string s = to_text(value, std::chars_format::fixed, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string shown_as(double value, NumberKind kind) {
    if (!std::isfinite(value)) return "-";
    switch (kind) {
        case NumberKind::Safety: return to_text(value, std::chars_format::fixed, 3);
        case NumberKind::Factor: return to_text(value, std::chars_format::fixed, 4);
        case NumberKind::Stress: return to_text(value, std::chars_format::fixed, 1);
        case NumberKind::Cycles: {
            if (value <= 0) return shown_number(value);
            int exponent = int(std::floor(std::log10(value)));
            double mantissa = value / std::pow(10.0, exponent);
            if (std::round(mantissa * 100) >= 1000) {  // 9.996 rounds to 10.00
                mantissa /= 10;
                ++exponent;
            }
            return to_text(mantissa, std::chars_format::fixed, 2) + "×10" + superscript(exponent);
        }
        case NumberKind::Plain: break;
    }
    return shown_number(value);
}

namespace {

// The 输入数据 group: every input the rating read, typed or its default (marked).
class InputRows {
  public:
    InputRows(std::vector<SheetRow>& rows, const RatingInputs& typed) : rows_(rows), typed_(typed) {}

    void heading(const char* name) { rows_.push_back({.heading = true, .name = name}); }
    void pair(const char* name, const char* symbol, std::string value, const char* unit = "") {
        rows_.push_back({.name = name, .symbol = symbol, .unit = unit, .pinion = std::move(value),
                         .pair = true});
    }
    void gears(const char* name, const char* symbol, std::string v1, std::string v2,
               const char* unit = "") {
        rows_.push_back({.name = name, .symbol = symbol, .unit = unit, .pinion = std::move(v1),
                         .wheel = std::move(v2)});
    }
    // A number the user may leave empty: the default it took is marked.
    std::string typed_or_default(std::string RatingInputs::*field, double value) const {
        const std::string shown = shown_number(value);
        return (typed_.*field).empty() ? with_default(shown) : shown;
    }

  private:
    std::vector<SheetRow>& rows_;
    const RatingInputs& typed_;
};

const char* code_name(std::string_view code) {
    for (const auto& c : words::kCodeNames) {
        if (code == c.code) return c.name;
    }
    return "";
}
const char* type_name(std::string_view type) {
    for (const auto& t : words::kTypeNames) {
        if (type == t.code) return t.name;
    }
    return "";
}

const char* source_of(QuantityGroup group) {
    switch (group) {
        case QuantityGroup::Geometry: return words::kFromGeometry;
        case QuantityGroup::LoadFactors: return words::kFromLoadFactors;
        case QuantityGroup::Pitting: return words::kFromPitting;
        case QuantityGroup::Bending: return words::kFromBending;
        case QuantityGroup::Capacity: break;
    }
    return words::kFromCapacity;
}

void add_inputs(std::vector<SheetRow>& rows, const RatingResult& r, const RatingRecord& record) {
    const RatingInputs& t = record.typed;
    const RatingNumbers& in = r.inputs;
    const RatedPair& p = r.pair;
    InputRows add(rows, t);
    const auto each = [](const auto& of) {
        return std::pair{shown_number(of[0]), shown_number(of[1])};
    };
    add.heading(words::kInputGroup);
    const auto [z1, z2] = each(p.z);
    add.gears(words::kTeeth, "z", z1, z2);
    add.pair(words::kModule, "mn", shown_number(p.mn), "mm");
    add.pair(words::kPressureAngle, "αn", shown_number(p.alpha_n_deg), "°");
    add.pair(words::kHelix, "β", shown_number(p.beta_deg), "°");
    add.pair(words::kFaceWidth, "b", shown_number(p.b), "mm");
    add.pair(words::kCentreDistance, "a", shown_number(p.a), "mm");
    const auto [x1, x2] = each(p.x);
    add.gears(words::kShift, "x", x1, x2);
    const auto [da1, da2] = each(p.da);
    add.gears(words::kTip, "da", da1, da2, "mm");
    const auto [df1, df2] = each(p.df);
    add.gears(words::kRoot, "df", df1, df2, "mm");
    add.gears(words::kGrade, "Q", add.typed_or_default(&RatingInputs::Q1, in.Q[0]),
              add.typed_or_default(&RatingInputs::Q2, in.Q[1]));

    const double n1 = in.n1.value_or(0);
    // The gear with fewer teeth is rated as the pinion, whichever drives.
    add.pair(words::kRatedAsPinion, "",
             std::string(p.z[1] < p.z[0] ? glossary::kDriven : glossary::kDriving) + words::kFewerTeeth);
    add.pair(words::kTorque, "T1", shown_number(p.T1), "N·m");
    add.pair(words::kPower, "P", shown_number(power_kw(p.T1, n1)), "kW");
    add.pair(words::kSpeed, "n1", shown_number(n1), "r/min");
    add.pair(words::kApplication, "KA", add.typed_or_default(&RatingInputs::KA, in.KA));
    add.pair(words::kLife, "Lh",
             in.Lh ? shown_number(*in.Lh) : with_default(words::kEndurance), in.Lh ? "h" : "");
    add.pair(words::kLifeFactor10, "YN10", add.typed_or_default(&RatingInputs::YN10, in.YN10));

    // Each gear's material: the ISO 6336-5 line it was read from, or the limits typed.
    const auto per_gear = [&](auto value) { return std::pair{value(0), value(1)}; };
    const auto material = [&](int g) -> const MaterialNote& { return record.material[g]; };
    const auto [c1, c2] = per_gear([&](int g) {
        const std::string code = material(g).code.empty() ? material_class_name(in.mat[g])
                                                          : material(g).code;
        const std::string typed = g == 0 ? t.mat1 : t.mat2;
        const std::string shown = code + " " + code_name(code);
        return typed.empty() && material(g).code.empty() ? with_default(shown) : shown;
    });
    add.gears(words::kClass, "", c1, c2);
    const auto [l1, l2] = per_gear([&](int g) {
        const MaterialNote& m = material(g);
        if (m.code.empty()) return std::string(words::kOwnMaterial);
        return words::lines_used(m.contact_row, m.bending_row);
    });
    add.gears(words::kLine, "", l1, l2);
    if (!material(0).type.empty() || !material(1).type.empty()) {
        add.gears(words::kType, "", type_name(material(0).type), type_name(material(1).type));
    }
    if (!material(0).code.empty() || !material(1).code.empty()) {
        const auto [q1, q2] = per_gear([&](int g) { return material(g).quality; });
        add.gears(words::kQuality, "", q1, q2);
        const auto [h1, h2] = per_gear([&](int g) {
            return material(g).hardness.empty() ? std::string()
                                                : material(g).hardness + " " + material(g).unit;
        });
        add.gears(words::kHardness, "", h1, h2);
    }
    add.gears(words::kContactLimit, "σHlim",
              add.typed_or_default(&RatingInputs::sHlim1, in.sHlim[0]),
              add.typed_or_default(&RatingInputs::sHlim2, in.sHlim[1]), "N/mm²");
    add.gears(words::kBendingLimit, "σFlim",
              add.typed_or_default(&RatingInputs::sFlim1, in.sFlim[0]),
              add.typed_or_default(&RatingInputs::sFlim2, in.sFlim[1]), "N/mm²");
    const auto [hb1, hb2] = per_gear([&](int g) {
        return in.HB[g] ? shown_number(*in.HB[g]) : with_default(words::kNoWorkHardening);
    });
    add.gears(words::kFlankHardness, "HB", hb1, hb2, "HBW");
    add.gears(words::kModulus, "E", add.typed_or_default(&RatingInputs::E1, in.E[0]),
              add.typed_or_default(&RatingInputs::E2, in.E[1]), "N/mm²");
    add.gears(words::kPoisson, "ν", add.typed_or_default(&RatingInputs::nu1, in.nu[0]),
              add.typed_or_default(&RatingInputs::nu2, in.nu[1]));
    add.gears(words::kDensity, "ρ", add.typed_or_default(&RatingInputs::rho1, in.rho[0]),
              add.typed_or_default(&RatingInputs::rho2, in.rho[1]), "kg/m³");

    std::string oil = add.typed_or_default(&RatingInputs::nu40, in.nu40);
    if (const auto grade = oil_grade_of(in.nu40)) oil += "（" + oil_grade_name(*grade) + "）";
    add.pair(words::kOil, "ν40", oil, "mm²/s");
    add.gears(words::kFlankRoughness, "Ra", add.typed_or_default(&RatingInputs::Ra1, in.Ra[0]),
              add.typed_or_default(&RatingInputs::Ra2, in.Ra[1]), "µm");
    const auto [rz1, rz2] = per_gear([&](int g) {
        return in.RzF[g] ? shown_number(*in.RzF[g]) : with_default(shown_number(6 * in.Ra[g]));
    });
    add.gears(words::kRootRoughness, "RzF", rz1, rz2, "µm");
    const auto [s1, s2] = per_gear([&](int g) {
        return in.sR[g] ? shown_number(*in.sR[g]) : with_default(words::kSolid);
    });
    add.gears(words::kRim, "sR", s1, s2, "mm");

    const auto known = [&](const std::optional<double>& v) {
        return v ? with_given(shown_number(*v)) : std::string(words::kComputed);
    };
    add.pair(words::kTipRelief, "Ca", in.Ca ? shown_number(*in.Ca) : std::string(words::kComputed),
             "µm");
    add.pair(words::kKv, "Kv", known(in.Kv));
    add.pair(words::kKHb, "KHβ", known(in.KHb));
    add.pair(words::kKHa, "KHα", known(in.KHa));
    // The pinion's shaft and flank, which KHβ takes when it is computed.
    add.pair(words::kShaft, "", in.shaft_typed.empty() ? with_default(words::kNoShaft) : in.shaft_typed);
    if (in.l || in.s || in.dsh) {
        add.pair(words::kSpan, "l", in.l ? shown_number(*in.l) : "", "mm");
        add.pair(words::kOffset, "s", in.s ? shown_number(*in.s) : "", "mm");
        add.pair(words::kShaftDiameter, "dsh", in.dsh ? shown_number(*in.dsh) : "", "mm");
    }
    add.pair(words::kHelixModification, "",
             in.hmod_typed.empty() ? with_default(kHelixModificationWords[0]) : in.hmod_typed);
    add.pair(words::kPowerShare, "k", add.typed_or_default(&RatingInputs::k, in.k), "%");
    add.pair(words::kSHmin, "SHmin", add.typed_or_default(&RatingInputs::SHmin, in.SHmin));
    add.pair(words::kSFmin, "SFmin", add.typed_or_default(&RatingInputs::SFmin, in.SFmin));
}

// Which of SH1/SHmin, SH2/SHmin, SF1/SFmin, SF2/SFmin is the smallest at T1max: the
// one that sets it.
std::string decided_by(const RatingResult& r) {
    if (!r.T1max) return {};
    RatedPair at = r.pair;
    at.T1 = *r.T1max;
    const auto outcome = rate(at, r.inputs);
    const auto* limit = std::get_if<RatingResult>(&outcome);
    if (!limit) return {};
    double least = INFINITY;
    std::string which;
    for (int g = 0; g < kGears; ++g) {
        for (const bool contact : {true, false}) {
            const double ratio = contact ? limit->contact_stress.SH[g] / r.inputs.SHmin
                                         : limit->root_stress.SF[g] / r.inputs.SFmin;
            if (ratio < least) {
                least = ratio;
                which = words::set_by(msg::gear_name(g),
                                      contact ? words::kByContact : words::kByBending);
            }
        }
    }
    return which;
}

}  // namespace

RatingSheet rating_sheet(const RatingResult& r, const RatingRecord& record) {
    RatingSheet sheet;
    sheet.method = msg::rating::kMethodLine;
    const double n1 = r.inputs.n1.value_or(0);
    sheet.duty = text::duty_line(shown_number(r.load.T1), shown_number(power_kw(r.load.T1, n1)));
    sheet.capacity = r.T1max ? text::capacity_line(shown_number(*r.T1max),
                                                   shown_number(*r.T1max / kNewtonMetresPerKgfMetre),
                                                   shown_number(n1),
                                                   shown_number(power_kw(*r.T1max, n1)))
                             : text::kNoCapacity;
    sheet.decided_by = decided_by(r);
    sheet.warnings = r.warnings;
    add_inputs(sheet.rows, r, record);
    // A value's tool tip: its name, symbol and unit, then where it comes from.
    const auto tip = [](const SheetRow& row, const std::string& source) {
        return words::quantity_tip(row.name, row.symbol, row.unit) + "\n" + source;
    };
    for (SheetRow& row : sheet.rows) {
        if (!row.heading) row.tip = tip(row, words::kFromInputs);
    }

    // The verdicts first, what a design review looks for: each safety factor of the
    // rating's table against the minimum the table names for it.
    sheet.rows.push_back({.heading = true, .name = text::kSafetyGroup});
    std::string failed;
    for (const RatingQuantity& q : rating_quantities()) {
        if (q.minimum == nullptr) continue;
        const std::string minimum = shown_as(q.minimum(r), NumberKind::Safety);
        SheetRow row{.name = std::string_view(q.key) == "SH" ? text::contact_safety(minimum)
                                                             : text::bending_safety(minimum),
                     .symbol = q.symbol};
        for (int gear = 0; gear < 2; ++gear) {
            const bool met = meets_minimum(q, r, gear);
            const std::string v = shown_as(q.value(r, gear).value_or(0), NumberKind::Safety);
            (gear == 0 ? row.pinion : row.wheel) = v + " " + (met ? text::kMet : text::kNotMet);
            row.met[gear] = met;
            if (!met) {
                if (!failed.empty()) failed += "，";
                failed += std::string(msg::gear_name(gear)) + " " + q.symbol + " = " + v;
            }
        }
        const bool contact = std::string_view(q.key) == "SH";
        row.tip = tip(row, contact ? std::string(words::kFromPitting) + "\n" + words::kSHmin +
                                         " SHmin" + words::kSHminRange
                                   : std::string(words::kFromBending) + "\n" + words::kSFmin +
                                         " SFmin" + words::kSFminRange);
        sheet.rows.push_back(std::move(row));
    }
    sheet.verdict = failed.empty() ? std::string(words::kAllMet) : words::not_met(failed);

    std::optional<QuantityGroup> group;
    for (const RatingQuantity& q : rating_quantities()) {
        if (group != q.group) {
            group = q.group;
            sheet.rows.push_back({.heading = true, .name = group_name(q.group)});
        }
        const bool given = is_given(r, q.given);
        const NumberKind kind = kind_of(q);
        const auto value = [&](int gear) {
            const auto v = q.value(r, gear);
            if (!v) return std::string();
            return given ? with_given(shown_as(*v, kind)) : shown_as(*v, kind);
        };
        const auto v0 = q.value(r, 0);
        if (!v0 && !(q.per_gear && q.value(r, 1))) continue;  // skipped by a given factor
        SheetRow row{.name = q.name, .symbol = q.symbol, .unit = q.unit};
        if (const glossary::Term* term = glossary::term_of(q.key)) {
            row.name = term->name;
            if (*term->symbol) row.symbol = term->symbol;
        }
        row.tip = tip(row, given ? words::kFromGiven : source_of(q.group));
        row.pinion = value(0);
        if (q.per_gear) {
            row.wheel = value(1);
            if (q.minimum) row.met = {meets_minimum(q, r, 0), meets_minimum(q, r, 1)};
        } else {
            row.pair = true;
        }
        sheet.rows.push_back(std::move(row));
        if (std::string_view(q.key) == "Kv" && r.dynamic) {
            SheetRow range{.name = text::kKvRange, .symbol = "",
                           .pinion = kv_range_name(r.dynamic->range), .pair = true};
            range.tip = tip(range, words::kFromLoadFactors);
            sheet.rows.push_back(std::move(range));
        }
    }
    return sheet;
}

namespace {

// A tab or a line break inside a text would split its cell.
std::string cell(std::string s) {
    for (char& c : s) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return s;
}

}  // namespace

std::string tab_separated(const RatingSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2) {
    std::string out = std::string(text::kSheetTitle) + '\n' + sheet.method + '\n';
    const auto line = [&out](std::initializer_list<std::string> cells) {
        bool first = true;
        for (const std::string& c : cells) {
            if (!first) out += '\t';
            out += cell(c);
            first = false;
        }
        out += '\n';
    };
    line({sheet.verdict});
    line({sheet.capacity});
    if (!sheet.decided_by.empty()) line({sheet.decided_by});
    line({text::kColumnName, text::kColumnSymbol, text::kDriving, text::kDriven, text::kColumnUnit});
    line({text::kDrawingNumber, "", drawing1, drawing2, ""});
    for (const SheetRow& row : sheet.rows) {
        if (row.heading) {
            line({row.name});
        } else {
            line({row.name, row.symbol, row.pinion, row.pair ? row.pinion : row.wheel, row.unit});
        }
    }
    line({sheet.duty});
    for (const std::string& w : sheet.warnings) line({std::string(text::kWarningsHeading) + w});
    return out;
}

namespace {

// Columns of the rating report: name, symbol, pinion, wheel (a pair value between
// the two), unit.
constexpr int kName = 1, kSymbol = 39, kPinionColumn = 47, kWheelColumn = 71, kPairColumn = 57,
              kUnit = 93;
constexpr int kRuleWidth = 47;  // characters of a rule, two columns each
constexpr double kTitlePoints = 15, kRowPoints = 9.5, kStampPoints = 9;

ReportLine line_of(double points, std::vector<ReportItem> items) {
    ReportLine l;
    l.points = points;
    l.items = std::move(items);
    return l;
}

std::string rule(const char* piece) {
    std::string s;
    for (int i = 0; i < kRuleWidth; ++i) s += piece;
    return s;
}

// The same report typeset for paper: the title block and the verdict's box at the
// top, then each group of the sheet as a ruled table.
std::string typeset_report(const RatingSheet& sheet, const std::string& drawing1,
                           const std::string& drawing2, const ReportStamp& when) {
    PaperPage page;
    page.title(words::kReportTitle);
    page.facts(title_block(drawing1, drawing2, when, sheet.method), 2);
    const bool met = std::all_of(sheet.rows.begin(), sheet.rows.end(), [](const SheetRow& r) {
        return r.met[0].value_or(true) && r.met[1].value_or(true);
    });
    page.box({sheet.verdict, sheet.capacity, sheet.decided_by}, met);
    page.paragraph(sheet.duty);

    const std::vector<std::string> heads{text::kColumnName, text::kColumnSymbol, text::kDriving,
                                         text::kDriven, text::kColumnUnit};
    // The name widest, the two gears alike, as on the sheet.
    const std::vector<int> widths{34, 10, 20, 20, 16};
    std::vector<std::vector<PaperCell>> rows;
    std::string caption;
    const auto flush = [&] {
        if (!rows.empty()) page.table(caption, heads, widths, rows);
        rows.clear();
    };
    bool inputs = true;
    for (const SheetRow& row : sheet.rows) {
        if (row.heading) {
            flush();
            if (row.name != words::kInputGroup && inputs) {
                inputs = false;
                page.heading(words::kResults, true);
            }
            caption = "【" + row.name + "】";
            continue;
        }
        std::vector<PaperCell> cells =
            gear_row(row.name, row.symbol, {row.pinion, row.wheel}, row.pair, row.met);
        cells.push_back({row.unit});
        rows.push_back(std::move(cells));
    }
    flush();
    for (const std::string& w : sheet.warnings) page.paragraph(text::kWarningsHeading + w);
    return page.html();
}

}  // namespace

std::vector<std::pair<std::string, std::string>> title_block(const std::string& drawing1,
                                                             const std::string& drawing2,
                                                             const ReportStamp& when,
                                                             const std::string& method) {
    const std::string number = text::kDrawingNumber;
    return {{number + "（" + text::kDriving + "）", drawing1},
            {number + "（" + text::kDriven + "）", drawing2},
            {words::kDateLabel, when.date + " " + when.time},
            {words::kProgramLabel, words::program_line(GEARPAIR_VERSION)},
            {words::kMethodLabel, method}};
}

ReportDocument rating_report(const RatingSheet& sheet, const std::string& drawing1,
                             const std::string& drawing2, const ReportStamp& when) {
    ReportDocument doc;
    doc.title = words::kReportTitle;
    doc.page_numbers = words::kPageNumbers;
    // The title block: what, which drawings, when, by which program and method.
    doc.lines.push_back(line_of(kTitlePoints, {{28, words::kReportTitle}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, rule("━")}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, std::string(text::kDrawingNumber) + "："},
                                             {9, std::string(text::kDriving) + " " + drawing1},
                                             {kPairColumn, std::string(text::kDriven) + " " + drawing2}}));
    doc.lines.push_back(line_of(kStampPoints, {{kName, words::program_line(GEARPAIR_VERSION)},
                                               {kPairColumn, when.date + " " + when.time}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, sheet.method}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, rule("━")}}));
    // The verdict and T1max, between rules, before anything else.
    doc.lines.push_back(line_of(kRowPoints, {{kName, "┏" + rule("━").substr(3 * 2) + "┓"}}));
    for (const std::string* s : {&sheet.verdict, &sheet.capacity, &sheet.decided_by}) {
        if (!s->empty()) doc.lines.push_back(line_of(kRowPoints, {{kName, "┃ " + *s}}));
    }
    doc.lines.push_back(line_of(kRowPoints, {{kName, "┗" + rule("━").substr(3 * 2) + "┛"}}));
    doc.lines.push_back(line_of(kRowPoints, {{kName, sheet.duty}}));

    const auto heads = [&doc] {
        doc.lines.push_back(line_of(kRowPoints, {{kName, text::kColumnName},
                                                 {kSymbol, text::kColumnSymbol},
                                                 {kPinionColumn, text::kDriving},
                                                 {kWheelColumn, text::kDriven},
                                                 {kUnit, text::kColumnUnit}}));
    };
    bool inputs = true;
    for (const SheetRow& row : sheet.rows) {
        if (row.heading) {
            doc.lines.push_back(empty_line(kRowPoints));
            if (row.name != words::kInputGroup && inputs) {
                inputs = false;
                doc.lines.push_back(line_of(kRowPoints, {{kName, rule("═")}}));
                doc.lines.push_back(line_of(kRowPoints, {{kName, words::kResults}}));
            }
            doc.lines.push_back(line_of(kRowPoints, {{kName, "【" + row.name + "】"}}));
            heads();
            continue;
        }
        std::vector<ReportItem> items{{kName, row.name}, {kSymbol, row.symbol}};
        if (row.pair) {
            items.push_back({kPairColumn, row.pinion});
        } else {
            items.push_back({kPinionColumn, row.pinion});
            items.push_back({kWheelColumn, row.wheel});
        }
        items.push_back({kUnit, row.unit});
        doc.lines.push_back(line_of(kRowPoints, std::move(items)));
    }
    doc.lines.push_back(empty_line(kRowPoints));
    for (const std::string& w : sheet.warnings) {
        doc.lines.push_back(line_of(kRowPoints, {{kName, std::string(text::kWarningsHeading) + w}}));
    }
    doc.paper_html = typeset_report(sheet, drawing1, drawing2, when);
    return doc;
}

std::string text_report_bytes(const ReportDocument& doc) {
    // The report painter's measure: a character takes as many columns as it has
    // bytes in GBK, on paper and in the file alike.
    const ColumnMeasure columns = [](const std::string& s) { return double(gbk_from_utf8(s).size()); };
    std::string out = "\xEF\xBB\xBF";
    for (const ReportLine& line : doc.lines) {
        for (const auto& physical : place_at_columns(items_on(line, ReportMedium::File), columns)) {
            double used = 0;
            for (const ReportItem& item : physical) {
                out.append(std::size_t(std::max(0.0, item.column - 1 - used)), ' ');
                out += item.text;
                used = std::max(used, double(item.column - 1)) + columns(item.text);
            }
            while (!out.empty() && out.back() == ' ') out.pop_back();
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace gp::rating
