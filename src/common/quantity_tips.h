// What each form field and each sheet value means, with its symbol and unit, as
// the tool tips and the manual say it ("中心距 a，mm").
#pragma once

#include <string>
#include <string_view>

namespace gp {

// The tip of the form field of that name; empty for a name the form does not have.
std::string field_tip(std::string_view field);

// The tip of the sheet value label of that name (geometry or strength sheet);
// empty for a name no sheet has.
std::string value_tip(std::string_view label);

}  // namespace gp
