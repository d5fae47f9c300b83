// A report typeset for paper (print, preview, PDF): a title, a title block of
// labelled facts, a framed box for the verdict, headings, paragraphs and ruled
// tables. Written as the small part of HTML that Qt's rich text lays out, so that
// the painter breaks it into pages and the calculations stay without Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gear_pair_of.h"

namespace gp {

// `text` with the characters HTML gives a meaning (& < > ") written as entities.
std::string html_escaped(std::string_view text);

struct PaperCell {
    enum class Tone { Plain, Good, Bad };
    std::string text;
    int span = 1;  // columns the cell takes
    Tone tone = Tone::Plain;
    bool strong = false;
};

// A row of a table with a column per gear: the name, the symbol, then the pair's one
// value across both gear columns (`pair`) or a value per gear, in bold and tinted
// where `met` says whether it meets its minimum.
std::vector<PaperCell> gear_row(const std::string& name, const std::string& symbol,
                                const GearPairOf<std::string>& values, bool pair,
                                const GearPairOf<std::optional<bool>>& met);

class PaperPage {
  public:
    void title(std::string_view text);
    // The title block: label and value pairs, `per_row` pairs to a row.
    void facts(const std::vector<std::pair<std::string, std::string>>& facts, int per_row);
    // Lines in a frame, the first in bold; tinted as the verdict is (met or not).
    void box(const std::vector<std::string>& lines, bool met);
    // A heading; `new_page` starts a page with it.
    void heading(std::string_view text, bool new_page = false);
    void paragraph(std::string_view text);
    // A ruled table under its caption: the caption and the heads repeat at the top of
    // every page the table runs on. `widths` are the columns' shares in percent;
    // columns after the first are centred.
    void table(std::string_view caption, const std::vector<std::string>& heads,
               const std::vector<int>& widths, const std::vector<std::vector<PaperCell>>& rows);
    const std::string& html() const { return html_; }

  private:
    std::string html_;
};

}  // namespace gp
