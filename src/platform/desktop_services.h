// Everything the program asks of the desktop, handed to the shell in one piece so
// that tests can put recording fakes in its place.
#pragma once

#include "clock.h"
#include "message_boxes.h"
#include "report_dialogs.h"
#include "report_files.h"
#include "report_printer.h"

namespace gp {

struct DesktopServices {
    MessageBoxes& boxes;
    ReportPrinter& printer;
    ReportFiles& files;
    Clock& clock;
    ReportDialogs& dialogs;
};

}  // namespace gp
