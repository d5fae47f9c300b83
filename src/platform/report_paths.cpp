#include "report_paths.h"

#include <QDir>

#include "messages/output.h"
#include "qt_text.h"

namespace gp {

namespace {

QString file_name(ReportKind kind) {
    return qt(kind == ReportKind::Geometry ? msg::output::kGeometryReportFile
                                           : msg::output::kStrengthReportFile);
}

}  // namespace

QString default_report_path(ReportKind kind) {
#ifdef Q_OS_WIN
    return QStringLiteral("d:\\") + file_name(kind);
#else
    return QDir(QDir::homePath()).filePath(file_name(kind));
#endif
}

}  // namespace gp
