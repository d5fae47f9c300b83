// Reports on the default printer, or in a PDF file when there is none.
#pragma once

#include <QString>

#include "report_printer.h"

class QDateTime;

namespace gp {

class QtReportPrinter : public ReportPrinter {
  public:
    // `pdf_folder` receives the report when no printer can take it.
    explicit QtReportPrinter(QString pdf_folder);
    QtReportPrinter();  // PDFs go to the home folder

    PrintOutcome print(const ReportDocument& doc) override;
    PrintOutcome print_drawing(const PageDrawing& drawing) override;

  private:
    PrintOutcome print_to_pdf(const ReportDocument& doc, const QString& why_not_printed);

    QString pdf_folder_;
};

// The name, without extension, of the PDF of a report: its title without blanks,
// then the moment, in a form every file system accepts.
QString pdf_file_stem(const QString& title, const QDateTime& moment);

}  // namespace gp
