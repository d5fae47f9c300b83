#include "qt_report_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <utility>

#include "messages/output.h"
#include "qt_text.h"
#include "report_painter.h"

namespace gp {

QString pdf_file_stem(const QString& title, const QDateTime& moment) {
    QString name = title;
    name.remove(QLatin1Char(' '));
    name.remove(QChar(0x3000));  // ideographic space
    return name + moment.toString(QStringLiteral("_yyyy-MM-dd_HH-mm-ss"));
}

QString file_name_part(const QString& text) {
    static const QRegularExpression kForbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return QString(text.trimmed()).replace(kForbidden, QStringLiteral("_"));
}

QString pdf_file_name(const std::vector<std::string>& drawing_numbers, const QString& title,
                      const QDateTime& moment) {
    QString name;
    for (const std::string& number : drawing_numbers) {
        const QString part = file_name_part(qt(number));
        if (!part.isEmpty()) name += part + QLatin1Char('_');
    }
    return name + pdf_file_stem(title, moment) + QStringLiteral(".pdf");
}

std::unique_ptr<QPrinter> pdf_report_printer(const std::string& title, const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    // An empty name would turn the printer back to the native format.
    if (!path.isEmpty()) printer->setOutputFileName(path);
    printer->setDocName(qt(title));
    return printer;
}

std::unique_ptr<QPrinter> default_report_printer(const std::string& title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return pdf_report_printer(title, {});
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(qt(title));
    return printer;
}

QtReportPrinter::QtReportPrinter(QString pdf_folder) : pdf_folder_(std::move(pdf_folder)) {}

QtReportPrinter::QtReportPrinter() : QtReportPrinter(QDir::homePath()) {}

PrintOutcome QtReportPrinter::print(const ReportDocument& doc) {
    return print_job(doc.title, [&doc](QPrinter& printer, QString* error) {
        return paint_report(doc, printer, error);
    });
}

PrintOutcome QtReportPrinter::print_job(const std::string& title, const PaintJob& paint) {
    QString why_not_printed = qt(msg::output::kNoPrinter);
    if (const auto printer = default_report_printer(title);
        printer->outputFormat() == QPrinter::NativeFormat) {
        QString error;
        if (paint(*printer, &error)) return PrintOutcome{PrintOutcome::Kind::Printed, {}, {}};
        why_not_printed = qt(
            msg::output::printer_failed(printer->printerName().toStdString(), error.toStdString()));
    }

    // Two prints within one second must not overwrite each other.
    const QString stem =
        QDir(pdf_folder_).filePath(pdf_file_stem(qt(title), QDateTime::currentDateTime()));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral("-%1.pdf").arg(n);

    const auto pdf = pdf_report_printer(title, path);
    QString error;
    if (!paint(*pdf, &error) || !QFileInfo::exists(path)) {
        if (error.isEmpty())
            error = qt(msg::output::cannot_write(QDir::toNativeSeparators(path).toStdString()));
        return PrintOutcome{
            PrintOutcome::Kind::Failed,
            {},
            why_not_printed.toStdString() + msg::output::kReasonSeparator + error.toStdString()};
    }
    return PrintOutcome{PrintOutcome::Kind::SavedAsPdf,
                        QDir::toNativeSeparators(path).toStdString(),
                        why_not_printed.toStdString()};
}

}  // namespace gp
