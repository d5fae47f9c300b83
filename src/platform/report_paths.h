// Where the two report files lie.
#pragma once

#include <QString>

#include "report_files.h"

namespace gp {

// On Windows the fixed files on drive d:; elsewhere the same names in the user's
// home folder.
QString default_report_path(ReportKind kind);

}  // namespace gp
