#include "report_lines.h"

#include <utility>

namespace gp {

namespace col = report_column;

ReportLine empty_line(double points) { return ReportLine{points, {}, std::nullopt}; }

ReportLine title_line(double points, std::string title) {
    return ReportLine{points, {{col::kTitle, std::move(title)}}, std::nullopt};
}

ReportLine heads_line(double points) {
    return ReportLine{
        points, {{col::kPinionHead, "主动齿轮"}, {col::kWheelHead, "从动齿轮"}}, std::nullopt};
}

ReportLine pair_row_line(double points, std::string label, std::string pinion, std::string wheel) {
    return ReportLine{points,
                      {{col::kRowLabel, std::move(label)},
                       {col::kPinion, std::move(pinion)},
                       {col::kWheel, std::move(wheel)}},
                      std::nullopt};
}

ReportLine single_row_line(double points, std::string label, std::string value) {
    return ReportLine{points,
                      {{col::kRowLabel, std::move(label)}, {col::kSingle, std::move(value)}},
                      std::nullopt};
}

ReportLine pinion_row_line(double points, std::string label, std::string pinion) {
    return ReportLine{points,
                      {{col::kRowLabel, std::move(label)}, {col::kPinion, std::move(pinion)}},
                      std::nullopt};
}

ReportLine stamp_line(double points, ReportStamp stamp, int paper_gap) {
    return ReportLine{points, {}, std::move(stamp), paper_gap};
}

std::vector<ReportItem> items_on(const ReportLine& line, ReportMedium medium) {
    if (!line.stamp) return line.items;
    const std::string gap(medium == ReportMedium::Paper ? line.paper_gap : 1, ' ');
    return {{col::kStamp, "    " + line.stamp->date + gap + line.stamp->time}};
}

}  // namespace gp
