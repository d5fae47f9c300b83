// Putting a report on paper.
#pragma once

#include <string>

#include "report_document.h"

namespace gp {

struct PrintOutcome {
    enum class Kind {
        Printed,     // handed to the default printer
        SavedAsPdf,  // no usable printer: written to `pdf_path` instead
        Failed,      // neither printed nor written; `reason` says why
    };
    Kind kind = Kind::Printed;
    std::string pdf_path;  // where the PDF went (SavedAsPdf)
    std::string reason;    // why the printer was not used, or why nothing came out
};

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;
    // One print document per call, begun and ended inside it.
    virtual PrintOutcome print(const ReportDocument& doc) = 0;
};

}  // namespace gp
