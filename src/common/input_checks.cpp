#include "input_checks.h"

#include <array>

#include "messages.h"
#include "number_parse.h"

namespace gp {
namespace {

// A form field named once, in the code: a misspelt name does not compile.
#define GP_FIELD(name) \
    InputField { #name, &GearPairInput::name }

// Fields that may hold nothing but a number (or nothing), in the form's order.
constexpr std::array<InputField, 19> kNumericFields = {
    GP_FIELD(zxja), GP_FIELD(fmn),  GP_FIELD(fjafn), GP_FIELD(lxjbt), GP_FIELD(ckbw),
    GP_FIELD(h0),   GP_FIELD(c0),   GP_FIELD(cs1z1), GP_FIELD(cs2z2), GP_FIELD(ess1),
    GP_FIELD(ess2), GP_FIELD(esi1), GP_FIELD(esi2),  GP_FIELD(fr1),   GP_FIELD(fr2),
    GP_FIELD(xng1), GP_FIELD(xng2), GP_FIELD(dpg1),  GP_FIELD(dpg2)};

// Fields the geometry cannot do without.
constexpr std::array<InputField, 15> kRequiredFields = {
    GP_FIELD(zxja), GP_FIELD(fmn),   GP_FIELD(fjafn), GP_FIELD(lxjbt), GP_FIELD(ckbw),
    GP_FIELD(h0),   GP_FIELD(c0),    GP_FIELD(cs1z1), GP_FIELD(ess1),  GP_FIELD(esi1),
    GP_FIELD(fr1),  GP_FIELD(cs2z2), GP_FIELD(ess2),  GP_FIELD(esi2),  GP_FIELD(fr2)};

#undef GP_FIELD

}  // namespace

std::optional<CheckFailure> check_for_geometry(const GearPairInput& in) {
    for (const InputField& f : kNumericFields) {
        const std::string& t = in.*f.text;
        if (!t.empty() && !is_numeric(t)) return CheckFailure{msg::kLettersOrSymbols, f.name};
    }
    for (const InputField& f : kRequiredFields) {
        if ((in.*f.text).empty()) return CheckFailure{msg::kIncomplete, f.name};
    }
    return std::nullopt;
}

std::optional<CheckFailure> check_for_strength(const GearPairInput& in) {
    if (!in.nj.empty() && !is_numeric(in.nj)) return CheckFailure{msg::kLettersOrSymbols, "nj"};
    if (in.nj.empty()) return CheckFailure{msg::kNoTorque, "nj"};
    return std::nullopt;
}

}  // namespace gp
