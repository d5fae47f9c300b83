#include <string>
#include <variant>

#include "batch_modes.h"
#include "geometry_calculation.h"
#include "geometry_report.h"
#include "messages/cli.h"
#include "report_file_bytes.h"
#include "strength_calculation.h"
#include "strength_report.h"

namespace gp {
namespace {

// Appends the report of a row whose calculation finishes; names the others.
template <typename Compute, typename Build>
void append_report(const BatchRow& row, std::string& out, std::string& err, Compute compute,
                   Build build) {
    const auto outcome = compute(row.input);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        err += msg::cli::row_stop(row.line, stop->message);
        return;
    }
    out += report_file_bytes(build(row.input, std::get<0>(outcome)));
}

}  // namespace

BatchMode geometry_reports(const ReportStamp& now) {
    return {{}, [now](const BatchRow& row, std::string& out, std::string& err) {
                append_report(row, out, err, compute_geometry,
                              [&now](const GearPairInput& form, const GeometryResult& result) {
                                  return build_geometry_report(form, result.labels, now);
                              });
            }};
}

BatchMode strength_reports(const ReportStamp& now) {
    return {{}, [now](const BatchRow& row, std::string& out, std::string& err) {
                append_report(row, out, err, compute_strength,
                              [&now](const GearPairInput& form, const StrengthResult& result) {
                                  return build_strength_report(form, result, now);
                              });
            }};
}

}  // namespace gp
