// A report as a sequence of lines of text items placed at character columns, the
// one description from which both the printed page and the report file are made.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report_stamp.h"

namespace gp {

// Where the items of the report lines start; columns count from 1 at the left margin.
namespace report_column {
inline constexpr int kTitle = 32;
inline constexpr int kPinionHead = 42;
inline constexpr int kWheelHead = 68;
inline constexpr int kRowLabel = 12;
inline constexpr int kPinion = 38;
inline constexpr int kWheel = 64;
inline constexpr int kSingle = 48;  // a value the pair shares, between the two gear columns
inline constexpr int kStamp = 50;
}  // namespace report_column

// The two places a report goes. They lay out the same lines and differ at most in
// the gap between date and time.
enum class ReportMedium { Paper, File };

struct ReportItem {
    int column = 1;    // the column of the text's first character
    std::string text;  // UTF-8, written unchanged; an empty text still moves to its column
};

struct ReportLine {
    double points = 0;              // the font size in force on paper, in points
    std::vector<ReportItem> items;  // in writing order; none for an empty line
    // Set on the date-time line only, whose item depends on the medium (see items_on).
    std::optional<ReportStamp> stamp;
    int paper_gap = 2;  // blanks between date and time on paper (one in the file)
};

struct ReportDocument {
    std::string title;  // the report's title text, e.g. "齿  轮  计  算  单"
    // The pair's drawing numbers (driving, driven; either may be empty), for the
    // name a file of the report is offered under. No part of the page.
    std::vector<std::string> drawing_numbers;
    std::vector<ReportLine> lines;
    // On paper, a line at the foot of every page: "%1" becomes the page's number,
    // "%2" the number of pages. Empty: no page numbers (the file has none either way).
    std::string page_numbers;
    // On paper (print, preview, PDF), when not empty: the report typeset (paper_page.h)
    // in place of `lines`, which stay what a report file writes.
    std::string paper_html;
};

// The items a medium writes for a line: the line's own items, or for the date-time
// line four blanks, the date, the gap (the line's paper_gap on paper, one blank in
// the file) and the time, all at column 50.
std::vector<ReportItem> items_on(const ReportLine& line, ReportMedium medium);

}  // namespace gp
