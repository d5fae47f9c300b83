#include "sizing_requirements.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string_view>

#include "number_parse.h"
#include "pi.h"
#include "messages/sizing.h"
#include "rating_numbers.h"

namespace gp::sizing {
namespace {

namespace m = msg::sizing;

// No list the enumeration walks may be longer than this.
constexpr double kMostSteps = 1e6;
// Nor may a space hold more variants than this (some years of work).
constexpr double kMostVariants = 1e13;

[[noreturn]] void refuse(const std::string& key, const std::string& why) {
    throw StopSignal{m::kBadRequirements, m::must_be(key, why), key};
}

void positive(double v, const char* key) {
    if (!(v > 0.0)) refuse(key, m::kPositive);
}

// The values of a Steps, each from + k·step (no sum of steps drifts).
std::vector<double> values_of(const Steps& s, const char* key) {
    if (!(s.from >= 0.0) || !std::isfinite(s.to)) refuse(key, m::kNotNegative);
    if (s.to < s.from) refuse(key, m::kNotBelowLeast);
    if (s.to == s.from) return {s.from};
    if (!(s.step > 0.0)) refuse(key, m::kPositive);
    const double count = std::floor((s.to - s.from) / s.step + 1e-6) + 1.0;
    if (!(count <= kMostSteps)) refuse(key, m::kTooManySteps);
    std::vector<double> v;
    for (int k = 0; k < static_cast<int>(count); ++k) v.push_back(s.from + k * s.step);
    return v;
}

}  // namespace

std::vector<double> series_modules(ModuleSeries series, double least, double largest) {
    std::vector<double> all;
    if (series != ModuleSeries::Second) all.insert(all.end(), kFirstSeries.begin(), kFirstSeries.end());
    if (series != ModuleSeries::First) all.insert(all.end(), kSecondSeries.begin(), kSecondSeries.end());
    std::sort(all.begin(), all.end());
    std::vector<double> chosen;
    std::copy_if(all.begin(), all.end(), std::back_inserter(chosen),
                 [&](double mn) { return mn >= least && mn <= largest; });
    return chosen;
}

bool ratio_within(double error_percent, double tolerance_percent) {
    // A ratio exactly on the tolerance stays in, whatever the last bit of the division.
    return std::fabs(error_percent) <= tolerance_percent * (1.0 + 1e-12) + 1e-12;
}

Outcome<Space> space_of(const Requirements& req, const RatingInputs& rating_texts) {
    auto numbers = rating::parse_rating_inputs(rating_texts);
    if (auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    return run_to_outcome([&] {
        Space s;
        s.req = req;
        s.rating = std::get<rating::RatingNumbers>(numbers);
        if (req.n1) s.rating.n1 = req.n1;
        if (req.SHmin) s.rating.SHmin = *req.SHmin;
        if (req.SFmin) s.rating.SFmin = *req.SFmin;
        positive(s.rating.SHmin, "SHmin");
        positive(s.rating.SFmin, "SFmin");
        if (!s.rating.n1) throw StopSignal{m::kBadRequirements, m::kNoSpeed, "n1"};
        positive(*s.rating.n1, "n1");
        if (req.T1 && req.P) throw StopSignal{m::kBadRequirements, m::kNotBoth, "T1"};
        if (!req.T1 && !req.P) throw StopSignal{m::kBadRequirements, m::kTorqueOrPower, "T1"};
        double T1 = 0;
        if (req.T1) {
            positive(*req.T1, "T1");
            T1 = *req.T1;
        } else {
            positive(*req.P, "P");
            T1 = 30000.0 * *req.P / (kExactPi * *s.rating.n1);
        }
        // The form holds the torque in kgf·m; the rating reads it back in N·m.
        s.T1 = (T1 / rating::kNewtonMetresPerKgfMetre) * rating::kNewtonMetresPerKgfMetre;
        positive(s.T1, "T1");

        if (!(req.i > 0.0)) throw StopSignal{m::kBadRequirements, m::kNoRatio, "i"};
        if (!std::isfinite(req.i)) refuse("i", m::kPositive);
        if (!(req.i_tol >= 0.0 && req.i_tol < 100.0)) refuse("i_tol", m::kToleranceRange);
        if (req.a && req.a_range) throw StopSignal{m::kBadRequirements, m::kCentreOneOrRange, "a"};
        if (req.a) {
            positive(*req.a, "a");
            s.centres = {*req.a};
        } else if (req.a_range) {
            positive(req.a_range->from, "a_min");
            s.centres = values_of(*req.a_range, "a_max");
        }

        positive(req.mn_min, "mn_min");
        if (req.mn_max < req.mn_min) refuse("mn_max", m::kNotBelowLeast);
        s.modules = series_modules(req.series, req.mn_min, req.mn_max);

        if (req.z1_min < 1) refuse("z1_min", m::kPositive);
        if (req.z1_max < req.z1_min) refuse("z1_max", m::kNotBelowLeast);
        if (req.z1_max - req.z1_min >= kMostSteps) refuse("z1_max", m::kTooManySteps);
        for (int z1 = req.z1_min; z1 <= req.z1_max; ++z1) {
            const double ideal = req.i * z1;
            const double low = std::max(1.0, std::floor(ideal * (1.0 - req.i_tol / 100.0)));
            const double high = std::ceil(ideal * (1.0 + req.i_tol / 100.0));
            if (high - low > kMostSteps) refuse("i", m::kTooManySteps);
            for (double z2 = low; z2 <= high; ++z2) {
                const double error = (z2 / z1 - req.i) / req.i * 100.0;
                s.teeth.push_back({z1, static_cast<int>(z2), ratio_within(error, req.i_tol)});
            }
            if (s.teeth.size() > kMostSteps) refuse("z1_max", m::kTooManySteps);
        }

        s.betas = values_of(req.beta, "beta_max");
        if (s.betas.back() > 45.0) refuse("beta_max", m::kHelixRange);
        if (req.b) {
            positive(*req.b, "b");
            s.widths = {*req.b};
            s.width_is_ratio = false;
        } else {
            positive(req.bd.from, "bd_min");
            s.widths = values_of(req.bd, "bd_max");
        }
        if (!(req.alpha_n > 0.0 && req.alpha_n < 45.0)) refuse("alpha_n", m::kPressureAngleRange);
        positive(req.h0, "h0");
        if (!(req.c0 >= 0.0)) refuse("c0", m::kNotNegative);
        // The count must stay a whole number a counter holds, far beyond any run.
        const double variants = static_cast<double>(s.modules.size()) * s.teeth.size() *
                                s.betas.size() * s.widths.size() *
                                std::max<std::size_t>(1, s.centres.size());
        if (variants > kMostVariants) throw StopSignal{m::kBadRequirements, m::kTooManyVariants, "mn_max"};
        return s;
    });
}

namespace {

// How each key's value is read and where it goes.
struct KeyRule {
    RequirementKey shown;
    std::function<void(Requirements&, std::string_view)> apply;
};

double number(std::string_view text, const std::string& key) {
    try {
        const double v = strict_convert(text, key);
        if (std::isfinite(v)) return v;
    } catch (const StopSignal&) {
    }
    throw StopSignal{m::kBadRequirements, m::not_a_number(key, std::string(text)), key};
}

int whole(std::string_view text, const std::string& key) {
    const double v = number(text, key);
    if (v != std::floor(v) || std::fabs(v) > 1e9) {
        throw StopSignal{m::kBadRequirements, m::not_whole(key, std::string(text)), key};
    }
    return static_cast<int>(v);
}

Steps& a_range(Requirements& r) {
    if (!r.a_range) r.a_range = Steps{std::nan(""), std::nan(""), 1};
    return *r.a_range;
}

const std::vector<KeyRule>& rules() {
    using R = Requirements;
    using V = std::string_view;
    static const std::vector<KeyRule> list = {
        {{"T1", "", "driving gear's torque, N·m (or P)"},
         [](R& r, V v) { r.T1 = number(v, "T1"); }},
        {{"P", "", "power, kW: T1 = 30000·P/(π·n1)"}, [](R& r, V v) { r.P = number(v, "P"); }},
        {{"n1", "", "driving gear's speed, 1/min (else the pair file's n1)"},
         [](R& r, V v) { r.n1 = number(v, "n1"); }},
        {{"i", "", "ratio z2/z1 (required)"}, [](R& r, V v) { r.i = number(v, "i"); }},
        {{"i_tol", "3", "ratio tolerance, ±%"}, [](R& r, V v) { r.i_tol = number(v, "i_tol"); }},
        {{"a", "", "one centre distance, mm (none of a, a_min, a_max: free, shift sum 0)"},
         [](R& r, V v) { r.a = number(v, "a"); }},
        {{"a_min", "", "least centre distance tried, mm"},
         [](R& r, V v) { a_range(r).from = number(v, "a_min"); }},
        {{"a_max", "", "largest centre distance tried, mm"},
         [](R& r, V v) { a_range(r).to = number(v, "a_max"); }},
        {{"a_step", "1", "centre distance step, mm"},
         [](R& r, V v) { a_range(r).step = number(v, "a_step"); }},
        {{"mn_min", "1", "least normal module, mm"},
         [](R& r, V v) { r.mn_min = number(v, "mn_min"); }},
        {{"mn_max", "10", "largest normal module, mm"},
         [](R& r, V v) { r.mn_max = number(v, "mn_max"); }},
        {{"series", "1", "module series of GB/T 1357: 1, 2 or 12 (both)"},
         [](R& r, V v) {
             const int s = whole(v, "series");
             if (s != 1 && s != 2 && s != 12) refuse("series", m::kSeriesValues);
             r.series = static_cast<ModuleSeries>(s);
         }},
        {{"z1_min", "12", "least number of teeth of the driving gear"},
         [](R& r, V v) { r.z1_min = whole(v, "z1_min"); }},
        {{"z1_max", "40", "largest number of teeth of the driving gear"},
         [](R& r, V v) { r.z1_max = whole(v, "z1_max"); }},
        {{"beta_min", "8", "least helix angle, degrees (0 0 for spur gears)"},
         [](R& r, V v) { r.beta.from = number(v, "beta_min"); }},
        {{"beta_max", "20", "largest helix angle, degrees"},
         [](R& r, V v) { r.beta.to = number(v, "beta_max"); }},
        {{"beta_step", "1", "helix angle step, degrees"},
         [](R& r, V v) { r.beta.step = number(v, "beta_step"); }},
        {{"bd_min", "0.4", "least face width per pinion diameter b/d1"},
         [](R& r, V v) { r.bd.from = number(v, "bd_min"); }},
        {{"bd_max", "1.2", "largest b/d1"}, [](R& r, V v) { r.bd.to = number(v, "bd_max"); }},
        {{"bd_step", "0.2", "b/d1 step"}, [](R& r, V v) { r.bd.step = number(v, "bd_step"); }},
        {{"b", "", "one face width, mm, instead of b/d1"},
         [](R& r, V v) { r.b = number(v, "b"); }},
        {{"split", "dx1", "split of the shift sum: dx1 (equal strength), dx2 (equal noise), "
                          "sliding (ζ1(A) = ζ2(E))"},
         [](R& r, V v) {
             if (v == "dx1") r.split = SplitRule::EqualStrength;
             else if (v == "dx2") r.split = SplitRule::EqualNoise;
             else if (v == "sliding") r.split = SplitRule::BalancedSliding;
             else refuse("split", m::kSplitValues);
         }},
        {{"alpha_n", "20", "normal pressure angle, degrees"},
         [](R& r, V v) { r.alpha_n = number(v, "alpha_n"); }},
        {{"h0", "1", "addendum coefficient"}, [](R& r, V v) { r.h0 = number(v, "h0"); }},
        {{"c0", "0.25", "clearance coefficient"}, [](R& r, V v) { r.c0 = number(v, "c0"); }},
        {{"SHmin", "", "least pitting safety factor (else the pair file's, else 1)"},
         [](R& r, V v) { r.SHmin = number(v, "SHmin"); }},
        {{"SFmin", "", "least bending safety factor (else the pair file's, else 1)"},
         [](R& r, V v) { r.SFmin = number(v, "SFmin"); }},
    };
    return list;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

}  // namespace

const std::vector<RequirementKey>& requirement_keys() {
    static const std::vector<RequirementKey> keys = [] {
        std::vector<RequirementKey> k;
        for (const KeyRule& r : rules()) k.push_back(r.shown);
        return k;
    }();
    return keys;
}

Outcome<Requirements> requirements_of(
    const std::vector<std::pair<std::string, std::string>>& values) {
    Requirements req;
    std::set<std::string> seen;
    for (const auto& entry : values) {
        const std::string& key = entry.first;  // named, so that the lambda can take it
        const std::string& text = entry.second;
        const auto rule = std::find_if(rules().begin(), rules().end(),
                                       [&](const KeyRule& r) { return key == r.shown.key; });
        if (rule == rules().end()) return Stop{m::kBadRequirements, m::unknown_key(key), key};
        if (!seen.insert(key).second) return Stop{m::kBadRequirements, m::repeated_key(key), key};
        const std::string_view value = trimmed(text);
        if (value.empty()) continue;
        try {
            rule->apply(req, value);
        } catch (const StopSignal& s) {
            return Stop{s.message, s.detail, key};
        }
    }
    if (req.a_range) {
        const bool from = !std::isnan(req.a_range->from), to = !std::isnan(req.a_range->to);
        if (from != to) return Stop{m::kBadRequirements, m::kCentreRangeHalf, "a_min"};
        if (!from) req.a_range.reset();  // a step alone: the centre distance stays free
    }
    return req;
}

Outcome<Requirements> read_requirements(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<int> lines;
    std::string_view rest = text;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);  // a spreadsheet's BOM
    int line_number = 0;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        ++line_number;
        if (line.empty() || line.front() == '#') continue;
        const auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            return Stop{m::kBadRequirements, m::on_line(line_number, m::kNoComma)};
        }
        values.emplace_back(trimmed(line.substr(0, comma)), trimmed(line.substr(comma + 1)));
        lines.push_back(line_number);
    }
    auto outcome = requirements_of(values);
    if (auto* stop = std::get_if<Stop>(&outcome)) {
        // The line of the key at fault; of its second appearance for a repeat.
        const bool repeat = stop->detail == m::repeated_key(stop->field);
        int at = 0;
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (values[k].first == stop->field && (at == 0 || repeat)) at = lines[k];
        }
        if (at > 0) stop->detail = m::on_line(at, stop->detail);
    }
    return outcome;
}

}  // namespace gp::sizing
