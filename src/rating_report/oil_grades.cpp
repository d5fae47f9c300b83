#include "oil_grades.h"

namespace gp::rating {
namespace {
constexpr int kGrades[] = {32, 46, 68, 100, 150, 220, 320, 460, 680, 1000, 1500};
}

std::span<const int> oil_grades() { return kGrades; }

std::string oil_grade_name(int grade) { return "ISO VG " + std::to_string(grade); }

std::optional<int> oil_grade_of(double nu40) {
    for (int g : kGrades) {
        if (nu40 == g) return g;
    }
    return std::nullopt;
}

}  // namespace gp::rating
