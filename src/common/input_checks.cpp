#include "input_checks.h"

#include <array>
#include <string_view>
#include <vector>

#include "field_captions.h"
#include "messages/base.h"
#include "messages/inputs.h"
#include "number_parse.h"

namespace gp {
namespace {

// Fields that may hold nothing but a number (or nothing), in the form's order.
constexpr std::array<InputField, 19> kNumericFields = {
    GP_INPUT_FIELD(zxja),  GP_INPUT_FIELD(fmn),  GP_INPUT_FIELD(fjafn), GP_INPUT_FIELD(lxjbt),
    GP_INPUT_FIELD(ckbw),  GP_INPUT_FIELD(h0),   GP_INPUT_FIELD(c0),    GP_INPUT_FIELD(cs1z1),
    GP_INPUT_FIELD(cs2z2), GP_INPUT_FIELD(ess1), GP_INPUT_FIELD(ess2),  GP_INPUT_FIELD(esi1),
    GP_INPUT_FIELD(esi2),  GP_INPUT_FIELD(fr1),  GP_INPUT_FIELD(fr2),   GP_INPUT_FIELD(xng1),
    GP_INPUT_FIELD(xng2),  GP_INPUT_FIELD(dpg1), GP_INPUT_FIELD(dpg2)};

// Fields the geometry cannot do without.
constexpr std::array<InputField, 15> kRequiredFields = {
    GP_INPUT_FIELD(zxja), GP_INPUT_FIELD(fmn),  GP_INPUT_FIELD(fjafn), GP_INPUT_FIELD(lxjbt),
    GP_INPUT_FIELD(ckbw), GP_INPUT_FIELD(h0),   GP_INPUT_FIELD(c0),    GP_INPUT_FIELD(cs1z1),
    GP_INPUT_FIELD(ess1), GP_INPUT_FIELD(esi1), GP_INPUT_FIELD(fr1),   GP_INPUT_FIELD(cs2z2),
    GP_INPUT_FIELD(ess2), GP_INPUT_FIELD(esi2), GP_INPUT_FIELD(fr2)};

// The first failing field gets the focus; the explanation names all of them.
template <typename Fields, typename Fails>
std::optional<CheckFailure> first_failure(const GearPairInput& in, const Fields& fields,
                                          Fails fails, const char* message, const char* what) {
    std::vector<std::string_view> failed;
    for (const InputField& f : fields) {
        if (fails(in.*f.text)) failed.emplace_back(f.name);
    }
    if (failed.empty()) return std::nullopt;
    return CheckFailure{message, std::string(failed.front()),
                        std::string(what) + field_captions(failed)};
}

}  // namespace

std::optional<CheckFailure> check_for_geometry(const GearPairInput& in) {
    if (auto f = first_failure(
            in, kNumericFields, [](const std::string& t) { return !t.empty() && !is_numeric(t); },
            msg::kLettersOrSymbols, msg::detail::kNotNumbers)) {
        return f;
    }
    return first_failure(
        in, kRequiredFields, [](const std::string& t) { return t.empty(); }, msg::kIncomplete,
        msg::detail::kGeometryNeeds);
}

std::optional<CheckFailure> check_for_strength(const GearPairInput& in) {
    if (!in.nj.empty() && !is_numeric(in.nj)) {
        return CheckFailure{msg::kLettersOrSymbols, "nj",
                            msg::detail::field_not_a_number(field_caption("nj"))};
    }
    if (in.nj.empty()) {
        return CheckFailure{msg::kNoTorque, "nj", msg::detail::strength_needs(field_caption("nj"))};
    }
    return std::nullopt;
}

}  // namespace gp
