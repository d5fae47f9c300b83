#include "input_checks.h"

#include <array>

#include "messages.h"
#include "number_parse.h"

namespace gp {
namespace {

// Fields that may hold nothing but a number (or nothing), in the form's order.
constexpr std::array<const char*, 19> kNumericFields = {
    "zxja", "fmn",  "fjafn", "lxjbt", "ckbw", "h0",   "c0",   "cs1z1", "cs2z2", "ess1",
    "ess2", "esi1", "esi2",  "fr1",   "fr2",  "xng1", "xng2", "dpg1",  "dpg2"};

// Fields the geometry cannot do without.
constexpr std::array<const char*, 15> kRequiredFields = {"zxja", "fmn",   "fjafn", "lxjbt", "ckbw",
                                                         "h0",   "c0",    "cs1z1", "ess1",  "esi1",
                                                         "fr1",  "cs2z2", "ess2",  "esi2",  "fr2"};

const std::string& text_of(const GearPairInput& in, const char* name) {
    return in.*(find_input_field(name)->text);
}

}  // namespace

std::optional<CheckFailure> check_for_geometry(const GearPairInput& in) {
    for (const char* name : kNumericFields) {
        const std::string& t = text_of(in, name);
        if (!t.empty() && !is_numeric(t)) return CheckFailure{msg::kLettersOrSymbols, name};
    }
    for (const char* name : kRequiredFields) {
        if (text_of(in, name).empty()) return CheckFailure{msg::kIncomplete, name};
    }
    return std::nullopt;
}

std::optional<CheckFailure> check_for_strength(const GearPairInput& in) {
    if (!in.nj.empty() && !is_numeric(in.nj)) return CheckFailure{msg::kLettersOrSymbols, "nj"};
    if (in.nj.empty()) return CheckFailure{msg::kNoTorque, "nj"};
    return std::nullopt;
}

}  // namespace gp
