// A report through the desktop's print dialogs: the preview, the choice of printer,
// a PDF file of the user's choosing. Each puts exactly the page the default printer
// gets on its way.
#pragma once

#include <string>

#include "report_document.h"

namespace gp {

struct DialogOutcome {
    enum class Kind {
        Done,       // printed, or written to `path`
        Cancelled,  // the user closed the dialog; nothing to say
        Failed,     // `reason` says why nothing came out
    };
    Kind kind = Kind::Done;
    std::string path = {};    // the PDF file written (export)
    std::string reason = {};  // in the user's words
};

class ReportDialogs {
  public:
    virtual ~ReportDialogs() = default;
    // The page as the default printer would print it; printing from there is the
    // user's choice.
    virtual DialogOutcome preview(const ReportDocument& doc) = 0;
    // Printer, copies and pages chosen by the user, then printed there.
    virtual DialogOutcome print_to(const ReportDocument& doc) = 0;
    // A PDF file chosen by the user, then written.
    virtual DialogOutcome export_pdf(const ReportDocument& doc) = 0;
};

}  // namespace gp
