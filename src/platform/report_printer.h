// Putting a report on paper.
#pragma once

#include <functional>
#include <string>

#include "report_document.h"

class QPainter;
class QRectF;

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

// A picture on one page: a name for the print job (and the PDF file), and a
// painter of it that fits whatever it draws into the rectangle it is given.
struct PageDrawing {
    std::string title;
    std::function<void(QPainter&, const QRectF&)> paint;
};

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;
    // One print document per call, begun and ended inside it.
    virtual PrintOutcome print(const ReportDocument& doc) = 0;
    // A one-page picture, painted by its owner into the page's printable area (in
    // the painter's device pixels), by the same way to paper as the reports.
    virtual PrintOutcome print_drawing(const PageDrawing& drawing) = 0;
};

}  // namespace gp
