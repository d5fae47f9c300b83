#include "strength_texts.h"

#include "number_text.h"
#include "pi.h"

namespace gp::strength {

StrengthResult strength_result(const StrengthCore& s, BendingCase c, const BendingStresses& bending,
                               Real sigma_H) {
    const StrengthInputs& p = s.pair;
    const GearGeometry& g1 = s.geo.gear[0];
    const GearGeometry& g2 = s.geo.gear[1];
    const GearBending& b1 = bending.gear[0];
    const GearBending& b2 = bending.gear[1];

    StrengthResult r;
    r.sheet = sheet_for(c);
    r.labels = blank_strength_labels(r.sheet);
    r.diameters = {g1.da, g2.da, g1.df, g2.df};

    // Each label at its place on the chosen sheet, the place found from a position
    // fixed while compiling.
    const auto set = [&r](std::size_t label, std::string text) {
        r.labels.set_at(position_on_sheet(r.sheet, label), std::move(text));
    };
    const auto r5 = [](Real x) { return rounded_text(x, 5); };
    set(strength_label("zxj"), text_of_double(p.a));
    set(strength_label("zn"), text_of_double(p.torque));
    set(strength_label("ck"), text_of_double(p.b));
    set(strength_label("ck1"), text_of_double(p.gear[0].face_width));
    set(strength_label("ck2"), text_of_double(p.gear[1].face_width));
    set(strength_label("cs1"), text_of_double(p.gear[0].z));
    set(strength_label("cs2"), text_of_double(p.gear[1].z));
    set(strength_label("fm1"), text_of_double(p.mn));
    set(strength_label("fm2"), text_of_double(p.mn));
    const std::string alpha_n_degrees = text_of_double(p.alpha_n / kPi * 180.0);
    set(strength_label("fj1"), alpha_n_degrees);
    set(strength_label("fj2"), alpha_n_degrees);
    const std::string beta_degrees = text_of_double(p.beta / kPi * 180.0);
    set(strength_label("lxj1"), beta_degrees);
    set(strength_label("lxj2"), beta_degrees);
    set(strength_label("bwxs1"), text_of_double(p.gear[0].xn));
    set(strength_label("bwxs2"), text_of_double(p.gear[1].xn));
    set(strength_label("cdy1"), r5(g1.da));
    set(strength_label("cdy2"), r5(g2.da));
    set(strength_label("cgy1"), r5(g1.df));
    set(strength_label("cgy2"), r5(g2.df));
    set(strength_label("cgyj1"), text_of_double(p.gear[0].fillet));
    set(strength_label("cgyj2"), text_of_double(p.gear[1].fillet));
    set(strength_label("yzl1"), rounded_text(s.ft, 4));
    set(strength_label("cx1"), r5(b1.YF));
    set(strength_label("cx2"), r5(b2.YF));
    switch (c) {
        case BendingCase::LowOverlap:
            set(strength_label("hx1"), r5(b1.mu));
            set(strength_label("hx2"), r5(b2.mu));
            break;
        case BendingCase::InclinedContact:
            set(strength_label("lx"), r5(b1.Y_beta));
            set(strength_label("jx1"), r5(b1.Y_c));
            set(strength_label("jx2"), r5(b2.Y_c));
            break;
        case BendingCase::HelixFactor:
            set(strength_label("lx1"), r5(b1.Y_beta));
            set(strength_label("lx2"), r5(b2.Y_beta));
            set(strength_label("jx"), r5(b1.Y_c));
            break;
    }
    set(strength_label("yx1"), r5(b1.Kf));
    set(strength_label("yx2"), r5(b2.Kf));
    const int ratio_decimals = r.sheet == StrengthSheet::jg2 ? 4 : 5;
    set(strength_label("dd"), rounded_text(s.ratios.alpha, ratio_decimals));
    set(strength_label("zd"), rounded_text(s.ratios.beta, ratio_decimals));
    set(strength_label("dh"), rounded_text(s.ratios.gamma, ratio_decimals));
    set(strength_label("wq1"), r5(b1.sigma));
    set(strength_label("wq2"), r5(b2.sigma));
    set(strength_label("jc"), r5(sigma_H));
    return r;
}

}  // namespace gp::strength
