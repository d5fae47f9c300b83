#include "strength_result.h"

namespace gp {

std::vector<const char*> strength_labels(StrengthSheet sheet) {
    std::vector<const char*> out;
    for (const char* name : kAllStrengthLabels) {
        const std::string_view n = name;
        const bool jg1_only = n == "hx1" || n == "hx2";
        const bool jg2_only = n == "lx" || n == "jx1" || n == "jx2";
        const bool jg3_only = n == "lx1" || n == "lx2" || n == "jx";
        if (jg1_only && sheet != StrengthSheet::jg1) continue;
        if (jg2_only && sheet != StrengthSheet::jg2) continue;
        if (jg3_only && sheet != StrengthSheet::jg3) continue;
        out.push_back(name);
    }
    return out;
}

}  // namespace gp
