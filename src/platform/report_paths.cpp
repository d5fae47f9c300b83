#include "report_paths.h"

#include <QDir>

#include "messages.h"

namespace gp {

namespace {

QString file_name(ReportKind kind) {
    return QString::fromUtf8(kind == ReportKind::Geometry ? msg::output::kGeometryReportFile
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
