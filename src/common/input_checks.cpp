#include "input_checks.h"

#include <array>
#include <string_view>
#include <vector>

#include "field_captions.h"
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

// The first failing field gets the focus; the explanation names all of them.
template <typename Fields, typename Fails>
std::optional<CheckFailure> first_failure(const Fields& fields, Fails fails, const char* message,
                                          const char* what) {
    std::vector<std::string_view> failed;
    for (const char* name : fields) {
        if (fails(name)) failed.emplace_back(name);
    }
    if (failed.empty()) return std::nullopt;
    return CheckFailure{message, std::string(failed.front()),
                        std::string(what) + field_captions(failed)};
}

}  // namespace

std::optional<CheckFailure> check_for_geometry(const GearPairInput& in) {
    if (auto f = first_failure(
            kNumericFields,
            [&](const char* name) {
                const std::string& t = text_of(in, name);
                return !t.empty() && !is_numeric(t);
            },
            msg::kLettersOrSymbols, "以下参数不是数字（含有字母或符号）：")) {
        return f;
    }
    return first_failure(
        kRequiredFields, [&](const char* name) { return text_of(in, name).empty(); },
        msg::kIncomplete, "计算齿轮参数需要填写以下参数：");
}

std::optional<CheckFailure> check_for_strength(const GearPairInput& in) {
    if (!in.nj.empty() && !is_numeric(in.nj)) {
        return CheckFailure{msg::kLettersOrSymbols, "nj",
                            field_caption("nj") + "不是数字（含有字母或符号）"};
    }
    if (in.nj.empty()) {
        return CheckFailure{msg::kNoTorque, "nj",
                            "计算齿轮强度需要填写" + field_caption("nj") + "（kgf·m）"};
    }
    return std::nullopt;
}

}  // namespace gp
