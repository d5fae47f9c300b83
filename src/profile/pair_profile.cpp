#include "pair_profile.h"

namespace gp {

Outcome<PairProfile> pair_profile(const GearPairInput& form, const OutlineOptions& options) {
    auto numbers = compute_geometry_numbers(form);
    if (auto* stop = std::get_if<Stop>(&numbers)) return *stop;
    PairProfile p;
    p.numbers = std::get<GeometryNumbers>(numbers);
    auto rounding = rack_roundings(form, p.numbers);
    if (auto* stop = std::get_if<Stop>(&rounding)) return *stop;
    p.rounding = std::get<GearPairOf<RackRounding>>(rounding);
    for (int i = 0; i < kGears; ++i) {
        p.outlines[i] = gear_outline(p.numbers, i, p.rounding[i], options);
    }
    return p;
}

}  // namespace gp
