#include "input_hints.h"

#include <cmath>
#include <string_view>

#include "field_captions.h"
#include "messages/inputs.h"
#include "number_parse.h"
#include "stop.h"

namespace gp {

std::string degenerate_inputs(const GearPairInput& form,
                              std::initializer_list<const char*> fields) {
    std::string found;
    const auto add = [&found](std::string text) {
        found += found.empty() ? msg::detail::kDegenerateOpen : msg::detail::kDegenerateSeparator;
        found += text;
    };
    for (const char* name : fields) {
        const auto field = find_input_field(name);
        if (!field) continue;
        double value = 0.0;
        try {
            value = lenient_parse(form.*(field->text));
        } catch (const StopSignal&) {
            add(msg::detail::beyond_range(field_caption(name)));
            continue;
        }
        // A helix angle of 0 is a spur pair; one of 90° has no transverse plane.
        if (std::string_view(name) == "lxjbt") {
            if (std::fmod(std::fabs(value), 180.0) == 90.0)
                add(msg::detail::is_right_angle(field_caption(name)));
        } else if (value == 0.0) {
            add(msg::detail::is_zero(field_caption(name)));
        }
    }
    return found.empty() ? found : found + msg::detail::kDegenerateClose;
}

}  // namespace gp
