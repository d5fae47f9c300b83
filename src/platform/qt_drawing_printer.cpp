// Pictures on the default printer, or in a PDF file when there is none: the same
// way to paper as the reports take.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt_report_printer.h"

namespace gp {

namespace {

// Paints the drawing as the one page of a print job; false, with the reason, when
// the job could not be begun or finished.
bool paint_page(const PageDrawing& drawing, QPrinter& printer, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("打印作业无法开始");
        return false;
    }
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    drawing.paint(painter, page);
    if (!painter.end()) {
        *error = QStringLiteral("打印作业无法完成");
        return false;
    }
    return true;
}

}  // namespace

PrintOutcome QtReportPrinter::print_drawing(const PageDrawing& drawing) {
    const QString title = QString::fromStdString(drawing.title);
    QString why_not_printed = QStringLiteral("没有安装打印机");
    const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
    if (!default_printer.isNull()) {
        QPrinter printer(default_printer, QPrinter::HighResolution);
        printer.setDocName(title);
        QString error;
        if (paint_page(drawing, printer, &error))
            return PrintOutcome{PrintOutcome::Kind::Printed, {}, {}};
        why_not_printed =
            QStringLiteral("打印机%1无法打印：%2").arg(default_printer.printerName(), error);
    }

    const QString stem =
        QDir(pdf_folder_).filePath(pdf_file_stem(title, QDateTime::currentDateTime()));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral("-%1.pdf").arg(n);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(title);
    QString error;
    if (!paint_page(drawing, pdf, &error) || !QFileInfo::exists(path)) {
        if (error.isEmpty())
            error = QStringLiteral("无法写入%1").arg(QDir::toNativeSeparators(path));
        return PrintOutcome{PrintOutcome::Kind::Failed,
                            {},
                            (why_not_printed + QStringLiteral("；") + error).toStdString()};
    }
    return PrintOutcome{PrintOutcome::Kind::SavedAsPdf,
                        QDir::toNativeSeparators(path).toStdString(),
                        why_not_printed.toStdString()};
}

}  // namespace gp
