// The desktop program: the input form and its result sheets.
#include <QApplication>
#include <cstdio>

#include "qt_message_boxes.h"
#include "qt_report_files.h"
#include "qt_report_printer.h"
#include "qt_translations.h"
#include "shell.h"
#include "system_clock.h"
#include "ui_font.h"

namespace {

// Without a display Qt would abort with a core dump; say what is missing instead.
bool display_missing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (display_missing()) {
        std::fputs("gearpair: 找不到图形显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("gearpair"));
    app.setFont(gp::ui_font());

    gp::install_qt_chinese(app);

    gp::QtMessageBoxes boxes;
    gp::QtReportPrinter printer;
    gp::QtReportFiles files;
    gp::SystemClock clock;
    gp::Shell shell({boxes, printer, files, clock}, [] { QCoreApplication::exit(0); });
    shell.start();
    return app.exec();
}
