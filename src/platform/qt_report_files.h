// The report files on disk.
#pragma once

#include <QString>

#include "report_files.h"

namespace gp {

class QtReportFiles : public ReportFiles {
  public:
    QtReportFiles();  // the default paths
    QtReportFiles(QString geometry_path, QString strength_path);

    std::string path(ReportKind kind) const override;
    SaveOutcome append(ReportKind kind, std::string_view bytes) override;

  private:
    const QString& file_of(ReportKind kind) const;

    QString geometry_path_;
    QString strength_path_;
};

}  // namespace gp
