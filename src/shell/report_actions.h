// Printing and saving a sheet's report, and telling the user when either failed.
#pragma once

#include "desktop_services.h"
#include "report_document.h"

namespace gp {

// Prints the report; when it went to a PDF file instead, or nowhere, says so.
void print_report(const ReportDocument& doc, DesktopServices& desktop);

// Appends the report to its file; true when it was written, else the user has been
// told why not.
bool save_report(const ReportDocument& doc, ReportKind kind, DesktopServices& desktop);

}  // namespace gp
