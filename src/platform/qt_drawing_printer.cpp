// Pictures on the default printer, or in a PDF file when there is none: the same
// way to paper as the reports take.
#include <QPainter>
#include <QPrinter>

#include "messages/output.h"
#include "qt_report_printer.h"
#include "qt_text.h"

namespace gp {

namespace {

// Paints the drawing as the one page of a print job; false, with the reason, when
// the job could not be begun or finished.
bool paint_page(const PageDrawing& drawing, QPrinter& printer, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = qt(msg::output::kJobNotStarted);
        return false;
    }
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    drawing.paint(painter, page);
    if (!painter.end()) {
        *error = qt(msg::output::kJobNotFinished);
        return false;
    }
    return true;
}

}  // namespace

PrintOutcome QtReportPrinter::print_drawing(const PageDrawing& drawing) {
    return print_job(drawing.title, [&drawing](QPrinter& printer, QString* error) {
        return paint_page(drawing, printer, error);
    });
}

}  // namespace gp
