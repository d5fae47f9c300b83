#include "gear_pair_input.h"

namespace gp {

#define GP_FIELD(name) \
    InputField { #name, &GearPairInput::name }

const std::array<InputField, 28> kInputFields = {
    GP_FIELD(zxja),  GP_FIELD(fmn),   GP_FIELD(fjafn), GP_FIELD(lxjbt), GP_FIELD(ckbw),
    GP_FIELD(h0),    GP_FIELD(c0),    GP_FIELD(nj),    GP_FIELD(cs1z1), GP_FIELD(cs2z2),
    GP_FIELD(ess1),  GP_FIELD(ess2),  GP_FIELD(esi1),  GP_FIELD(esi2),  GP_FIELD(fr1),
    GP_FIELD(fr2),   GP_FIELD(xng1),  GP_FIELD(xng2),  GP_FIELD(dpg1),  GP_FIELD(dpg2),
    GP_FIELD(cgyj1), GP_FIELD(cgyj2), GP_FIELD(ck1),   GP_FIELD(ck2),   GP_FIELD(th1),
    GP_FIELD(th2),   GP_FIELD(jd1),   GP_FIELD(jd2),
};

#undef GP_FIELD

std::optional<InputField> find_input_field(std::string_view name) {
    for (const auto& f : kInputFields) {
        if (name == f.name) return f;
    }
    return std::nullopt;
}

}  // namespace gp
