#include "report_file_bytes.h"

#include "gbk.h"
#include "report_columns.h"

namespace gp {

std::string report_file_bytes(const ReportDocument& doc) {
    const ColumnMeasure bytes = [](const std::string& text) { return double(text.size()); };
    std::string out;
    for (const ReportLine& line : doc.lines) {
        std::vector<ReportItem> items = items_on(line, ReportMedium::File);
        for (ReportItem& item : items) item.text = gbk_from_utf8(item.text);
        for (const auto& physical : place_at_columns(items, bytes)) {
            std::size_t used = 0;
            for (const ReportItem& item : physical) {
                const std::size_t start = item.column - 1;
                out.append(start - used, ' ');  // the rule never places an item behind `used`
                out += item.text;
                used = start + item.text.size();
            }
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace gp
