#include "report_columns.h"

namespace gp {

namespace {
// Drawn widths are sums of floating-point advances; a text that ends exactly at a
// column edge must not count as having passed it.
constexpr double kEdgeTolerance = 1e-6;
}  // namespace

std::vector<std::vector<ReportItem>> place_at_columns(const std::vector<ReportItem>& items,
                                                      const ColumnMeasure& measure) {
    std::vector<std::vector<ReportItem>> lines(1);
    double used = 0;
    for (const ReportItem& item : items) {
        const double start = item.column - 1;
        if (used > start + kEdgeTolerance) lines.emplace_back();
        lines.back().push_back(item);
        used = start + (item.text.empty() ? 0 : measure(item.text));
    }
    return lines;
}

}  // namespace gp
