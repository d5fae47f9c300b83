#include "spectrum_sheet.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "messages/rating_report.h"
#include "messages/rating_window_texts.h"
#include "messages/spectrum.h"
#include "paper_page.h"
#include "rating_sheet.h"
#include "report_lines.h"

namespace gp::rating {
namespace {

namespace m = msg::spectrum;

std::string shown_cycles(const CyclesToFailure& n) {
    switch (n.kind) {
        case CyclesToFailure::Kind::Endless:
            return m::kEndless;
        case CyclesToFailure::Kind::Static:
            return m::kStatic;
        case CyclesToFailure::Kind::Finite:
            break;
    }
    return shown_as(n.N, NumberKind::Cycles);
}

std::string shown_damage(double d) {
    return std::isinf(d) ? std::string(m::kEndless) : shown_number(d);
}

std::string percent(double share) { return shown_number(100.0 * share) + " %"; }

}  // namespace

SpectrumSheet spectrum_sheet(const SpectrumResult& r) {
    SpectrumSheet s;
    s.notes = r.notes;
    // The governing sum: the largest of the four, the first of equals.
    const double sums[] = {r.DH[0], r.DH[1], r.DF[0], r.DF[1]};
    const char* symbols[] = {"DH1", "DH2", "DF1", "DF2"};
    const auto top = std::max_element(std::begin(sums), std::end(sums)) - std::begin(sums);
    s.governing = m::governing(symbols[top]);
    for (const BinRating& b : r.bins) {
        const double parts[] = {b.DH[0], b.DH[1], b.DF[0], b.DF[1]};
        const double total = sums[top];
        double share = 0;
        if (std::isinf(total)) {
            share = std::isinf(parts[top]) ? 1.0 : 0.0;
        } else if (total > 0) {
            share = parts[top] / total;
        }
        s.shares.push_back(share);
        s.damaging.push_back(
            std::any_of(std::begin(parts), std::end(parts), [](double d) { return d > 0; }));
        // Numbers by their kind, as on the rating sheet.
        std::vector<std::string> row = {
            std::to_string(s.bins.size() + 1), shown_number(b.T1), shown_number(b.n1),
            shown_as(b.cycles[0], NumberKind::Cycles), shown_as(b.KHbeta, NumberKind::Factor)};
        for (const double v : {b.sigma_H[0], b.sigma_H[1], b.sigma_F[0], b.sigma_F[1]}) {
            row.push_back(shown_as(v, NumberKind::Stress));
        }
        for (const auto* n : {&b.NH[0], &b.NH[1], &b.NF[0], &b.NF[1]})
            row.push_back(shown_cycles(*n));
        for (const double d : parts) row.push_back(shown_damage(d));
        row.push_back(percent(share));
        s.bins.push_back(std::move(row));
    }
    const auto per_gear = [&s](const char* name, const char* symbol, const GearPairOf<double>& v,
                               std::optional<double> minimum) {
        SpectrumTotal t{name, symbol, shown_damage(v[0]), shown_damage(v[1])};
        if (minimum) {  // a safety factor, to three decimals as on the rating sheet
            for (int i = 0; i < kGears; ++i) {
                (i == 0 ? t.driving : t.driven) = std::isinf(v[i])
                                                      ? std::string(m::kEndless)
                                                      : shown_as(v[i], NumberKind::Safety);
            }
            for (int i = 0; i < kGears; ++i) {
                t.met[i] = v[i] >= *minimum;
                t.*(i == 0 ? &SpectrumTotal::driving : &SpectrumTotal::driven) +=
                    std::string(" ") + (v[i] >= *minimum ? m::kMeets : m::kFails);
            }
        }
        s.totals.push_back(std::move(t));
    };
    per_gear(m::kDamageH, "DH", r.DH, std::nullopt);
    per_gear(m::kDamageF, "DF", r.DF, std::nullopt);
    per_gear(m::kSafetyH, "SH", r.SH, r.SHmin);
    per_gear(m::kSafetyF, "SF", r.SF, r.SFmin);
    per_gear(m::kStaticH, "SstatH", r.SstatH, r.SHmin);
    per_gear(m::kStaticF, "SstatF", r.SstatF, r.SFmin);
    s.totals.push_back(
        {m::kTotalHours, "Σh", shown_number(r.total_hours) + " " + m::kHoursUnit, {}, true});
    s.totals.push_back({m::kLife,
                        "Lh",
                        r.life_h ? shown_number(*r.life_h) + " " + m::kHoursUnit : m::kNoLife,
                        {},
                        true});
    s.totals.push_back({m::kWorstBin,
                        "",
                        r.worst_bin ? std::to_string(*r.worst_bin + 1) : std::string("-"),
                        {},
                        true});
    s.met = true;
    for (int i = 0; i < kGears; ++i) {
        s.met = s.met && r.SH[i] >= r.SHmin && r.SF[i] >= r.SFmin;
    }
    s.verdict = m::verdict_line(s.met, shown_number(r.SHmin), shown_number(r.SFmin));
    return s;
}

std::string tab_separated(const SpectrumSheet& sheet, const std::string& drawing1,
                          const std::string& drawing2) {
    std::string out = std::string(m::kSheetTitle) + "\t" + drawing1 + "\t" + drawing2 + "\n";
    for (const char* head : m::kBinHeads)
        out += std::string(head) + (head == m::kBinHeads[17] ? "\n" : "\t");
    for (const auto& row : sheet.bins) {
        for (std::size_t c = 0; c < row.size(); ++c)
            out += row[c] + (c + 1 < row.size() ? "\t" : "\n");
    }
    out += "\n";
    for (const SpectrumTotal& t : sheet.totals) {
        out += t.name + "\t" + t.symbol + "\t" + t.driving + (t.pair ? "" : "\t" + t.driven) + "\n";
    }
    out += sheet.verdict + "\n";
    return out;
}

namespace {

constexpr double kTitlePoints = 15, kRowPoints = 9, kStampPoints = 9;

ReportLine line_of(double points, std::vector<ReportItem> items) {
    ReportLine l;
    l.points = points;
    l.items = std::move(items);
    return l;
}

// A bar of up to 20 characters for a share of 0…1.
std::string bar(double share) {
    const int n = static_cast<int>(std::lround(20 * std::clamp(share, 0.0, 1.0)));
    return std::string(static_cast<std::size_t>(n), '#');
}

// The same report typeset for paper: the title block, the verdict's box, the bins
// (their stresses and damages; the stress cycles to failure stay on the sheet) and
// the totals as ruled tables.
std::string typeset_report(const SpectrumSheet& sheet, const std::string& drawing1,
                           const std::string& drawing2, const ReportStamp& when) {
    namespace text = msg::rating_window;
    PaperPage page;
    page.title(m::kSheetTitle);
    page.facts(title_block(drawing1, drawing2, when, m::kMethodLine), 2);
    page.box({sheet.verdict}, sheet.met);
    constexpr std::size_t picked[] = {0, 1, 2, 3, 5, 6, 7, 8, 13, 14, 15, 16, 17};
    std::vector<std::string> heads;
    for (const std::size_t k : picked) heads.push_back(m::kBinHeads[k]);
    std::vector<std::vector<PaperCell>> bins;
    for (const auto& bin : sheet.bins) {
        std::vector<PaperCell> cells;
        for (const std::size_t k : picked) cells.push_back({bin[k]});
        bins.push_back(std::move(cells));
    }
    page.table(sheet.governing, heads, {}, bins);
    std::vector<std::vector<PaperCell>> totals;
    for (const SpectrumTotal& t : sheet.totals) {
        totals.push_back(gear_row(t.name, t.symbol, {t.driving, t.driven}, t.pair, t.met));
    }
    page.table(m::kTotalsHeading, {text::kColumnName, text::kColumnSymbol, text::kDriving, text::kDriven},
               {40, 14, 23, 23}, totals);
    for (const std::string& note : sheet.notes) page.paragraph(text::kWarningsHeading + note);
    return page.html();
}

}  // namespace

ReportDocument spectrum_report(const SpectrumSheet& sheet, const std::string& drawing1,
                               const std::string& drawing2, const ReportStamp& when) {
    ReportDocument doc;
    doc.title = m::kSheetTitle;
    doc.lines.push_back(line_of(kTitlePoints, {{30, m::kSheetTitle}}));
    doc.lines.push_back(line_of(kRowPoints, {{1, m::kMethodLine}}));
    doc.lines.push_back(stamp_line(kStampPoints, when));
    doc.lines.push_back(line_of(
        kRowPoints, {{1, msg::rating_window::kDrawingNumber}, {12, drawing1}, {40, drawing2}}));
    doc.lines.push_back(empty_line(kRowPoints));
    // The bins: number, torque, cycles, the four damages and the share with its bar.
    constexpr int at[] = {1, 6, 18, 30, 40, 50, 60, 70, 79};
    const int picked[] = {0, 1, 3, 13, 14, 15, 16, 17};
    std::vector<ReportItem> heads;
    for (std::size_t k = 0; k < std::size(picked); ++k)
        heads.push_back({at[k], m::kBinHeads[picked[k]]});
    doc.lines.push_back(line_of(kRowPoints, heads));
    for (std::size_t j = 0; j < sheet.bins.size(); ++j) {
        std::vector<ReportItem> items;
        for (std::size_t k = 0; k < std::size(picked); ++k) {
            items.push_back({at[k], sheet.bins[j][static_cast<std::size_t>(picked[k])]});
        }
        items.push_back({at[8], bar(sheet.shares[j])});
        doc.lines.push_back(line_of(kRowPoints, std::move(items)));
    }
    doc.lines.push_back(line_of(kRowPoints, {{1, sheet.governing}}));
    doc.lines.push_back(empty_line(kRowPoints));
    doc.lines.push_back(line_of(kRowPoints, {{1, m::kTotalsHeading},
                                             {40, msg::rating_window::kDriving},
                                             {60, msg::rating_window::kDriven}}));
    for (const SpectrumTotal& t : sheet.totals) {
        std::vector<ReportItem> items{{1, t.name}, {28, t.symbol}, {40, t.driving}};
        if (!t.pair) items.push_back({60, t.driven});
        doc.lines.push_back(line_of(kRowPoints, std::move(items)));
    }
    doc.lines.push_back(empty_line(kRowPoints));
    doc.lines.push_back(line_of(kRowPoints, {{1, sheet.verdict}}));
    for (const std::string& note : sheet.notes)
        doc.lines.push_back(
            line_of(kRowPoints, {{1, std::string(msg::rating_window::kWarningsHeading) + note}}));
    doc.paper_html = typeset_report(sheet, drawing1, drawing2, when);
    doc.page_numbers = msg::rating_report::kPageNumbers;
    return doc;
}

}  // namespace gp::rating
