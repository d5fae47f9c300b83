#include "input_hints.h"

#include <cmath>
#include <string_view>

#include "field_captions.h"
#include "number_parse.h"
#include "stop.h"

namespace gp {

std::string degenerate_inputs(const GearPairInput& form,
                              std::initializer_list<const char*> fields) {
    std::string found;
    const auto add = [&found](std::string text) {
        found += found.empty() ? "（输入中" : "，";
        found += text;
    };
    for (const char* name : fields) {
        const auto field = find_input_field(name);
        if (!field) continue;
        double value = 0.0;
        try {
            value = lenient_parse(form.*(field->text));
        } catch (const StopSignal&) {
            add(field_caption(name) + "的数值超出计算范围");
            continue;
        }
        // A helix angle of 0 is a spur pair; one of 90° has no transverse plane.
        if (std::string_view(name) == "lxjbt") {
            if (std::fmod(std::fabs(value), 180.0) == 90.0) add(field_caption(name) + "为 90°");
        } else if (value == 0.0) {
            add(field_caption(name) + "为 0");
        }
    }
    return found.empty() ? found : found + "）";
}

}  // namespace gp
