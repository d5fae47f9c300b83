#include "impossible_inputs.h"

#include <cmath>
#include <string_view>

#include "field_captions.h"
#include "messages/inputs.h"
#include "number_parse.h"

namespace gp {

namespace {

enum class Allowed { Positive, NotNegative, AcuteAngle, HelixAngle };

struct Rule {
    std::string GearPairInput::*text;
    const char* name;
    Allowed allowed;
    const char* why;
    bool strength_only;  // the geometry calculation does not read it
};

#define GP_RULE(field, allowed, why, strength_only) \
    Rule { &GearPairInput::field, #field, Allowed::allowed, msg::detail::why, strength_only }

// In the form's order of kInputFields, so that the first one named is the first
// field a user reads.
const Rule kRules[] = {
    GP_RULE(fmn, Positive, kModuleNotPositive, false),
    GP_RULE(fjafn, AcuteAngle, kPressureAngleOutside, false),
    GP_RULE(lxjbt, HelixAngle, kHelixAngleOutside, false),
    GP_RULE(ckbw, Positive, kFaceWidthNotPositive, false),
    GP_RULE(h0, NotNegative, kAddendumNegative, false),
    GP_RULE(c0, NotNegative, kClearanceNegative, false),
    GP_RULE(cs1z1, Positive, kTeethNotPositive, false),
    GP_RULE(cs2z2, Positive, kTeethNotPositive, false),
    GP_RULE(cgyj1, NotNegative, kFilletNegative, true),
    GP_RULE(cgyj2, NotNegative, kFilletNegative, true),
    GP_RULE(ck1, Positive, kFaceWidthNotPositive, true),
    GP_RULE(ck2, Positive, kFaceWidthNotPositive, true),
};

#undef GP_RULE

bool possible(double v, Allowed allowed) {
    switch (allowed) {
        case Allowed::Positive:
            return v > 0.0;
        case Allowed::NotNegative:
            return v >= 0.0;
        case Allowed::AcuteAngle:
            return v > 0.0 && v < 90.0;
        case Allowed::HelixAngle:
            return v > -90.0 && v < 90.0;
    }
    return true;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::vector<ImpossibleValue> impossible_values(const GearPairInput& input, CalculationKind kind) {
    std::vector<ImpossibleValue> out;
    for (const Rule& rule : kRules) {
        if (rule.strength_only && kind != CalculationKind::Strength) continue;
        const std::string& text = input.*rule.text;
        if (!is_numeric(text)) continue;  // empty, or the checks' business
        double value = 0.0;
        try {
            value = lenient_parse(text);
        } catch (const StopSignal&) {
            continue;  // beyond a double: the degenerate-input hint names it
        }
        if (possible(value, rule.allowed)) continue;
        out.push_back({rule.name, msg::detail::impossible_value(field_caption(rule.name),
                                                                trimmed(text), rule.why)});
    }
    return out;
}

void name_impossible_values(Stop& stop, const GearPairInput& input, CalculationKind kind) {
    const auto found = impossible_values(input, kind);
    if (found.empty()) return;
    std::string named;
    for (const ImpossibleValue& v : found) {
        if (!named.empty()) named += msg::detail::kImpossibleSeparator;
        named += v.explanation;
    }
    stop.detail = msg::detail::impossible_then(named, stop.detail);
    stop.field = found.front().field;
}

}  // namespace gp
