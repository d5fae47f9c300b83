#include "report_painter.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "gbk.h"
#include "messages/output.h"
#include "qt_text.h"
#include "report_columns.h"

namespace gp {

QFont report_typeset_font(qreal points) {
    QFont font;
    // A proportional CJK face: a typeset page measures its text as it lays it out.
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("SimSun")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont report_font(qreal points) {
    QFont font;
    // Monospaced CJK faces, the first one installed wins; another face only changes
    // the glyphs, never where they stand.
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("NSimSun")});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

namespace {

// A Chinese character every CJK face has; its advance is two columns.
constexpr char16_t kFullWidth = u'中';

qreal column_width(const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(QChar(kFullWidth)) / 2;
}

int columns_of(char32_t code_point) {
    if (code_point < 0x80) return 1;
    return int(gbk_from_utf8(QString::fromUcs4(&code_point, 1).toStdString()).size());
}

// Draws `text` character by character, each in its own columns from `origin`.
void draw_in_columns(QPainter& painter, const QString& text, QPointF origin, qreal cell) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal x = origin.x();
    for (const char32_t c : text.toUcs4()) {
        const QString glyph = QString::fromUcs4(&c, 1);
        const qreal box = columns_of(c) * cell;
        const qreal natural = metrics.horizontalAdvance(glyph);
        if (!glyph.trimmed().isEmpty()) {
            if (natural > box) {
                painter.save();
                painter.translate(x, origin.y());
                painter.scale(box / natural, 1);
                painter.drawText(QPointF(0, 0), glyph);
                painter.restore();
            } else {
                painter.drawText(QPointF(x + (box - natural) / 2, origin.y()), glyph);
            }
        }
        x += box;
    }
}

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

qreal report_column_width(qreal points, const QPaintDevice& device) {
    return column_width(QFontMetricsF(report_font(points), &device));
}

int report_columns(const QString& text) {
    int columns = 0;
    for (const char32_t c : text.toUcs4()) columns += columns_of(c);
    return columns;
}

QList<PaperText> lay_out_on_paper(const ReportDocument& doc, const QPaintDevice& device,
                                  qreal page_height) {
    // The file's own measure: GBK bytes.
    const ColumnMeasure columns = [](const std::string& text) {
        return double(gbk_from_utf8(text).size());
    };
    QList<PaperText> texts;
    int page = 0;
    qreal top = 0;
    for (const ReportLine& line : doc.lines) {
        const QFontMetricsF metrics(report_font(line.points), &device);
        const qreal cell = column_width(metrics);
        for (const auto& physical :
             place_at_columns(items_on(line, ReportMedium::Paper), columns)) {
            if (top > 0 && top + metrics.lineSpacing() > page_height) {
                ++page;
                top = 0;
            }
            for (const ReportItem& item : physical) {
                if (item.text.empty()) continue;
                texts.append(PaperText{page,
                                       QPointF((item.column - 1) * cell, top + metrics.ascent()),
                                       line.points, qt(item.text)});
            }
            top += metrics.lineSpacing();
        }
    }
    return texts;
}

namespace {

constexpr qreal kFootPoints = 9;
// The body type of a typeset report.
constexpr qreal kTypesetPoints = 9;

// The height the report's lines may take on a page: all of it, less two lines of
// the foot's size where the pages are numbered.
qreal body_height(const ReportDocument& doc, const QPaintDevice& device, qreal page_height) {
    if (doc.page_numbers.empty()) return page_height;
    return page_height - 2 * QFontMetricsF(report_font(kFootPoints), &device).lineSpacing();
}

// A typeset report laid out on pages of the printer's width and of the body's height,
// its text measured at the printer's resolution (the layout only reads the device's
// metrics, which Qt's interface takes through a pointer to a mutable device).
std::unique_ptr<QTextDocument> typeset(const ReportDocument& doc, const QPrinter& printer) {
    auto text = std::make_unique<QTextDocument>();
    text->documentLayout()->setPaintDevice(const_cast<QPrinter*>(&printer));
    text->setDefaultFont(report_typeset_font(kTypesetPoints));
    text->setDocumentMargin(0);
    text->setHtml(qt(doc.paper_html));
    text->setPageSize(QSizeF(printer.width(), body_height(doc, printer, printer.height())));
    return text;
}

}  // namespace

int report_page_count(const ReportDocument& doc, const QPrinter& printer) {
    if (!doc.paper_html.empty()) return typeset(doc, printer)->pageCount();
    const QList<PaperText> texts =
        lay_out_on_paper(doc, printer, body_height(doc, printer, printer.height()));
    return texts.isEmpty() ? 1 : texts.back().page + 1;
}

bool paint_report(const ReportDocument& doc, QPrinter& printer, QString* error) {
    const QPageRanges wanted = printer.pageRanges();
    QPainter painter;
    if (!painter.begin(&printer)) return fail(error, qt(msg::output::kJobNotStarted));
    // The page's number at its foot, centred, in the foot's size.
    const auto foot = [&](int on, int pages) {
        if (doc.page_numbers.empty()) return;
        const QString line = qt(doc.page_numbers).arg(on + 1).arg(pages);
        const QFont font = report_font(kFootPoints);
        const QFontMetricsF metrics(font, &printer);
        painter.setFont(font);
        painter.drawText(QPointF((printer.width() - metrics.horizontalAdvance(line)) / 2,
                                 printer.height() - metrics.descent()),
                         line);
    };
    // The next page for `on`, unless it is the first painted; false when the printer has none.
    int painted = -1;
    const auto turn_to = [&](int on, int pages) {
        if (painted >= 0) {
            foot(painted, pages);
            if (!printer.newPage()) return false;
        }
        painted = on;
        return true;
    };

    if (!doc.paper_html.empty()) {
        const std::unique_ptr<QTextDocument> text = typeset(doc, printer);
        const QSizeF body = text->pageSize();
        const int pages = text->pageCount();
        for (int on = 0; on < pages; ++on) {
            if (!wanted.isEmpty() && !wanted.contains(on + 1)) continue;
            if (!turn_to(on, pages)) {
                painter.end();
                return fail(error, qt(msg::output::kNoNewPage));
            }
            painter.save();
            painter.translate(0, -on * body.height());
            text->drawContents(&painter, QRectF(QPointF(0, on * body.height()), body));
            painter.restore();
        }
        if (painted >= 0) foot(painted, pages);
    } else {
        const QList<PaperText> texts =
            lay_out_on_paper(doc, printer, body_height(doc, printer, printer.height()));
        const int pages = texts.isEmpty() ? 1 : texts.back().page + 1;
        for (const PaperText& text : texts) {
            if (!wanted.isEmpty() && !wanted.contains(text.page + 1)) continue;
            if (text.page != painted && !turn_to(text.page, pages)) {
                painter.end();
                return fail(error, qt(msg::output::kNoNewPage));
            }
            painter.setFont(report_font(text.points));
            draw_in_columns(painter, text.text, text.origin,
                            report_column_width(text.points, printer));
        }
        if (painted >= 0) foot(painted, pages);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return fail(error, qt(msg::output::kJobNotCompleted));
    }
    return true;
}

}  // namespace gp
