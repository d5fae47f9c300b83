#include "report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "report_columns.h"

namespace gp {

QFont report_font(qreal points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

namespace {

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

QList<PaperText> lay_out_on_paper(const ReportDocument& doc, const QPaintDevice& device,
                                  qreal page_height) {
    QList<PaperText> texts;
    int page = 0;
    qreal top = 0;
    for (const ReportLine& line : doc.lines) {
        const QFontMetricsF metrics(report_font(line.points), &device);
        const qreal cell = metrics.averageCharWidth();
        const ColumnMeasure drawn = [&](const std::string& text) {
            return cell > 0 ? metrics.horizontalAdvance(QString::fromStdString(text)) / cell : 0.0;
        };
        for (const auto& physical : place_at_columns(items_on(line, ReportMedium::Paper), drawn)) {
            if (top > 0 && top + metrics.lineSpacing() > page_height) {
                ++page;
                top = 0;
            }
            for (const ReportItem& item : physical) {
                if (item.text.empty()) continue;
                texts.append(PaperText{page,
                                       QPointF((item.column - 1) * cell, top + metrics.ascent()),
                                       line.points, QString::fromStdString(item.text)});
            }
            top += metrics.lineSpacing();
        }
    }
    return texts;
}

bool paint_report(const ReportDocument& doc, QPrinter& printer, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) return fail(error, QStringLiteral("打印作业无法开始"));
    int page = 0;
    for (const PaperText& text : lay_out_on_paper(doc, printer, printer.height())) {
        for (; page < text.page; ++page) {
            if (!printer.newPage()) {
                painter.end();
                return fail(error, QStringLiteral("无法开始新的一页"));
            }
        }
        painter.setFont(report_font(text.points));
        painter.drawText(text.origin, text.text);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return fail(error, QStringLiteral("打印作业未能完成"));
    }
    return true;
}

}  // namespace gp
