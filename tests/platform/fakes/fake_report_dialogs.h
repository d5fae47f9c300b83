// Records which print dialog was asked for which report, and answers with a chosen
// outcome; can be told to throw, as a fault of the program's own would.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "report_dialogs.h"

namespace gp {

class FakeReportDialogs : public ReportDialogs {
  public:
    DialogOutcome preview(const ReportDocument& doc) override { return asked("preview", doc); }
    DialogOutcome print_to(const ReportDocument& doc) override { return asked("print_to", doc); }
    DialogOutcome export_pdf(const ReportDocument& doc) override {
        return asked("export_pdf", doc);
    }

    DialogOutcome outcome;  // Done unless a test says otherwise
    std::string fault;      // when set, every dialog throws this
    std::vector<std::string> dialogs;
    std::vector<ReportDocument> reports;

  private:
    DialogOutcome asked(const char* dialog, const ReportDocument& doc) {
        dialogs.push_back(dialog);
        reports.push_back(doc);
        if (!fault.empty()) throw std::runtime_error(fault);
        return outcome;
    }
};

}  // namespace gp
