#include "bending_stress.h"

#include "strength_trig.h"

namespace gp::strength {
namespace {

// Flank sliding resistance raises the root stress of the driving gear and lowers
// that of the driven gear.
constexpr GearPairOf<double> kSlidingResistance = {1.1, 0.9};

// Low overlap: the load acts at the outer point of single-pair contact, found from
// the tip pressure angle less the angular pitch times the fractional contact ratio,
// and is shared by the whole number of pairs in contact.
GearBending low_overlap_gear(const StrengthCore& s, int i) {
    const GearGeometry& g = s.geo.gear[i];
    const GearInputs& in = s.pair.gear[i];
    const Real sF = s.root[i].sF;
    GearBending out;
    const Real tan_alpha_Fl = tan(g.alpha_at) - (6.283185308 / in.z) * s.ratios.alpha_frac;
    const Real alpha_Fl = atan(tan_alpha_Fl);
    const Real d_Fl = g.db / cos(alpha_Fl);  // diameter of the load point
    const Real beta_Fl = atan(tan(s.pair.beta) * d_Fl / g.d);
    const Real alpha_Fen = atan(tan_alpha_Fl * cos(beta_Fl));  // normal load angle
    const Real hF = (d_Fl - g.dF) / 2.0;                       // bending lever
    out.YF = 4.14 * hF * cos(alpha_Fen) / (sF * sF * cos(s.pair.alpha_n));
    out.Kf = stress_concentration_factor(s.kf, sF, s.root[i].rhoF, hF);
    out.mu = kSlidingResistance[i];
    out.sigma = s.ft / (in.face_width * s.ratios.alpha_whole) * out.YF * out.Kf * out.mu;
    return out;
}

// Q: how the tooth thickens from the critical section towards the tip, from the
// normal thicknesses at the mean diameter and at the tip, each over sF.
Real thickness_ratio_factor(const StrengthCore& s, int i, Real hF) {
    const GearGeometry& g = s.geo.gear[i];
    const Real da = g.da;
    const Real sF = s.root[i].sF;
    const Real dm = da - hF;  // mean diameter of the loaded flank
    const Real alpha_m = arccos(g.db / dm);
    const Real beta_m = atan(dm * tan(s.pair.beta) / g.d);
    const Real smn = dm * cos(beta_m) * (g.st / g.d + s.geo.inv_alpha_t - involute(alpha_m));
    const Real beta_a = atan(da * tan(s.pair.beta) / g.d);
    const Real san = da * cos(beta_a) * (g.st / g.d + s.geo.inv_alpha_t - involute(g.alpha_at));
    const Real r = smn / sF;
    const Real t = san / sF;
    return ((1.0 + r) * (1.0 + r * r) + (r + t) * (r * r + t * t)) / 8.0;
}

// Helical cases: the load at the tip, spread along the contact lines.
BendingStresses helical(const StrengthCore& s, BendingCase c) {
    BendingStresses out;
    GearPairOf<Real> hF, Q;
    for (int i = 0; i < 2; ++i) {
        const Real sF = s.root[i].sF;
        GearBending& gb = out.gear[i];
        hF[i] = (Real(s.geo.gear[i].da) - s.geo.gear[i].dF) / 2.0;
        gb.YF = 4.14 * hF[i] / (sF * sF);
        gb.Kf = stress_concentration_factor(s.kf, sF, s.root[i].rhoF, hF[i]);
        if (s.ratios.beta > 1.0) Q[i] = thickness_ratio_factor(s, i, hF[i]);
    }
    const Real eps_eff = effective_contact_ratio(s.ratios);

    if (c == BendingCase::HelixFactor) {
        for (int i = 0; i < 2; ++i) {
            GearBending& gb = out.gear[i];
            gb.Y_beta = 1.0 / (2.6 * eps_eff * Q[i]);
            gb.Y_c = 1.0;
            gb.sigma = (s.ft / s.pair.gear[i].face_width) * gb.YF * gb.Y_beta * gb.Y_c * gb.Kf;
        }
        return out;
    }
    // Inclined contact: the contact line crosses the tooth at beta_x, so part of the
    // face width is loaded nearer the root.
    const Real beta_x = atan(tan(s.pair.beta) * cos(s.pair.alpha_n) * sin(s.pair.alpha_n));
    for (int i = 0; i < 2; ++i) {
        GearBending& gb = out.gear[i];
        gb.Y_beta = 1.0;
        gb.Y_c = (1.0 - s.pair.b * tan(beta_x) / (2.0 * hF[i] * cos(s.pair.beta))) / eps_eff;
        gb.sigma = (s.ft / s.pair.gear[i].face_width) * gb.YF * gb.Y_beta * gb.Y_c * gb.Kf;
    }
    return out;
}

}  // namespace

BendingStresses bending_stresses(const StrengthCore& s, BendingCase c) {
    if (c == BendingCase::LowOverlap) return {{low_overlap_gear(s, 0), low_overlap_gear(s, 1)}};
    return helical(s, c);
}

}  // namespace gp::strength
