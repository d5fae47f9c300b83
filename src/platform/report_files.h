// The two report files, to which each save appends one whole report.
#pragma once

#include <string>
#include <string_view>

namespace gp {

enum class ReportKind { Geometry, Strength };

struct SaveOutcome {
    bool saved = false;
    std::string reason;  // why not, in the user's words (empty when saved)
};

class ReportFiles {
  public:
    virtual ~ReportFiles() = default;
    // The file of that kind, as the user would type it.
    virtual std::string path(ReportKind kind) const = 0;
    // Appends the bytes in one write; the file is created when absent and never
    // shortened.
    virtual SaveOutcome append(ReportKind kind, std::string_view bytes) = 0;
};

}  // namespace gp
