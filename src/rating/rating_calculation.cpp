#include "rating_calculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "gear_sizes.h"
#include "geometry_inputs.h"
#include "impossible_inputs.h"
#include "input_checks.h"
#include "input_hints.h"
#include "messages/base.h"
#include "messages/geometry.h"
#include "messages/rating.h"
#include "number_parse.h"
#include "profile_shift.h"
#include "rating_math.h"
#include "rating_quantities.h"
#include "transverse_geometry.h"
#include "working_pressure_angle.h"

namespace gp::rating {
namespace {

namespace m = msg::rating;

// A typed number as the message quotes it: the shortest text that reads back as
// the same double, so that a grade of 12.000001 is not shown as "12".
std::string as_typed(double value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : detail_number(value);
}

[[noreturn]] void refuse(const char* message, const char* symbol, double value, const char* rule,
                         const char* field) {
    throw StopSignal{message, m::refused(m::value_is(symbol, as_typed(value)), rule), field};
}

// The column of a per-gear input of gear i (0 driving, 1 driven).
const char* per_gear(int i, const char* one, const char* two) { return i == 0 ? one : two; }

// The order in which per-gear inputs are checked: the pinion (fewer teeth) first.
GearPairOf<int> pinion_first_order(const RatedPair& p) {
    return p.z[0] > p.z[1] ? GearPairOf<int>{1, 0} : GearPairOf<int>{0, 1};
}

// A number so large or so small (a limit or torque of 1e308, a density of
// 1e-320) that the formulas overflow or divide by an underflowed zero on the way:
// named by its field before a later step fails for it under another name.
constexpr double kLargest = 1e100, kSmallest = 1e-100;
bool computable(double v) {
    const double size = std::fabs(v);
    return v == 0.0 || (size >= kSmallest && size <= kLargest);
}
void stop_beyond_computable(double v, const char* name, const char* field) {
    if (!computable(v)) {
        throw StopSignal{m::kBeyondComputable,
                         m::refused(m::value_is(name, as_typed(v)), m::kComputableMagnitude),
                         field};
    }
}

void stop_numbers_beyond_computable(const RatedPair& p, const RatingNumbers& in) {
    const auto check = [](const std::optional<double>& v, const char* name) {
        if (v) stop_beyond_computable(*v, name, name);
    };
    check(in.n1, "n1");
    stop_beyond_computable(p.T1, "T1", "nj");
    check(in.KA, "KA");
    check(in.Ca, "Ca");
    check(in.KHb, "KHb");
    check(in.Kv, "Kv");
    check(in.KHa, "KHa");
    for (int i = 0; i < kGears; ++i) {
        check(in.sHlim[i], per_gear(i, "sHlim1", "sHlim2"));
        check(in.sFlim[i], per_gear(i, "sFlim1", "sFlim2"));
        check(in.E[i], per_gear(i, "E1", "E2"));
        check(in.rho[i], per_gear(i, "rho1", "rho2"));
    }
    check(in.nu40, "nu40");
    for (int i = 0; i < kGears; ++i) {
        check(in.Ra[i], per_gear(i, "Ra1", "Ra2"));
        check(in.RzF[i], per_gear(i, "RzF1", "RzF2"));
    }
    check(in.Lh, "Lh");
    for (int i = 0; i < kGears; ++i) check(in.sR[i], per_gear(i, "sR1", "sR2"));
    for (int i = 0; i < kGears; ++i) check(in.HB[i], per_gear(i, "HB1", "HB2"));
    check(in.l, "l");
    check(in.s, "s");
    check(in.dsh, "dsh");
}

// The speed, the torque, the factors, the grades and the material numbers, before
// anything is computed.
void stop_unusable_numbers(const RatedPair& p, const RatingNumbers& in) {
    stop_numbers_beyond_computable(p, in);
    // stop_zero_speed, stop_zero_torque
    if (!in.n1) throw StopSignal{m::kNoSpeed, msg::detail::not_filled("n1"), "n1"};
    if (!(*in.n1 > 0.0)) refuse(m::kNoSpeed, "n1", *in.n1, m::kMustBePositive, "n1");
    if (!(p.T1 > 0.0)) refuse(m::kNoTorque, "T1", p.T1, m::kMustBePositive, "nj");
    // stop_bad_factors
    if (!(in.KA > 0.0)) refuse(m::kBadFactors, "KA", in.KA, m::kMustBePositive, "KA");
    const auto at_least_one = [](const std::optional<double>& k, const char* name) {
        if (k && !(*k >= 1.0)) refuse(m::kBadFactors, name, *k, m::kMustBeAtLeastOne, name);
    };
    at_least_one(in.Kv, "Kv");
    at_least_one(in.KHb, "KHb");
    at_least_one(in.KHa, "KHa");
    const GearPairOf<int> order = pinion_first_order(p);
    // stop_bad_grade
    for (const int i : order) {
        const double q = in.Q[i];
        if (!(q >= 0.0 && q <= 12.0 && q == std::floor(q))) {
            const char* name = per_gear(i, "Q1", "Q2");
            refuse(m::kBadGrade, name, q, m::kMustBeGrade, name);
        }
    }
    // stop_bad_material: limits, elasticity, density, lubricant, roughness, life,
    // minimum safety factors, tip relief, rims, tool radii.
    const auto positive = [](double v, const char* name) {
        if (!(v > 0.0)) refuse(m::kBadMaterial, name, v, m::kMustBePositive, name);
    };
    const auto non_negative = [](double v, const char* name) {
        if (!(v >= 0.0)) refuse(m::kBadMaterial, name, v, m::kMustBeNonNegative, name);
    };
    for (const int i : order) {
        positive(in.sHlim[i], per_gear(i, "sHlim1", "sHlim2"));
        positive(in.sFlim[i], per_gear(i, "sFlim1", "sFlim2"));
        positive(in.E[i], per_gear(i, "E1", "E2"));
        const char* nu = per_gear(i, "nu1", "nu2");
        if (!(in.nu[i] >= 0.0 && in.nu[i] < 0.5)) {
            refuse(m::kBadMaterial, nu, in.nu[i], m::kPoissonRange, nu);
        }
        positive(in.rho[i], per_gear(i, "rho1", "rho2"));
    }
    positive(in.nu40, "nu40");
    for (const int i : order) {
        positive(in.Ra[i], per_gear(i, "Ra1", "Ra2"));
        if (in.RzF[i]) non_negative(*in.RzF[i], per_gear(i, "RzF1", "RzF2"));
    }
    if (in.Lh) positive(*in.Lh, "Lh");
    if (!(in.YN10 >= 0.85 && in.YN10 <= 1.0)) {
        refuse(m::kBadMaterial, "YN10", in.YN10, m::kYN10Range, "YN10");
    }
    positive(in.SHmin, "SHmin");
    positive(in.SFmin, "SFmin");
    if (in.Ca) non_negative(*in.Ca, "Ca");
    for (const int i : order) {
        if (in.sR[i]) positive(*in.sR[i], per_gear(i, "sR1", "sR2"));
    }
    for (const int i : order) {
        non_negative(p.rho_fP[i], per_gear(i, "ρfP1*", "ρfP2*"));
    }
    // stop_missing_limits: the case-hardened defaults hold for class Eh only.
    for (const int i : order) {
        if (!in.limits_missing[i]) continue;
        const char* name = per_gear(i, "sHlim1", "sHlim2");
        throw StopSignal{
            m::kLimitsRequired,
            m::refused(m::value_is(per_gear(i, "mat1", "mat2"), material_class_name(in.mat[i])),
                       m::limits_required(per_gear(i, "sHlim1", "sHlim2"),
                                          per_gear(i, "sFlim1", "sFlim2"))),
            name};
    }
    // stop_bad_shaft_or_modification: the words, the power share and the shaft's sizes.
    const auto bad = [](const char* name, const std::string& shown, const std::string& rule) {
        throw StopSignal{m::kBadShaftOrModification, m::refused(m::value_is(name, shown), rule),
                         name};
    };
    if (in.hmod == HelixModification::Unknown) {
        bad("hmod", quoted_as_typed(in.hmod_typed),
            m::must_be_one_of(listed(kHelixModificationWords, m::kWordSeparator)));
    }
    if (!(in.k > 0.0 && in.k <= 100.0)) bad("k", as_typed(in.k), m::kShareRange);
    if (in.shaft == ShaftArrangement::Unknown) {
        bad("shaft", quoted_as_typed(in.shaft_typed),
            m::must_be_one_of(listed(kShaftLetters, m::kWordSeparator)));
    }
    if (in.shaft != ShaftArrangement::None) {
        if (!in.l)
            throw StopSignal{m::kBadShaftOrModification, std::string("l ") + m::kShaftNeedsSizes,
                             "l"};
        if (!in.s)
            throw StopSignal{m::kBadShaftOrModification, std::string("s ") + m::kShaftNeedsSizes,
                             "s"};
        if (!in.dsh)
            throw StopSignal{m::kBadShaftOrModification, std::string("dsh ") + m::kShaftNeedsSizes,
                             "dsh"};
        if (!(*in.l > 0.0)) bad("l", as_typed(*in.l), m::kMustBePositive);
        if (!(*in.dsh > 0.0)) bad("dsh", as_typed(*in.dsh), m::kMustBePositive);
        if (!(*in.s >= 0.0 && *in.s <= *in.l / 2.0)) bad("s", as_typed(*in.s), m::kOffsetRange);
    }
}

// The rating computes with the pinion (the gear with fewer teeth) at index 0,
// whichever gear drives: in a speed-increasing drive the driven gear's data,
// torque and speed take the pinion's place.
bool pinion_is_driven(const RatedPair& p) { return p.z[0] > p.z[1]; }

template <typename T>
void exchange(GearPairOf<T>& pair) {
    std::swap(pair[0], pair[1]);
}

RatedPair pinion_first(const RatedPair& p) {
    RatedPair q = p;
    q.T1 = p.T1 * p.z[1] / p.z[0];
    exchange(q.z);
    exchange(q.x);
    exchange(q.da);
    exchange(q.df);
    exchange(q.rho_fP);
    exchange(q.typed_as);
    return q;
}

RatingNumbers pinion_first(const RatingNumbers& in, const RatedPair& p) {
    RatingNumbers q = in;
    if (in.n1) q.n1 = *in.n1 * p.z[0] / p.z[1];
    exchange(q.Q);
    exchange(q.mat);
    exchange(q.sHlim);
    exchange(q.sFlim);
    exchange(q.limits_missing);
    exchange(q.E);
    exchange(q.nu);
    exchange(q.rho);
    exchange(q.Ra);
    exchange(q.RzF);
    exchange(q.sR);
    exchange(q.HB);
    return q;
}

// A result computed pinion first, with every per-gear value put back under the
// gear it belongs to (ZB stays the pinion's, ZD the wheel's).
void driving_first(RatingResult& r) {
    MeshGeometry& g = r.geometry;
    exchange(g.d);
    exchange(g.db);
    exchange(g.dw);
    exchange(g.zn);
    exchange(g.h);
    if (r.cycles) exchange(*r.cycles);
    exchange(r.tolerances.fpt);
    exchange(r.tolerances.ffa);
    exchange(r.tolerances.fHb);
    exchange(r.pitting.ZNT);
    exchange(r.pitting.ZW);
    exchange(r.pitting.sigma_HG);
    exchange(r.pitting.sigma_HP);
    exchange(r.contact_stress.sigma_H);
    exchange(r.contact_stress.SH);
    exchange(r.root);
    exchange(r.bending.YB);
    BendingLimits& l = r.bending_limits;
    exchange(l.YNT);
    exchange(l.YdrelT);
    exchange(l.YRrelT);
    exchange(l.YX);
    exchange(l.sigma_FG);
    exchange(l.sigma_FP);
    exchange(r.root_stress.sigma_F0);
    exchange(r.root_stress.sigma_F);
    exchange(r.root_stress.SF);
}

// Everything that does not depend on the torque.
struct Basis {
    const RatedPair& p;
    const RatingNumbers& in;
    double n1 = 0;
    MeshGeometry g;
    GearPairOf<RootGeometry> roots{};
    std::optional<GearPairOf<double>> cycles;
    double v = 0;
    Tolerances tol;
    RunningIn y;
    Stiffness full_load;
    double mred = 0, Ca = 0;
    ContactFactors z;
    PittingLimits pit;
    BendingFactors bf;
    BendingLimits bl;
    double NF = 0;

    Basis(const RatedPair& pair, const RatingNumbers& inputs) : p(pair), in(inputs) {
        n1 = *in.n1;
        Computing step{m::kStepGeometry};
        g = mesh_geometry(p);
        step.now(m::kStepRoot);
        roots = root_geometry(p, g);
        step.now(m::kStepTolerances);
        if (in.Lh) cycles = load_cycles(g, n1, *in.Lh);
        v = load_of(g, p.T1, n1, in.KA, p.b).v;
        tol = tolerances(p, g, in.Q);
        y = running_in(in, tol, v);
        step.now(m::kStepStiffness);
        full_load = stiffness_at_full_load(p, g);
        mred = reduced_mass(p, g, in);
        Ca = tip_relief(in);
        step.now(m::kStepContact);
        z = contact_factors(p, g, in);
        pit = pitting_limits(g, in, v, cycles);
        step.now(m::kStepBending);
        bf = bending_factors(p, g, in);
        bl = bending_limits(p, in, roots, bf, cycles);
        NF = face_exponent(g, p.b);
    }
};

// Everything that does.
struct AtLoad {
    Load load;
    Stiffness s;
    std::optional<DynamicFactor> dyn;
    double Kv = 0;
    std::optional<FaceLoad> face;
    double KHb = 0, KFb = 0;
    std::optional<double> X;
    double KHa = 0, KFa = 0;
    ContactStress cs;
    RootStress rs;
};

AtLoad at_torque(const Basis& b, double T1) {
    const RatingNumbers& in = b.in;
    AtLoad a;
    Computing step{m::kStepStiffness};
    a.load = load_of(b.g, T1, b.n1, in.KA, b.p.b);
    a.s = stiffness_at(b.full_load, b.g, a.load.w);
    step.now(m::kStepLoadFactors);
    if (in.Kv) {
        a.Kv = *in.Kv;
    } else {
        a.dyn = dynamic_factor(b.g, a.s, b.tol, b.y, b.mred, b.Ca, b.n1, b.p.z[0], a.load.w);
        a.Kv = a.dyn->Kv;
    }
    if (in.KHb) {
        a.KHb = *in.KHb;
    } else {
        a.face = face_load(in, b.g, b.tol, a.s, a.load.Ft, a.Kv, a.load.v, b.p.b);
        a.KHb = a.face->KHbeta;
    }
    a.KFb = std::pow(a.KHb, b.NF);
    if (in.KHa) {
        a.KHa = a.KFa = *in.KHa;
    } else {
        const double FtH = a.load.Ft * in.KA * a.Kv * a.KHb;
        const TransverseLoad t = transverse_load(b.g, b.tol, b.y, a.s, b.z.Zeps, FtH, b.p.b);
        a.X = t.X;
        a.KHa = t.KHalpha;
        a.KFa = t.KFalpha;
    }
    step.now(m::kStepContact);
    a.cs = contact_stress(b.g, b.z, b.pit, a.load.Ft, b.p.b, in.KA * a.Kv * a.KHb * a.KHa);
    step.now(m::kStepBending);
    a.rs = root_stress(b.p, b.roots, b.bf, b.bl, a.load.Ft, in.KA * a.Kv * a.KFb * a.KFa);
    return a;
}

// The smallest safety factor against its minimum.
double safety_ratio(const Basis& b, const AtLoad& a) {
    return std::min({over(a.cs.SH[0], b.in.SHmin), over(a.cs.SH[1], b.in.SHmin),
                     over(a.rs.SF[0], b.in.SFmin), over(a.rs.SF[1], b.in.SFmin)});
}

void add_warning(std::vector<std::string>& w, const char* text) {
    if (std::find(w.begin(), w.end(), text) == w.end()) w.emplace_back(text);
}

std::vector<std::string> warnings_of(const Basis& b, const AtLoad& a) {
    std::vector<std::string> w;
    if (a.dyn && a.dyn->range == KvRange::MainResonance) add_warning(w, m::kMainResonance);
    for (int i = 0; i < kGears; ++i) {
        const double qs = b.roots[i].qs;
        if (qs < 1.0 || qs >= 8.0) add_warning(w, m::kNotchOutOfRange);
    }
    for (int i = 0; i < kGears; ++i) {
        if (b.in.RzF[i].value_or(6.0 * b.in.Ra[i]) > 40.0)
            add_warning(w, m::kRootRoughnessOutOfRange);
    }
    if (b.tol.outside_ranges) add_warning(w, m::kSizeOutOfRange);
    if (b.in.KA < 1.0) add_warning(w, m::kLowApplicationFactor);
    if (b.p.beta_deg > 30.0) add_warning(w, m::kHelixOver30);
    for (int i = 0; i < kGears; ++i) {
        if (b.roots[i].E < 0.0) add_warning(w, m::kRoundingTooLarge);
    }
    // Beyond 2 the simplifications of method B (Kv) and of method C (KHβ) no
    // longer hold: at very light load Kv grows without bound.
    if (a.dyn && a.Kv > 2.0) add_warning(w, m::kKvOutOfDepth);
    if (a.face && a.KHb > 2.0) add_warning(w, m::kKHbetaOutOfDepth);
    for (int i = 0; i < kGears; ++i) {
        if (!b.roots[i].YFa) add_warning(w, m::kNoTipLoadCheck);
    }
    if (b.p.typed_as[0] != 0) add_warning(w, m::kDrivenIsPinion);
    return w;
}

RatingResult assembled(const Basis& b, const AtLoad& a) {
    RatingResult r;
    r.pair = b.p;
    r.inputs = b.in;
    r.geometry = b.g;
    r.load = a.load;
    r.cycles = b.cycles;
    r.tolerances = b.tol;
    r.running_in = b.y;
    r.stiffness = a.s;
    r.dynamic = a.dyn;
    r.Kv = a.Kv;
    r.Kv_given = b.in.Kv.has_value();
    r.face = a.face;
    r.KHbeta = a.KHb;
    r.KHbeta_given = b.in.KHb.has_value();
    r.NF = b.NF;
    r.KFbeta = a.KFb;
    r.X = a.X;
    r.KHalpha = a.KHa;
    r.KFalpha = a.KFa;
    r.KHalpha_given = b.in.KHa.has_value();
    r.contact = b.z;
    r.pitting = b.pit;
    r.contact_stress = a.cs;
    r.root = b.roots;
    r.bending = b.bf;
    r.bending_limits = b.bl;
    r.root_stress = a.rs;
    r.warnings = warnings_of(b, a);
    return r;
}

// The rating at the typed torque, with the stops of the load (running-in that
// takes up the whole misalignment) and of the rims in their order.
AtLoad rated_at_typed_torque(const Basis& b) {
    AtLoad a = at_torque(b, b.p.T1);
    check_rims(b.p, b.g, b.in);
    return a;
}

// Steps of 10^(1/20) from T1, at most 160 each way (10⁸).
constexpr int kSteps = 160;
double torque_at_step(double T1, int k) { return T1 * std::pow(10.0, k / 20.0); }

MaxTorque search_max_torque(const Basis& b) {
    const auto ratio = [&b](double T) { return safety_ratio(b, at_torque(b, T)); };
    MaxTorque result;
    const double T1 = b.p.T1;
    double lo = 0, hi = 0;  // ratio(lo) ≥ 1 > ratio(hi)
    const double r0 = ratio(T1);
    if (std::isnan(r0)) return result;
    const int dir = r0 >= 1.0 ? 1 : -1;
    double last = T1;
    bool found = false;
    for (int k = 1; k <= kSteps && !found; ++k) {
        const double T = torque_at_step(T1, dir * k);
        const double r = ratio(T);
        if (std::isnan(r)) return result;
        if (dir > 0 && r < 1.0) {
            lo = last, hi = T, found = true;
        } else if (dir < 0 && r >= 1.0) {
            lo = T, hi = last, found = true;
        }
        last = T;
    }
    if (!found) return result;
    while (hi - lo > 1e-12 * lo) {
        const double mid = std::sqrt(lo * hi);
        if (mid <= lo || mid >= hi) break;
        const double r = ratio(mid);
        if (std::isnan(r)) return result;
        (r >= 1.0 ? lo : hi) = mid;
    }
    result.T1max = std::sqrt(lo * hi);
    const AtLoad at_max = at_torque(b, *result.T1max);
    result.in_main_resonance = at_max.dyn && at_max.dyn->range == KvRange::MainResonance;
    return result;
}

// A result with a value no number can show (an overflow on the way) stops.
void check_finite(const RatingResult& r) {
    if (const char* symbol = first_non_finite(r)) {
        throw StopSignal{msg::kCannotCompute, m::result_not_finite(symbol)};
    }
}

// The form as the rating reads it: the tooth-thickness deviations, the runout,
// the pin diameters, drawing numbers and accuracy codes enter no formula of the
// rating, so whatever they hold (or lack) neither stops nor changes it.
GearPairInput what_the_rating_reads(const GearPairInput& form) {
    GearPairInput used = form;
    used.ess1 = used.ess2 = used.esi1 = used.esi2 = used.fr1 = used.fr2 = "0";
    used.dpg1 = used.dpg2 = used.th1 = used.th2 = used.jd1 = used.jd2 = "";
    return used;
}

// The part of the geometry calculation the rating uses: the pair as typed, the
// shifts (typed, or split from the centre distance), the tip diameters with the
// tip shortening and the root diameters, with the geometry's own checks and stops
// up to there. Thicknesses, pins, spans and the sheet's texts are not computed.
struct PairGeometry {
    double a = 0, mn = 0, b = 0, han = 0, cn = 0;
    GearPairOf<double> z{}, xn{}, da{}, df{};
};

Outcome<PairGeometry> geometry_the_rating_needs(const GearPairInput& form) {
    if (auto failure = check_for_geometry(form)) {
        return Stop{failure->message, failure->detail, failure->field};
    }
    auto outcome = run_to_outcome([&form] {
        try {
            Computing step{msg::step::kReadInputs};
            const GeometryInputs in = read_geometry_inputs(form);
            step.now(msg::step::kTransverse);
            const TransverseGeometry t = transverse_geometry(in);
            step.now(msg::step::kWorkingAngle);
            const WorkingPressureAngle w = working_pressure_angle(in, t);
            step.now(msg::step::kProfileShift);
            const ProfileShift shift = profile_shift(in, t, w);
            step.now(msg::step::kGearSizes);
            const GearSizes sizes = gear_sizes(in, t, w, shift);
            PairGeometry g;
            g.a = in.a.value(), g.mn = in.mn.value(), g.b = in.b.value();
            g.han = in.han.value(), g.cn = in.cn.value();
            for (int i = 0; i < kGears; ++i) {
                g.z[i] = in.z[i].value();
                g.xn[i] = shift.xn[i].value();
                g.da[i] = sizes.da[i].value();
                g.df[i] = sizes.df[i].value();
            }
            return g;
        } catch (ArithmeticFault& fault) {
            fault.detail +=
                degenerate_inputs(form, {"zxja", "fmn", "fjafn", "lxjbt", "cs1z1", "cs2z2"});
            throw;
        }
    });
    return with_impossible_values_named(std::move(outcome), form, CalculationKind::Geometry);
}

// A value no gear can have (a module or face width that is not positive …),
// named by its field with the form's rule before any step could misname it.
std::optional<Stop> impossible_pair(const GearPairInput& form) {
    const auto found = impossible_values(form, CalculationKind::Geometry);
    if (found.empty()) return std::nullopt;
    return Stop{msg::kCannotCompute, found.front().explanation, found.front().field};
}

}  // namespace

Outcome<RatedPair> rated_pair_of(const GearPairInput& typed) {
    if (auto stop = impossible_pair(typed)) return *stop;
    const GearPairInput form = what_the_rating_reads(typed);
    auto geometry = geometry_the_rating_needs(form);
    if (auto* stop = std::get_if<Stop>(&geometry)) return *stop;
    const PairGeometry& n = std::get<PairGeometry>(geometry);
    return run_to_outcome([&] {
        const double torque = typed_number(form.nj, "nj").value_or(0.0);
        stop_beyond_computable(torque, "nj", "nj");
        const double T1 = torque * kNewtonMetresPerKgfMetre;
        const GearPairOf<const char*> fillets = {"cgyj1", "cgyj2"};
        const GearPairOf<const std::string*> typed_fillets = {&form.cgyj1, &form.cgyj2};
        GearPairOf<std::optional<double>> radii;
        for (int i = 0; i < kGears; ++i) {
            radii[i] = typed_number(*typed_fillets[i], fillets[i]);
            if (radii[i]) stop_beyond_computable(*radii[i], fillets[i], fillets[i]);
        }
        // The angles as typed, in degrees: the rating converts them with the full π.
        return rated_pair_of(n, strict_convert(form.fjafn, "fjafn"),
                             std::fabs(strict_convert(form.lxjbt, "lxjbt")), T1, radii);
    });
}

Outcome<RatingResult> rate(const RatedPair& pair, const RatingNumbers& inputs) {
    return run_to_outcome([&] {
        stop_unusable_numbers(pair, inputs);
        const bool swapped = pinion_is_driven(pair);
        const RatedPair p = swapped ? pinion_first(pair) : pair;
        const RatingNumbers in = swapped ? pinion_first(inputs, pair) : inputs;
        const Basis b(p, in);
        RatingResult r = assembled(b, rated_at_typed_torque(b));
        if (swapped) driving_first(r);
        r.pair = pair;
        r.inputs = inputs;
        r.load.T1 = pair.T1;
        check_finite(r);
        return r;
    });
}

Outcome<MaxTorque> max_torque(const RatedPair& pair, const RatingNumbers& inputs) {
    return run_to_outcome([&] {
        stop_unusable_numbers(pair, inputs);
        const bool swapped = pinion_is_driven(pair);
        const RatedPair p = swapped ? pinion_first(pair) : pair;
        const RatingNumbers in = swapped ? pinion_first(inputs, pair) : inputs;
        const Basis b(p, in);
        rated_at_typed_torque(b);
        MaxTorque found;
        try {
            found = search_max_torque(b);
        } catch (const StopSignal&) {  // a torque far off where the pair cannot be rated
            return MaxTorque{};
        }
        // Searched as the pinion's torque; reported as the driving gear's.
        if (found.T1max && swapped) found.T1max = *found.T1max * pair.z[0] / pair.z[1];
        return found;
    });
}

Outcome<RatingResult> rate(const GearPairInput& form, const RatingInputs& texts) {
    auto pair = rated_pair_of(form);
    if (auto* stop = std::get_if<Stop>(&pair)) return *stop;
    auto numbers = parse_rating_inputs(texts);
    if (auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    const RatedPair& p = std::get<RatedPair>(pair);
    const RatingNumbers& in = std::get<RatingNumbers>(numbers);
    auto outcome = rate(p, in);
    auto* result = std::get_if<RatingResult>(&outcome);
    if (!result) return outcome;
    const auto found = max_torque(p, in);
    const auto* limit = std::get_if<MaxTorque>(&found);
    if (limit && limit->T1max && std::isfinite(*limit->T1max)) {
        result->T1max = limit->T1max;
        if (limit->in_main_resonance) add_warning(result->warnings, m::kMaxTorqueInResonance);
    } else {
        add_warning(result->warnings, m::kNoMaxTorque);
    }
    return outcome;
}

}  // namespace gp::rating
