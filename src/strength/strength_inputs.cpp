#include "strength_inputs.h"

#include "angle_units.h"
#include "number_parse.h"
#include "number_text.h"
#include "stop.h"

namespace gp::strength {

Real radians_from_degrees_text(std::string_view degrees, std::string_view field) {
    const Real radians = radians_from_degrees(strict_convert(degrees, field));
    return lenient_parse(text_of_double(radians));
}

namespace {

// An angle field's strict conversion; a stop names the field, so that the form can
// put the cursor where the correction goes.
Real angle_field(const std::string& degrees, const char* field) {
    try {
        return radians_from_degrees_text(degrees, field);
    } catch (StopSignal& stop) {
        stop.field = field;
        throw;
    }
}

}  // namespace

StrengthInputs read_strength_inputs(const GearPairInput& input) {
    StrengthInputs p;
    p.a = lenient_parse(input.zxja);
    p.mn = lenient_parse(input.fmn);
    p.alpha_n = angle_field(input.fjafn, "fjafn");
    p.beta = angle_field(input.lxjbt, "lxjbt");
    p.torque = lenient_parse(input.nj);
    p.b = lenient_parse(input.ckbw);
    p.gear[0].z = lenient_parse(input.cs1z1);
    p.gear[1].z = lenient_parse(input.cs2z2);
    p.gear[0].xn = lenient_parse(input.xng1);
    p.gear[1].xn = lenient_parse(input.xng2);
    p.han = lenient_parse(input.h0);
    p.cn = lenient_parse(input.c0);
    p.gear[0].face_width = lenient_parse(input.ck1);
    p.gear[1].face_width = lenient_parse(input.ck2);
    p.gear[0].fillet = lenient_parse(input.cgyj1);
    p.gear[1].fillet = lenient_parse(input.cgyj2);
    return p;
}

}  // namespace gp::strength
