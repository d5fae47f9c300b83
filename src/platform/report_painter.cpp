#include "report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "gbk.h"
#include "messages/output.h"
#include "qt_text.h"
#include "report_columns.h"

namespace gp {

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

// The height the report's lines may take on a page: all of it, less two lines of
// the foot's size where the pages are numbered.
qreal body_height(const ReportDocument& doc, const QPaintDevice& device, qreal page_height) {
    if (doc.page_numbers.empty()) return page_height;
    return page_height - 2 * QFontMetricsF(report_font(kFootPoints), &device).lineSpacing();
}

}  // namespace

int report_page_count(const ReportDocument& doc, const QPrinter& printer) {
    const QList<PaperText> texts =
        lay_out_on_paper(doc, printer, body_height(doc, printer, printer.height()));
    return texts.isEmpty() ? 1 : texts.back().page + 1;
}

bool paint_report(const ReportDocument& doc, QPrinter& printer, QString* error) {
    const QPageRanges wanted = printer.pageRanges();
    QPainter painter;
    if (!painter.begin(&printer)) return fail(error, qt(msg::output::kJobNotStarted));
    int page = -1;  // the page being painted; none yet
    const QList<PaperText> texts =
        lay_out_on_paper(doc, printer, body_height(doc, printer, printer.height()));
    const int pages = texts.isEmpty() ? 1 : texts.back().page + 1;
    const auto foot = [&](int on) {
        if (doc.page_numbers.empty()) return;
        const QString line = qt(doc.page_numbers).arg(on + 1).arg(pages);
        const QFont font = report_font(kFootPoints);
        const QFontMetricsF metrics(font, &printer);
        painter.setFont(font);
        painter.drawText(QPointF((printer.width() - metrics.horizontalAdvance(line)) / 2,
                                 printer.height() - metrics.descent()),
                         line);
    };
    for (const PaperText& text : texts) {
        if (!wanted.isEmpty() && !wanted.contains(text.page + 1)) continue;
        if (text.page != page) {
            if (page >= 0) foot(page);
            if (page >= 0 && !printer.newPage()) {
                painter.end();
                return fail(error, qt(msg::output::kNoNewPage));
            }
            page = text.page;
        }
        painter.setFont(report_font(text.points));
        draw_in_columns(painter, text.text, text.origin, report_column_width(text.points, printer));
    }
    if (page >= 0) foot(page);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return fail(error, qt(msg::output::kJobNotCompleted));
    }
    return true;
}

}  // namespace gp
