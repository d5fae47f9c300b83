#include "report_paths.h"

#include <QDir>

namespace gp {

namespace {

QString file_name(ReportKind kind) {
    return kind == ReportKind::Geometry ? QStringLiteral("齿轮参数结果Tolmaren.txt")
                                        : QStringLiteral("齿轮强度结果Tolmaren.txt");
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
