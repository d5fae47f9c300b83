#include "outline_csv.h"

#include "decimal_text.h"

namespace gp {

std::string outline_csv_lines(const GearOutline& outline, int row) {
    std::string out;
    out.reserve(outline.points.size() * 32);
    const std::string head = std::to_string(row) + ',' + std::to_string(outline.index + 1) + ',';
    for (const OutlinePoint& p : outline.points) {
        out += head;
        append_decimal(out, p.x, kOutlineCsvDecimals);
        out += ',';
        append_decimal(out, p.y, kOutlineCsvDecimals);
        out += '\n';
    }
    return out;
}

}  // namespace gp
