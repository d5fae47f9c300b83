// Reports on paper: every line of a report document drawn at its font size, its
// items at character columns of that size, on as many pages as it takes.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include "report_document.h"

class QFont;
class QPaintDevice;
class QPrinter;

namespace gp {

// The report's typeface at `points`. The face is fixed rather than taken from the
// desktop: a column is the face's average character width, and a face whose
// average counts its Chinese glyphs (as the CJK desktop faces do) would push the
// wheel column at 64 and its head at 68 off an A4 page. DejaVu Sans averages half
// an em, like the half-width Latin of a Chinese printer face, so a report's columns
// on paper fall where its GBK columns fall in the file; Chinese glyphs come from
// the CJK face by fallback.
QFont report_font(qreal points);

// One piece of text as it goes on paper.
struct PaperText {
    int page = 0;    // from 0
    QPointF origin;  // left end of the baseline, in device pixels from the printable
                     // area's top left corner
    qreal points = 0;
    QString text;
};

// Where the non-empty items of `doc` go on pages `page_height` device pixels high.
// A column is the average character width of report_font() at the line's size (column n lies n - 1
// of them right of the left edge); a line breaks where the width actually drawn has passed the next
// item's column; each line advances by its font's line spacing, and a line that would not fit
// starts a page.
QList<PaperText> lay_out_on_paper(const ReportDocument& doc, const QPaintDevice& device,
                                  qreal page_height);

// Paints the whole document on a printer configured by the caller (the default
// printer or a PDF file; QPrinter::HighResolution, or hairline sizes measure
// nothing). False, with the reason in `error`, when the job could not be begun or
// finished.
bool paint_report(const ReportDocument& doc, QPrinter& printer, QString* error);

}  // namespace gp
