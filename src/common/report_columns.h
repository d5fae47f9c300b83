// The column rule shared by paper and file: how the items of one report line are
// put at their columns, and where the line has to break.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "report_document.h"

namespace gp {

// How many columns a text takes on a medium: GBK bytes in the file, the drawn width
// in average character widths on paper (so not necessarily a whole number).
using ColumnMeasure = std::function<double(const std::string& text)>;

// The items of one line arranged on as many physical lines as they need. Moving to
// column n when w columns are used: while w <= n - 1 the item starts at column n on
// the same line (the medium fills the gap); once w > n - 1 the column has been
// passed, the line ends and the item starts at column n of a new line. An empty
// text takes no room but still makes its move, so it can break a line too. A line
// without items is one empty physical line.
std::vector<std::vector<ReportItem>> place_at_columns(const std::vector<ReportItem>& items,
                                                      const ColumnMeasure& measure);

}  // namespace gp
