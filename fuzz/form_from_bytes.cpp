#include "form_from_bytes.h"

namespace gp::fuzz {

namespace {

constexpr std::string_view kEqualNoise = "dx2";
constexpr std::string_view kEqualStrength = "dx1";

}  // namespace

GearPairInput form_from_bytes(std::string_view bytes) {
    GearPairInput form;
    std::size_t line = 0;
    std::size_t start = 0;
    while (start <= bytes.size() && line <= kInputFields.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view text = bytes.substr(start, end - start);
        if (line == 0) {
            form.rule = text == kEqualNoise ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        } else {
            form.*kInputFields[line - 1].text = std::string(text);
        }
        ++line;
        start = end + 1;
    }
    return form;
}

std::string bytes_of_form(const GearPairInput& form) {
    std::string bytes(form.rule == ShiftRule::EqualNoise ? kEqualNoise : kEqualStrength);
    for (const auto& field : kInputFields) {
        bytes += '\n';
        bytes += form.*field.text;
    }
    bytes += '\n';
    return bytes;
}

}  // namespace gp::fuzz
