#include "rack_rounding.h"

#include <cmath>

#include "messages/base.h"
#include "number_parse.h"
#include "pi.h"

namespace gp {
namespace {

Outcome<RackRounding> rounding_of(const std::string& text, double mn) {
    if (text.empty()) return RackRounding{kDefaultRoundingPerModule * mn, true};
    return run_to_outcome([&text] {
        // The whole text must be a number: a radius is never guessed from a prefix.
        const double radius = strict_convert(text);
        if (radius < 0.0) throw StopSignal{msg::kCannotCompute};
        return RackRounding{radius, false};
    });
}

// `radius` rounded down to four significant digits.
double four_digits_down(double radius) {
    const double unit = std::pow(10.0, std::floor(std::log10(radius)) - 3);
    return std::floor(radius / unit) * unit;
}

}  // namespace

Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form, double mn) {
    GearPairOf<RackRounding> r;
    const std::string* texts[kGears] = {&form.cgyj1, &form.cgyj2};
    for (int i = 0; i < kGears; ++i) {
        auto one = rounding_of(*texts[i], mn);
        if (auto* stop = std::get_if<Stop>(&one)) return *stop;
        r[i] = std::get<RackRounding>(one);
    }
    return r;
}

double largest_fitting_rounding(const GeometryNumbers& n, int i) {
    // In the normal section, u across the rack from the middle of its tooth space and
    // v radially from the reference line: the sharp tip corner lies at
    // u = half space + v_tip·tan αn, and a rounding ρ puts its centre at that u less
    // ρ·(1/cos αn − tan αn). The centre may reach the middle of the rack's tooth.
    const double z = n.z[i];
    if (!(z > 0) || !(n.mn > 0)) return 0;
    const double half_space_n = 0.5 * (kExactPi * n.d[i] / z * std::cos(n.beta) - n.sn[i]);
    const double tip_line = (n.df[i] - n.d[i]) / 2.0;
    const double sharp_corner = half_space_n + tip_line * std::tan(n.alpha_n);
    const double per_radius = 1.0 / std::cos(n.alpha_n) - std::tan(n.alpha_n);
    const double largest = sharp_corner / per_radius;
    return std::isfinite(largest) ? largest : 0;
}

Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form,
                                                 const GeometryNumbers& numbers) {
    auto roundings = rack_roundings(form, numbers.mn);
    if (auto* r = std::get_if<GearPairOf<RackRounding>>(&roundings)) {
        for (int i = 0; i < kGears; ++i) {
            RackRounding& one = (*r)[i];
            if (!one.from_default) continue;
            // A hair below the limit, so that the outline's own test of the corner
            // passes whatever the thickness deviation cut.
            const double largest = largest_fitting_rounding(numbers, i) * (1 - 1e-9);
            if (one.radius <= largest || !(largest > 0)) continue;
            one.radius = four_digits_down(largest);
            one.fitted = true;
        }
    }
    return roundings;
}

}  // namespace gp
