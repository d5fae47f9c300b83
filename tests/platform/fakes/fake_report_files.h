// Records what each save appends, and can be told to refuse.
#pragma once

#include <string>
#include <vector>

#include "report_files.h"

namespace gp {

struct AppendedReport {
    ReportKind kind;
    std::string bytes;
};

class FakeReportFiles : public ReportFiles {
  public:
    std::string path(ReportKind kind) const override {
        return kind == ReportKind::Geometry ? "/home/user/齿轮参数结果Tolmaren.txt"
                                            : "/home/user/齿轮强度结果Tolmaren.txt";
    }
    SaveOutcome append(ReportKind kind, std::string_view bytes) override {
        if (!refusal.empty()) return SaveOutcome{false, refusal};
        appended.push_back({kind, std::string(bytes)});
        return SaveOutcome{true, {}};
    }

    std::string refusal;  // when set, every save fails with this reason
    std::vector<AppendedReport> appended;
};

}  // namespace gp
