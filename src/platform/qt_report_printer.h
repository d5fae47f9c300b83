// Reports on the default printer, or in a PDF file when there is none.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report_printer.h"

class QDateTime;
class QPrinter;

namespace gp {

class QtReportPrinter : public ReportPrinter {
  public:
    // `pdf_folder` receives the report when no printer can take it.
    explicit QtReportPrinter(QString pdf_folder);
    QtReportPrinter();  // PDFs go to the home folder

    PrintOutcome print(const ReportDocument& doc) override;
    PrintOutcome print_drawing(const PageDrawing& drawing) override;

  private:
    // Paints a whole print job on the printer it is given; false, with the reason,
    // when the job could not be begun or finished.
    using PaintJob = std::function<bool(QPrinter& printer, QString* error)>;
    // The job on the default printer; with no printer, or when it fails, in a new
    // PDF file in the PDF folder, named after `title` and the moment.
    PrintOutcome print_job(const std::string& title, const PaintJob& paint);

    QString pdf_folder_;
};

// A printer set up as every print job starts: the default printer in high
// resolution, `title` as the document's name; a PDF printer of the same setup (its
// file still to be named) when there is no printer.
std::unique_ptr<QPrinter> default_report_printer(const std::string& title);

// A PDF printer of that setup writing the file at `path`.
std::unique_ptr<QPrinter> pdf_report_printer(const std::string& title, const QString& path);

// The name, without extension, of the PDF of a report: its title without blanks,
// then the moment, in a form every file system accepts.
QString pdf_file_stem(const QString& title, const QDateTime& moment);

// A text typed by the user (a drawing number) as part of a file name: trimmed, and
// every character no file system accepts in a name made "_".
QString file_name_part(const QString& text);

// The name a report's PDF is offered under: its drawing numbers first, as the
// picture and outline exports are named, then the stem above.
QString pdf_file_name(const std::vector<std::string>& drawing_numbers, const QString& title,
                      const QDateTime& moment);

}  // namespace gp
