// A report as the bytes one save appends to its report file.
#pragma once

#include <string>

#include "report_document.h"

namespace gp {

// GBK text, every line ending in CR LF, columns counted in GBK bytes (a Chinese
// character takes two), one blank between date and time. Font sizes play no part.
std::string report_file_bytes(const ReportDocument& doc);

}  // namespace gp
