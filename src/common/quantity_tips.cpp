#include "quantity_tips.h"

#include <span>

#include "messages/tips.h"

namespace gp {

namespace {

using msg::tips::Quantity;

const Quantity* find(std::span<const Quantity> table, std::string_view name) {
    for (const Quantity& q : table) {
        if (name == q.name) return &q;
    }
    return nullptr;
}

// A per-gear name ends in its gear's number: 1 for gear index 0, 2 for index 1.
int gear_of(std::string_view name) {
    if (name.empty()) return -1;
    return name.back() == '1' ? 0 : name.back() == '2' ? 1 : -1;
}

std::string tip(std::span<const Quantity> pair, std::span<const Quantity> gear,
                std::string_view name, std::string_view gear_base) {
    if (const Quantity* q = find(pair, name)) return msg::tips::quantity(*q);
    const int g = gear_of(name);
    if (g < 0) return {};
    if (const Quantity* q = find(gear, gear_base)) return msg::tips::quantity(*q, g);
    return {};
}

}  // namespace

std::string field_tip(std::string_view field) {
    // cs1z1 and cs2z2 carry their gear's number twice.
    std::string base(field.substr(0, field.empty() ? 0 : field.size() - 1));
    if (base.starts_with("cs") && base.size() == 4) base[2] = '?';
    return tip(msg::tips::kPairFields, msg::tips::kGearFields, field, base);
}

std::string value_tip(std::string_view label) {
    return tip(msg::tips::kPairValues, msg::tips::kGearValues, label,
               label.substr(0, label.empty() ? 0 : label.size() - 1));
}

}  // namespace gp
