#include "report_rows.h"

#include <stdexcept>

#include "number_text.h"
#include "report_lines.h"

namespace gp {
namespace {

std::string item_text(const ItemSource& source, const ReportSources& sources) {
    switch (source.from) {
        case ItemSource::From::Nothing:
            return {};
        case ItemSource::From::Input:
            return sources.form.*source.field;
        case ItemSource::From::Label:
            return sources.sheet.at(source.label);
        case ItemSource::From::Diameter:
            if (!sources.diameters)
                throw std::logic_error("report row needs the strength diameters");
            return report_text_of_single(sources.diameters->*source.diameter);
    }
    return {};
}

// The line of one report row, in the font size of the rows.
ReportLine row_line(const ReportRow& row, const ReportSources& sources, double points) {
    std::string caption(row.caption);
    switch (row.kind) {
        case RowKind::Single:
            return single_row_line(points, caption, item_text(row.pinion, sources));
        case RowKind::PinionOnly:
            return pinion_row_line(points, caption, item_text(row.pinion, sources));
        case RowKind::Pair:
            break;
    }
    return pair_row_line(points, caption, item_text(row.pinion, sources),
                         item_text(row.wheel, sources));
}

}  // namespace

void append_rows(std::vector<ReportLine>& lines, std::span<const ReportRow> rows,
                 const ReportSources& sources, double row_points, double gap_points) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        lines.push_back(row_line(rows[i], sources, row_points));
        lines.push_back(empty_line(i + 1 < rows.size() ? gap_points : row_points));
    }
}

}  // namespace gp
