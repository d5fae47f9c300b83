#include "qt_report_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "report_painter.h"

namespace gp {

QString pdf_file_stem(const QString& title, const QDateTime& moment) {
    QString name = title;
    name.remove(QLatin1Char(' '));
    name.remove(QChar(0x3000));  // ideographic space
    return name + moment.toString(QStringLiteral("_yyyy-MM-dd_HH-mm-ss"));
}

QtReportPrinter::QtReportPrinter(QString pdf_folder) : pdf_folder_(std::move(pdf_folder)) {}

QtReportPrinter::QtReportPrinter() : QtReportPrinter(QDir::homePath()) {}

PrintOutcome QtReportPrinter::print(const ReportDocument& doc) {
    const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
    if (default_printer.isNull()) return print_to_pdf(doc, QStringLiteral("没有安装打印机"));

    QPrinter printer(default_printer, QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(doc.title));
    QString error;
    if (paint_report(doc, printer, &error))
        return PrintOutcome{PrintOutcome::Kind::Printed, {}, {}};
    return print_to_pdf(
        doc, QStringLiteral("打印机%1无法打印：%2").arg(default_printer.printerName(), error));
}

PrintOutcome QtReportPrinter::print_to_pdf(const ReportDocument& doc,
                                           const QString& why_not_printed) {
    const QString title = QString::fromStdString(doc.title);
    const QDir folder(pdf_folder_);
    // Two prints within one second must not overwrite each other.
    const QString stem = folder.filePath(pdf_file_stem(title, QDateTime::currentDateTime()));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral("-%1.pdf").arg(n);

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(title);
    QString error;
    if (!paint_report(doc, pdf, &error) || !QFileInfo::exists(path)) {
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
