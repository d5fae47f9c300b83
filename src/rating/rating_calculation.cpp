#include "rating_calculation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "geometry_numbers.h"
#include "messages.h"
#include "number_parse.h"
#include "rating_math.h"
#include "rating_quantities.h"

namespace gp::rating {
namespace {

namespace m = msg::rating;

[[noreturn]] void refuse(const char* message, const char* symbol, double value, const char* rule,
                         const char* field) {
    throw StopSignal{message, m::refused(m::value_is(symbol, detail_number(value)), rule), field};
}

// S1–S5: the numbers typed, before anything is computed.
void check_inputs(const RatedPair& p, const RatingNumbers& in) {
    if (!in.n1) throw StopSignal{m::kNoSpeed, msg::detail::not_filled("n1"), "n1"};
    if (!(*in.n1 > 0.0)) refuse(m::kNoSpeed, "n1", *in.n1, m::kMustBePositive, "n1");
    if (!(p.T1 > 0.0)) refuse(m::kNoTorque, "T1", p.T1, m::kMustBePositive, "nj");
    if (!(in.KA > 0.0)) refuse(m::kBadFactors, "KA", in.KA, m::kMustBePositive, "KA");
    const auto at_least_one = [](const std::optional<double>& k, const char* name) {
        if (k && !(*k >= 1.0)) refuse(m::kBadFactors, name, *k, m::kMustBeAtLeastOne, name);
    };
    at_least_one(in.Kv, "Kv");
    at_least_one(in.KHb, "KHb");
    at_least_one(in.KHa, "KHa");
    for (int i = 0; i < kGears; ++i) {
        const double q = in.Q[i];
        if (!(q >= 0.0 && q <= 12.0 && q == std::floor(q))) {
            const char* name = i == 0 ? "Q1" : "Q2";
            refuse(m::kBadGrade, name, q, m::kMustBeGrade, name);
        }
    }
    const auto positive = [](double v, const char* name) {
        if (!(v > 0.0)) refuse(m::kBadMaterial, name, v, m::kMustBePositive, name);
    };
    const auto non_negative = [](double v, const char* name) {
        if (!(v >= 0.0)) refuse(m::kBadMaterial, name, v, m::kMustBeNonNegative, name);
    };
    const auto per_gear = [](int i, const char* one, const char* two) {
        return i == 0 ? one : two;
    };
    for (int i = 0; i < kGears; ++i) {
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
    for (int i = 0; i < kGears; ++i) {
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
    for (int i = 0; i < kGears; ++i) {
        if (in.sR[i]) positive(*in.sR[i], per_gear(i, "sR1", "sR2"));
    }
    for (int i = 0; i < kGears; ++i) {
        non_negative(p.rho_fP[i], per_gear(i, "ρfP1*", "ρfP2*"));
    }
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
        check_inputs(p, in);
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

// The rating at the typed torque, with the stops of the load (S11) and of the
// rims (S12) in their order.
AtLoad rated_at_typed_torque(const Basis& b) {
    AtLoad a = at_torque(b, b.p.T1);
    check_rims(b.g, b.in);
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

// The typed text of a column that must be a number; empty stays empty.
std::optional<double> strict_number(const std::string& text, const char* column) {
    if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    if (is_numeric(text)) {
        try {
            return lenient_parse(text);
        } catch (const StopSignal&) {
        }
    }
    throw StopSignal{m::not_a_number(column),
                     m::value_is(column, "“" + text + "”") + m::kNotANumber, column};
}

}  // namespace

Outcome<RatedPair> rated_pair_of(const GearPairInput& form) {
    auto geometry = compute_geometry_numbers(form);
    if (auto* stop = std::get_if<Stop>(&geometry)) return *stop;
    const GeometryNumbers& n = std::get<GeometryNumbers>(geometry);
    return run_to_outcome([&] {
        const double T1 = strict_number(form.nj, "nj").value_or(0.0) * 9.80665;
        const GearPairOf<const std::string*> fillets = {&form.cgyj1, &form.cgyj2};
        GearPairOf<std::optional<double>> radii;
        for (int i = 0; i < kGears; ++i) {
            radii[i] = strict_number(*fillets[i], i == 0 ? "cgyj1" : "cgyj2");
        }
        // The angles as typed, in degrees: the rating converts them with the full π.
        return rated_pair_of(n, lenient_parse(form.fjafn), std::fabs(lenient_parse(form.lxjbt)),
                             T1, radii);
    });
}

RatedPair rated_pair_of(const GeometryNumbers& n, double alpha_n_deg, double beta_deg, double T1,
                        const GearPairOf<std::optional<double>>& fillet_radius) {
    RatedPair p;
    p.T1 = T1;
    for (int i = 0; i < kGears; ++i) {
        p.rho_fP[i] = fillet_radius[i] ? over(*fillet_radius[i], n.mn) : kDefaultRootRadiusPerModule;
    }
    p.z = n.z;
    p.mn = n.mn;
    p.alpha_n_deg = alpha_n_deg;
    p.beta_deg = beta_deg;
    p.b = n.b;
    p.a = n.a;
    p.x = n.xn;
    p.da = n.da;
    p.df = n.df;
    p.hfP = n.han + n.cn;
    return p;
}

Outcome<RatingResult> rate(const RatedPair& pair, const RatingNumbers& inputs) {
    return run_to_outcome([&] {
        const Basis b(pair, inputs);
        RatingResult r = assembled(b, rated_at_typed_torque(b));
        check_finite(r);
        return r;
    });
}

Outcome<MaxTorque> max_torque(const RatedPair& pair, const RatingNumbers& inputs) {
    return run_to_outcome([&] {
        const Basis b(pair, inputs);
        rated_at_typed_torque(b);
        try {
            return search_max_torque(b);
        } catch (const StopSignal&) {  // a torque far off where the pair cannot be rated
            return MaxTorque{};
        }
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
