#include <string>
#include <variant>

#include "batch_modes.h"
#include "geometry_calculation.h"
#include "geometry_report.h"
#include "report_file_bytes.h"
#include "strength_calculation.h"
#include "strength_report.h"

namespace gp {
namespace {

// Writes the report of every row whose calculation finishes; names the others.
template <typename Compute, typename Build>
void write_reports(const std::vector<BatchRow>& rows, const ReportStamp& now, std::ostream& out,
                   std::ostream& err, Compute compute, Build build) {
    for (const BatchRow& row : rows) {
        const auto outcome = compute(row.input);
        if (const auto* stop = std::get_if<Stop>(&outcome)) {
            err << "line " << row.line << ": " << stop->message << "\n";
            continue;
        }
        out << report_file_bytes(build(row.input, std::get<0>(outcome), now));
    }
}

}  // namespace

void write_geometry_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err) {
    write_reports(
        rows, now, out, err, compute_geometry,
        [](const GearPairInput& form, const GeometryResult& result, const ReportStamp& now) {
            return build_geometry_report(form, result.labels, now);
        });
}

void write_strength_reports(const std::vector<BatchRow>& rows, const ReportStamp& now,
                            std::ostream& out, std::ostream& err) {
    write_reports(rows, now, out, err, compute_strength, build_strength_report);
}

}  // namespace gp
