// The print dialogs of the desktop, over the report painter.
#pragma once

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>
#include <memory>

#include "report_dialogs.h"

class QWidget;

namespace gp {

class QtReportDialogs : public ReportDialogs {
  public:
    // `pdf_folder` is where the export dialog opens first.
    explicit QtReportDialogs(QString pdf_folder);
    QtReportDialogs();  // the home folder

    DialogOutcome preview(const ReportDocument& doc) override;
    DialogOutcome print_to(const ReportDocument& doc) override;
    DialogOutcome export_pdf(const ReportDocument& doc) override;

    // Writes the report as a PDF file at `path`, as export_pdf() does once a file
    // has been chosen.
    static DialogOutcome write_pdf(const ReportDocument& doc, const QString& path);

  private:
    QString pdf_folder_;
};

// The printer of a preview, constructed before the dialog and gone after it.
struct PreviewPrinter {
    std::unique_ptr<QPrinter> printer;
};

// The preview that preview() runs, ready but not yet shown: on the default printer
// when there is one, as the 打印 button prints, else on a PDF page of the same
// setup. It owns its printer.
class ReportPreviewDialog : private PreviewPrinter, public QPrintPreviewDialog {
  public:
    ReportPreviewDialog(const ReportDocument& doc, QWidget* parent);

    // The pages shown (the preview is made when first asked for).
    int page_count();
    // Why the last painting failed (empty when it did not).
    const QString& error() const { return error_; }

  private:
    ReportDocument doc_;
    QString error_;
};

}  // namespace gp
