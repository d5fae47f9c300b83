// The desktop program: the input form and its result sheets.
#include <QApplication>
#include <cstdio>
#include <string>

#ifdef GEARPAIR_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include "first_paint.h"
#include "messages/shell_texts.h"
#include "qt_message_boxes.h"
#include "qt_report_dialogs.h"
#include "qt_report_files.h"
#include "qt_report_printer.h"
#include "qt_translations.h"
#include "shell.h"
#include "system_clock.h"
#include "ui_font.h"

namespace {

#ifdef GEARPAIR_HAVE_XCB
// Whether Qt will go to the X display, and that display does not answer. Qt would
// print a warning and abort with a core dump; the program says so instead.
bool x_display_unreachable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = platform.isEmpty() ? qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                        : platform.startsWith("xcb");
    if (!x11 || qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed;
}
#endif

// Why the program cannot show its windows, or nothing when it can. Without a
// display Qt would abort with a core dump; say what is missing instead.
std::string display_problem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return gp::msg::shell::kNoDisplaySet;
    }
#endif
#ifdef GEARPAIR_HAVE_XCB
    if (x_display_unreachable()) {
        return gp::msg::shell::display_unreachable(qEnvironmentVariable("DISPLAY").toStdString());
    }
#endif
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::string problem = display_problem(); !problem.empty()) {
        std::fputs(gp::msg::shell::no_display(problem).c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("gearpair"));
    app.setFont(gp::ui_font());

    gp::install_qt_chinese(app);
    gp::watch_first_paint(app);

    gp::QtMessageBoxes boxes;
    gp::QtReportPrinter printer;
    gp::QtReportFiles files;
    gp::SystemClock clock;
    gp::QtReportDialogs dialogs;
    gp::Shell shell({boxes, printer, files, clock, dialogs}, [] { QCoreApplication::exit(0); });
    shell.start();
    // `gearpair FILE.csv` opens the pair file, as 打开… would.
    if (const QStringList args = app.arguments(); args.size() > 1) shell.open_file(args.at(1));
    return app.exec();
}
