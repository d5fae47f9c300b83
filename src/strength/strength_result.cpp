#include "strength_result.h"

namespace gp {

std::vector<const char*> strength_labels(StrengthSheet sheet) {
    std::vector<const char*> out;
    for (const char* name : kAllStrengthLabels) {
        if (on_sheet(name, sheet)) out.push_back(name);
    }
    return out;
}

const LabelTexts& blank_strength_labels(StrengthSheet sheet) {
    static const LabelTexts blank[] = {LabelTexts(strength_labels(StrengthSheet::jg1)),
                                       LabelTexts(strength_labels(StrengthSheet::jg2)),
                                       LabelTexts(strength_labels(StrengthSheet::jg3))};
    return blank[static_cast<int>(sheet)];
}

}  // namespace gp
