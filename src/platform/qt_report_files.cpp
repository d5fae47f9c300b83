#include "qt_report_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <utility>

#include "messages/output.h"
#include "qt_text.h"
#include "report_paths.h"

namespace gp {

namespace {

SaveOutcome not_saved(const QString& reason) { return SaveOutcome{false, reason.toStdString()}; }

// The volume the file is on.
QStorageInfo volume_of(const QFile& file) {
    return QStorageInfo(QFileInfo(file.fileName()).absolutePath());
}

// `error` is the C library's error number of the failed call where the system sets
// one (0 otherwise); the volume's own state answers where it does not.
bool is_read_only(const QStorageInfo& volume, int error) {
    return error == EROFS || (volume.isValid() && volume.isReadOnly());
}

QString why_not_opened(const QFile& file, int error) {
    const QFileInfo info(file.fileName());
    if (!info.absoluteDir().exists()) {
        return qt(msg::output::folder_missing(
            QDir::toNativeSeparators(info.absolutePath()).toStdString()));
    }
    if (info.isDir()) return qt(msg::output::kPathIsFolder);
    if (is_read_only(volume_of(file), error)) return qt(msg::output::kReadOnlyDisk);
    if (error == EACCES || error == EPERM || file.error() == QFileDevice::PermissionsError) {
        return qt(msg::output::kNoWritePermission);
    }
    return qt(msg::output::cannot_open(file.errorString().toStdString()));
}

bool is_out_of_space(int error) {
#ifdef EDQUOT
    if (error == EDQUOT) return true;  // the user's disk quota, where there is one
#endif
    return error == ENOSPC;
}

QString why_not_written(const QFile& file, qint64 wanted, int error) {
    const QStorageInfo volume = volume_of(file);
    if (is_read_only(volume, error)) return qt(msg::output::kReadOnlyDisk);
    if (is_out_of_space(error) || (volume.isValid() && volume.bytesAvailable() < wanted)) {
        return qt(msg::output::kDiskFull);
    }
    return qt(msg::output::write_failed(file.errorString().toStdString()));
}

}  // namespace

QtReportFiles::QtReportFiles()
    : QtReportFiles(default_report_path(ReportKind::Geometry),
                    default_report_path(ReportKind::Strength)) {}

QtReportFiles::QtReportFiles(QString geometry_path, QString strength_path)
    : geometry_path_(std::move(geometry_path)), strength_path_(std::move(strength_path)) {}

const QString& QtReportFiles::file_of(ReportKind kind) const {
    return kind == ReportKind::Geometry ? geometry_path_ : strength_path_;
}

std::string QtReportFiles::path(ReportKind kind) const {
    return QDir::toNativeSeparators(file_of(kind)).toStdString();
}

SaveOutcome QtReportFiles::append(ReportKind kind, std::string_view bytes) {
    QFile file(file_of(kind));
    // Unbuffered, so that a full disk shows in the write's own result rather than
    // in a flush at closing that nobody checks.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return not_saved(why_not_opened(file, errno));
    }
    const qint64 size_before = file.size();
    const auto wanted = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), wanted) != wanted) {
        const QString reason = why_not_written(file, wanted, errno);
        // A report cut short would confuse the next reader more than none at all.
        if (!file.isSequential()) file.resize(size_before);
        return not_saved(reason);
    }
    file.close();
    return SaveOutcome{true, {}};
}

}  // namespace gp
