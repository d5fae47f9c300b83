// Reports on paper: every line of a report document drawn at its font size, its
// items at character columns of that size, on as many pages as it takes; or, for a
// report typeset for paper, its rich text broken into pages.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include "report_document.h"

class QFont;
class QPaintDevice;
class QPrinter;

namespace gp {

// The report's typeface at `points`: a monospaced CJK face (WenQuanYi Micro Hei
// Mono), fixed rather than taken from the desktop, so that paper counts columns as
// the report file does: a half-width character one column, a Chinese character two.
QFont report_font(qreal points);

// The type of a typeset report (ReportDocument::paper_html) at `points`: a
// proportional CJK face.
QFont report_typeset_font(qreal points);

// The width of one column at `points` on `device`: half the advance of a Chinese
// character. Every character is drawn in as many columns as it has bytes in GBK
// (squeezed when its glyph is wider, centred when narrower), so blanks centre a
// caption on paper exactly as they do in the file and paper breaks a line exactly
// where the file does.
qreal report_column_width(qreal points, const QPaintDevice& device);
// How many columns a text takes, on paper and in the file alike.
int report_columns(const QString& text);

// The pages the report takes on `printer`.
int report_page_count(const ReportDocument& doc, const QPrinter& printer);

// One piece of text as it goes on paper.
struct PaperText {
    int page = 0;    // from 0
    QPointF origin;  // left end of the baseline, in device pixels from the printable
                     // area's top left corner
    qreal points = 0;
    QString text;
};

// Where the non-empty items of `doc` go on pages `page_height` device pixels high.
// A column is report_column_width() at the line's size (column n lies n - 1 of them right of the
// left edge); a line breaks where its items' columns have passed the next item's column; each line
// advances by its font's line spacing, and a line that would not fit starts a page.
QList<PaperText> lay_out_on_paper(const ReportDocument& doc, const QPaintDevice& device,
                                  qreal page_height);

// Paints the whole document on a printer configured by the caller (the default
// printer or a PDF file; QPrinter::HighResolution, or hairline sizes measure
// nothing). Only the pages of the printer's page ranges are painted when it has
// any. False, with the reason in `error`, when the job could not be begun or
// finished.
bool paint_report(const ReportDocument& doc, QPrinter& printer, QString* error);

}  // namespace gp
