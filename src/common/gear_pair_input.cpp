#include "gear_pair_input.h"

namespace gp {

std::optional<InputField> find_input_field(std::string_view name) {
    for (const auto& f : kInputFields) {
        if (name == f.name) return f;
    }
    return std::nullopt;
}

}  // namespace gp
