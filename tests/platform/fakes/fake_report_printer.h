// Records the reports it is asked to print and answers with a chosen outcome.
#pragma once

#include <vector>

#include "report_printer.h"

namespace gp {

class FakeReportPrinter : public ReportPrinter {
  public:
    PrintOutcome print(const ReportDocument& doc) override {
        printed.push_back(doc);
        return outcome;
    }

    PrintOutcome outcome;  // Printed unless a test says otherwise
    std::vector<ReportDocument> printed;
};

}  // namespace gp
