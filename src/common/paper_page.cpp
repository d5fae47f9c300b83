#include "paper_page.h"

namespace gp {
namespace {

// The tints of the page, as the rating sheet shows them on the screen.
constexpr const char* kGood = "#1b7f2a";
constexpr const char* kBad = "#c01010";
constexpr const char* kGoodGround = "#e8f0fb";
constexpr const char* kBadGround = "#fbe8e8";
constexpr const char* kHeadGround = "#e4e8ee";
constexpr const char* kRule = "#808080";

}  // namespace

std::string html_escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\n': out += "<br/>"; break;
            default: out += c;
        }
    }
    return out;
}

std::vector<PaperCell> gear_row(const std::string& name, const std::string& symbol,
                                const GearPairOf<std::string>& values, bool pair,
                                const GearPairOf<std::optional<bool>>& met) {
    std::vector<PaperCell> cells{{name}, {symbol}};
    if (pair) {
        cells.push_back({values[0], 2});
        return cells;
    }
    for (std::size_t gear = 0; gear < 2; ++gear) {
        PaperCell c{values[gear]};
        if (met[gear]) {
            c.tone = *met[gear] ? PaperCell::Tone::Good : PaperCell::Tone::Bad;
            c.strong = true;
        }
        cells.push_back(std::move(c));
    }
    return cells;
}

void PaperPage::title(std::string_view text) {
    html_ += "<p align=\"center\" style=\"font-size:15pt; font-weight:bold; margin-bottom:6px\">" +
             html_escaped(text) + "</p>\n";
}

void PaperPage::facts(const std::vector<std::pair<std::string, std::string>>& facts, int per_row) {
    html_ += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
             "style=\"border-collapse:collapse; border-color:" + std::string(kRule) + "\">\n";
    for (std::size_t i = 0; i < facts.size(); i += std::size_t(per_row)) {
        html_ += "<tr>";
        for (std::size_t j = i; j < i + std::size_t(per_row); ++j) {
            if (j < facts.size()) {
                html_ += "<td bgcolor=\"" + std::string(kHeadGround) + "\" nowrap>" +
                         html_escaped(facts[j].first) + "</td><td>" + html_escaped(facts[j].second) +
                         "</td>";
            } else {
                html_ += "<td></td><td></td>";
            }
        }
        html_ += "</tr>\n";
    }
    html_ += "</table>\n";
}

void PaperPage::box(const std::vector<std::string>& lines, bool met) {
    html_ += "<p></p><table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\" border=\"2\" "
             "style=\"border-collapse:collapse; border-color:" + std::string(met ? kGood : kBad) +
             "\" bgcolor=\"" + std::string(met ? kGoodGround : kBadGround) + "\"><tr><td>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        html_ += i == 0 ? "<b>" + html_escaped(lines[i]) + "</b>" : "<br/>" + html_escaped(lines[i]);
    }
    html_ += "</td></tr></table>\n";
}

void PaperPage::heading(std::string_view text, bool new_page) {
    html_ += std::string("<p style=\"font-size:11pt; font-weight:bold; margin-top:10px; "
                         "margin-bottom:3px") +
             (new_page ? "; page-break-before:always" : "") + "\">" + html_escaped(text) + "</p>\n";
}

void PaperPage::paragraph(std::string_view text) {
    html_ += "<p style=\"margin-top:4px\">" + html_escaped(text) + "</p>\n";
}

void PaperPage::table(std::string_view caption, const std::vector<std::string>& heads,
                      const std::vector<int>& widths,
                      const std::vector<std::vector<PaperCell>>& rows) {
    html_ += "<p style=\"margin:0\"></p><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" "
             "border=\"1\" style=\"border-collapse:collapse; border-color:" +
             std::string(kRule) + "\">\n<thead><tr><th colspan=\"" + std::to_string(heads.size()) +
             "\" align=\"left\">" + html_escaped(caption) + "</th></tr><tr>";
    for (std::size_t i = 0; i < heads.size(); ++i) {
        html_ += std::string("<th bgcolor=\"") + kHeadGround + "\"" +
                 (i == 0 ? " align=\"left\"" : "") +
                 (i < widths.size() ? " width=\"" + std::to_string(widths[i]) + "%\"" : "") + ">" +
                 html_escaped(heads[i]) + "</th>";
    }
    html_ += "</tr></thead>\n";
    for (const auto& row : rows) {
        html_ += "<tr>";
        for (std::size_t i = 0; i < row.size(); ++i) {
            const PaperCell& c = row[i];
            html_ += "<td";
            if (c.span > 1) html_ += " colspan=\"" + std::to_string(c.span) + "\"";
            if (i > 0) html_ += " align=\"center\"";
            html_ += ">";
            std::string t = html_escaped(c.text);
            if (c.strong) t = "<b>" + t + "</b>";
            if (c.tone != PaperCell::Tone::Plain) {
                t = std::string("<font color=\"") + (c.tone == PaperCell::Tone::Good ? kGood : kBad) +
                    "\">" + t + "</font>";
            }
            html_ += t + "</td>";
        }
        html_ += "</tr>\n";
    }
    html_ += "</table>\n";
}

}  // namespace gp
