// How the engineer knows each field of the input form: its caption, with the gear
// it belongs to for the per-gear fields ("主动齿轮齿厚上偏差").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gp {

// The caption of the field of that name, blanks of the form's layout removed; the
// name itself for a name the form does not have.
std::string field_caption(std::string_view name);

// Captions of several fields joined by "、".
std::string field_captions(const std::vector<std::string_view>& names);

}  // namespace gp
