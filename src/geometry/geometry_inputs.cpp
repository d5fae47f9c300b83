#include "geometry_inputs.h"

#include "angle_units.h"
#include "number_parse.h"

namespace gp {

GeometryInputs read_geometry_inputs(const GearPairInput& form) {
    GeometryInputs in;
    in.a = lenient_parse(form.zxja);
    in.mn = lenient_parse(form.fmn);
    in.alpha_n = radians_from_degrees(lenient_parse(form.fjafn));
    in.beta = radians_from_degrees(lenient_parse(form.lxjbt));
    in.b = lenient_parse(form.ckbw);
    in.han = lenient_parse(form.h0);
    in.cn = lenient_parse(form.c0);
    in.z[0] = lenient_parse(form.cs1z1);
    in.ess[0] = lenient_parse(form.ess1);
    in.esi[0] = lenient_parse(form.esi1);
    in.fr[0] = lenient_parse(form.fr1);
    in.z[1] = lenient_parse(form.cs2z2);
    in.ess[1] = lenient_parse(form.ess2);
    in.esi[1] = lenient_parse(form.esi2);
    in.fr[1] = lenient_parse(form.fr2);

    in.xn_text = {form.xng1, form.xng2};
    in.han_text = form.h0;
    in.dp_text = {form.dpg1, form.dpg2};
    in.rule = form.rule;
    return in;
}

}  // namespace gp
