#include "strength_texts.h"

#include "number_text.h"

namespace gp::strength {

StrengthResult strength_result(const StrengthCore& s, BendingCase c, const BendingStresses& bending,
                               Real sigma_H) {
    const PairReading& p = s.pair;
    const GearGeometry& g1 = s.geo.gear[0];
    const GearGeometry& g2 = s.geo.gear[1];
    const GearBending& b1 = bending.gear[0];
    const GearBending& b2 = bending.gear[1];

    StrengthResult r;
    r.sheet = sheet_for(c);
    r.labels = LabelTexts{strength_labels(r.sheet)};
    r.diameters = {g1.da, g2.da, g1.df, g2.df};

    LabelTexts& t = r.labels;
    const auto r5 = [](Real x) { return rounded_text(x, 5); };
    t.set("zxj", text_of_double(p.a));
    t.set("zn", text_of_double(p.torque));
    t.set("ck", text_of_double(p.b));
    t.set("ck1", text_of_double(p.gear[0].face_width));
    t.set("ck2", text_of_double(p.gear[1].face_width));
    t.set("cs1", text_of_double(p.gear[0].z));
    t.set("cs2", text_of_double(p.gear[1].z));
    t.set("fm1", text_of_double(p.mn));
    t.set("fm2", text_of_double(p.mn));
    const std::string alpha_n_degrees = text_of_double(p.alpha_n / 3.141592654 * 180.0);
    t.set("fj1", alpha_n_degrees);
    t.set("fj2", alpha_n_degrees);
    const std::string beta_degrees = text_of_double(p.beta / 3.141592654 * 180.0);
    t.set("lxj1", beta_degrees);
    t.set("lxj2", beta_degrees);
    t.set("bwxs1", text_of_double(p.gear[0].xn));
    t.set("bwxs2", text_of_double(p.gear[1].xn));
    t.set("cdy1", r5(g1.da));
    t.set("cdy2", r5(g2.da));
    t.set("cgy1", r5(g1.df));
    t.set("cgy2", r5(g2.df));
    t.set("cgyj1", text_of_double(p.gear[0].fillet));
    t.set("cgyj2", text_of_double(p.gear[1].fillet));
    t.set("yzl1", rounded_text(s.ft, 4));
    t.set("cx1", r5(b1.YF));
    t.set("cx2", r5(b2.YF));
    switch (c) {
        case BendingCase::LowOverlap:
            t.set("hx1", r5(b1.mu));
            t.set("hx2", r5(b2.mu));
            break;
        case BendingCase::InclinedContact:
            t.set("lx", r5(b1.Y_beta));
            t.set("jx1", r5(b1.Y_c));
            t.set("jx2", r5(b2.Y_c));
            break;
        case BendingCase::HelixFactor:
            t.set("lx1", r5(b1.Y_beta));
            t.set("lx2", r5(b2.Y_beta));
            t.set("jx", r5(b1.Y_c));
            break;
    }
    t.set("yx1", r5(b1.Kf));
    t.set("yx2", r5(b2.Kf));
    const int ratio_decimals = r.sheet == StrengthSheet::jg2 ? 4 : 5;
    t.set("dd", rounded_text(s.ratios.alpha, ratio_decimals));
    t.set("zd", rounded_text(s.ratios.beta, ratio_decimals));
    t.set("dh", rounded_text(s.ratios.gamma, ratio_decimals));
    t.set("wq1", r5(b1.sigma));
    t.set("wq2", r5(b2.sigma));
    t.set("jc", r5(sigma_H));
    return r;
}

}  // namespace gp::strength
