#include "qt_report_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <utility>

#include "messages/output.h"
#include "qt_report_printer.h"
#include "qt_text.h"
#include "report_painter.h"

namespace gp {

namespace {

DialogOutcome failed(const QString& reason) {
    return DialogOutcome{DialogOutcome::Kind::Failed, {}, reason.toStdString()};
}

}  // namespace

ReportPreviewDialog::ReportPreviewDialog(const ReportDocument& doc, QWidget* parent)
    : PreviewPrinter{default_report_printer(doc.title)},
      QPrintPreviewDialog(PreviewPrinter::printer.get(), parent),
      doc_(doc) {
    setWindowTitle(qt(msg::output::preview_title(doc.title)));
    // Sized to its screen (nine tenths of the room there), the page fit to width, so
    // that a report reads without zooming.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        resize(room.width() * 9 / 10, room.height() * 9 / 10);
        move(room.center() - rect().center());
    }
    // Through the dialog's own action, so that its tool bar shows the fit chosen.
    const QString fit_width = QCoreApplication::translate("QPrintPreviewDialog", "Fit width");
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == fit_width) action->trigger();
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        error_.clear();
        paint_report(doc_, *p, &error_);
    });
}

int ReportPreviewDialog::page_count() {
    auto* widget = findChild<QPrintPreviewWidget*>();
    if (!widget) return 0;
    if (widget->pageCount() == 0) widget->updatePreview();
    return widget->pageCount();
}

QtReportDialogs::QtReportDialogs(QString pdf_folder) : pdf_folder_(std::move(pdf_folder)) {}

QtReportDialogs::QtReportDialogs() : QtReportDialogs(QDir::homePath()) {}

DialogOutcome QtReportDialogs::preview(const ReportDocument& doc) {
    ReportPreviewDialog dialog(doc, QApplication::activeWindow());
    dialog.exec();
    if (!dialog.error().isEmpty()) return failed(dialog.error());
    return DialogOutcome{};
}

DialogOutcome QtReportDialogs::print_to(const ReportDocument& doc) {
    const std::unique_ptr<QPrinter> printer = default_report_printer(doc.title);
    if (printer->outputFormat() ==
        QPrinter::PdfFormat) {  // no printer: a file, named as the export names it
        printer->setOutputFileName(
            QDir(pdf_folder_)
                .filePath(pdf_file_stem(qt(doc.title), QDateTime::currentDateTime()) +
                          QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setWindowTitle(qt(msg::output::kPrintToTitle));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, report_page_count(doc, *printer));
    if (dialog.exec() != QDialog::Accepted) return DialogOutcome{DialogOutcome::Kind::Cancelled};
    QString error;
    if (!paint_report(doc, *printer, &error)) return failed(error);
    return DialogOutcome{};
}

DialogOutcome QtReportDialogs::export_pdf(const ReportDocument& doc) {
    const QString title = qt(doc.title);
    const QString suggested = QDir(pdf_folder_).filePath(
        pdf_file_name(doc.drawing_numbers, title, QDateTime::currentDateTime()));
    QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), qt(msg::output::kExportPdfTitle),
                                     suggested, qt(msg::output::kPdfFilter));
    if (path.isEmpty()) return DialogOutcome{DialogOutcome::Kind::Cancelled};
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    pdf_folder_ = QFileInfo(path).absolutePath();  // the next export starts there
    return write_pdf(doc, path);
}

DialogOutcome QtReportDialogs::write_pdf(const ReportDocument& doc, const QString& path) {
    const auto pdf = pdf_report_printer(doc.title, path);
    QString error;
    if (!paint_report(doc, *pdf, &error) || !QFileInfo::exists(path)) {
        return failed(error.isEmpty() ? qt(msg::output::cannot_write(
                                            QDir::toNativeSeparators(path).toStdString()))
                                      : error);
    }
    return DialogOutcome{
        DialogOutcome::Kind::Done, QDir::toNativeSeparators(path).toStdString(), {}};
}

}  // namespace gp
