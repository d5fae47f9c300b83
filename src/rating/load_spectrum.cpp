#include "load_spectrum.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "messages/spectrum.h"
#include "rating_calculation.h"
#include "rating_result.h"

namespace gp::rating {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Miner's sum at the factor e^log_k over bins given by ln(σ/σG) and cycles; it
// stops adding once it passes `enough` (the search only asks whether it exceeds 1).
double sum_at(const LifeLine& line, const std::vector<double>& log_ratios,
              const std::vector<double>& cycles, double log_k, double enough) {
    const double log_endurance = std::log(line.endurance());
    const double log_static = std::log(line.static_value());
    double d = 0;
    for (std::size_t j = 0; j < log_ratios.size(); ++j) {
        const double lr = log_ratios[j] + log_k;
        if (!(lr > log_endurance) || cycles[j] == 0.0) continue;
        // Above the static value (beyond the rounding of ln k + ln σ/σG at its edge).
        if (lr - log_static > 1e-14) return kInfinity;
        d += cycles[j] * std::exp(-line.log_cycles(lr));
        if (d > enough) return d;
    }
    return d;
}

std::vector<double> logs_of(const std::vector<double>& ratios) {
    std::vector<double> out(ratios.size());
    std::transform(ratios.begin(), ratios.end(), out.begin(), [](double r) { return std::log(r); });
    return out;
}

// The largest k with a sum of at most 1: below endurance/max ratio every bin does
// no damage, above static/max ratio the largest fails at once; bisection between.
double safety_of(const LifeLine& line, const std::vector<double>& log_ratios,
                 const std::vector<double>& cycles, double top_ratio) {
    const double top = *std::max_element(log_ratios.begin(), log_ratios.end());
    const double log_static = std::log(line.static_value()) - top;
    // The static safety itself, as the peak bin's ratio gives it.
    if (sum_at(line, log_ratios, cycles, log_static, 1.0) <= 1.0) {
        return line.static_value() / top_ratio;
    }
    double lo = std::log(line.endurance()) - top, hi = log_static;  // sum(lo) ≤ 1 < sum(hi)
    // hi/lo − 1 < 1e-12 in the factor is hi − lo < ln(1 + 1e-12) in its logarithm.
    while (hi - lo > 1e-12) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        (sum_at(line, log_ratios, cycles, mid, 1.0) <= 1.0 ? lo : hi) = mid;
    }
    return std::exp(lo);
}

double damage_of(const CyclesToFailure& n, double cycles) {
    switch (n.kind) {
        case CyclesToFailure::Kind::Endless:
            return 0.0;
        case CyclesToFailure::Kind::Static:
            return cycles > 0.0 ? kInfinity : 0.0;
        case CyclesToFailure::Kind::Finite:
            break;
    }
    return cycles / n.N;
}

void add_note(std::vector<std::string>& notes, const std::string& text) {
    if (std::find(notes.begin(), notes.end(), text) == notes.end()) notes.push_back(text);
}

// One bin rated as the rating rates a torque: KA = 1, no life (ZNT = YNT = 1, so
// that σHG and σFG are the curves' values at a factor of 1), its speed and KHβ.
BinRating rate_bin(const RatedPair& pair, const RatingNumbers& inputs, DurationKind kind,
                   const SpectrumBin& bin, int index, std::vector<std::string>& notes) {
    RatedPair p = pair;
    p.T1 = bin.T1;
    RatingNumbers in = inputs;
    in.KA = 1.0;
    in.Lh.reset();
    if (bin.n1) in.n1 = bin.n1;
    if (bin.KHb) in.KHb = bin.KHb;
    auto outcome = rate(p, in);
    if (auto* stop = std::get_if<Stop>(&outcome)) {
        throw StopSignal{stop->message, msg::spectrum::in_bin(index + 1, stop->detail),
                         stop->field};
    }
    const RatingResult& r = std::get<RatingResult>(outcome);
    for (const std::string& w : r.warnings) add_note(notes, w);
    BinRating b;
    b.T1 = bin.T1;
    b.n1 = *in.n1;
    b.Kv = r.Kv;
    b.KHbeta = r.KHbeta;
    b.KHalpha = r.KHalpha;
    b.cycles[0] = kind == DurationKind::Cycles ? bin.duration : 60.0 * b.n1 * bin.duration;
    b.cycles[1] = b.cycles[0] * p.z[0] / p.z[1];
    b.hours = b.cycles[0] / (60.0 * b.n1);
    if (!std::isfinite(b.cycles[0]) || !std::isfinite(b.hours)) {
        throw StopSignal{msg::spectrum::kDurationTooLong,
                         msg::spectrum::in_bin(index + 1, msg::spectrum::kDurationTooLongDetail)};
    }
    for (int i = 0; i < kGears; ++i) {
        b.sigma_H[i] = r.contact_stress.sigma_H[i];
        b.sigma_F[i] = r.root_stress.sigma_F[i];
        b.sigma_HG[i] = r.pitting.sigma_HG[i];
        b.sigma_FG[i] = r.bending_limits.sigma_FG[i];
    }
    return b;
}

}  // namespace

double miner_sum(const LifeLine& line, const std::vector<double>& ratios,
                 const std::vector<double>& cycles, double k) {
    return sum_at(line, logs_of(ratios), cycles, std::log(k), kInfinity);
}

double spectrum_safety(const LifeLine& line, const std::vector<double>& ratios,
                       const std::vector<double>& cycles) {
    return safety_of(line, logs_of(ratios), cycles,
                     *std::max_element(ratios.begin(), ratios.end()));
}

Outcome<SpectrumResult> rate_spectrum(const RatedPair& pair, const RatingNumbers& inputs,
                                      const LoadSpectrum& spectrum) {
    return run_to_outcome([&] {
        SpectrumResult s;
        s.SHmin = inputs.SHmin;
        s.SFmin = inputs.SFmin;
        if (inputs.KA != 1.0) add_note(s.notes, msg::spectrum::kApplicationFactorIgnored);
        if (inputs.Lh) add_note(s.notes, msg::spectrum::kLifeIgnored);
        const std::size_t n = spectrum.bins.size();
        s.bins.reserve(n);
        for (std::size_t j = 0; j < n; ++j) {
            s.bins.push_back(rate_bin(pair, inputs, spectrum.kind, spectrum.bins[j],
                                      static_cast<int>(j), s.notes));
            s.total_hours += s.bins.back().hours;
        }
        if (n == 0) return s;

        double largest = 0;
        int largest_gear = 0;
        bool largest_bending = false;
        for (int i = 0; i < kGears; ++i) {
            for (const bool bending : {false, true}) {
                const LifeLine line(bending ? bending_life_points(inputs.mat[i], inputs.YN10)
                                            : pitting_life_points(inputs.mat[i], inputs.YN10));
                std::vector<double> log_ratios(n), cycles(n);
                double d = 0, top = 0;
                int peak = 0;
                for (std::size_t j = 0; j < n; ++j) {
                    BinRating& b = s.bins[j];
                    const double ratio =
                        bending ? b.sigma_F[i] / b.sigma_FG[i] : b.sigma_H[i] / b.sigma_HG[i];
                    log_ratios[j] = std::log(ratio);
                    cycles[j] = b.cycles[i];
                    const CyclesToFailure N = line.cycles_to_failure(ratio);
                    const double dj = damage_of(N, b.cycles[i]);
                    (bending ? b.NF : b.NH)[i] = N;
                    (bending ? b.DF : b.DH)[i] = dj;
                    d += dj;
                    if (ratio > top) {
                        top = ratio;
                        peak = static_cast<int>(j);
                    }
                }
                (bending ? s.DF : s.DH)[i] = d;
                (bending ? s.SF : s.SH)[i] = safety_of(line, log_ratios, cycles, top);
                (bending ? s.SstatF : s.SstatH)[i] = line.static_value() / top;
                (bending ? s.peak_F : s.peak_H)[i] = peak;
                if (d > largest) {
                    largest = d;
                    largest_gear = i;
                    largest_bending = bending;
                }
            }
        }
        if (!std::isfinite(s.total_hours)) {
            throw StopSignal{msg::spectrum::kDurationTooLong,
                             msg::spectrum::kDurationTooLongDetail};
        }
        if (largest > 0) {
            const double life = s.total_hours / largest;
            if (std::isfinite(life)) s.life_h = life;
            int worst = 0;
            for (std::size_t j = 0; j < n; ++j) {
                const auto& D = largest_bending ? s.bins[j].DF : s.bins[j].DH;
                const auto& W = largest_bending ? s.bins[worst].DF : s.bins[worst].DH;
                if (D[largest_gear] > W[largest_gear]) worst = static_cast<int>(j);
            }
            s.worst_bin = worst;
        }
        return s;
    });
}

Outcome<SpectrumResult> rate_spectrum(const GearPairInput& form, const RatingInputs& texts,
                                      const LoadSpectrum& spectrum) {
    auto pair = rated_pair_of(form);
    if (auto* stop = std::get_if<Stop>(&pair)) return *stop;
    auto numbers = parse_rating_inputs(texts);
    if (auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    return rate_spectrum(std::get<RatedPair>(pair), std::get<RatingNumbers>(numbers), spectrum);
}

}  // namespace gp::rating
