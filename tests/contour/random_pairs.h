// Random pairs of the kinds designers type: tooth numbers from 8 to 150, ratios up
// to about 8, modules, pressure and helix angles and tooth proportions from the
// usual series, the centre distance near that of the unshifted pair.
#pragma once

#include <cmath>
#include <random>
#include <string>

#include "gear_pair_input.h"

namespace gp::testing {

inline GearPairInput random_realistic_pair(std::mt19937& gen) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto pick = [&gen](auto const& list) { return list[gen() % std::size(list)]; };
    const double modules[] = {0.5, 0.8, 1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 12};
    const double angles[] = {14.5, 15, 20, 20, 20, 22.5, 25};
    const double addenda[] = {0.8, 0.9, 1, 1, 1};
    const double clearances[] = {0.2, 0.25, 0.25, 0.35};
    const int z1 = 8 + static_cast<int>(gen() % 53);
    const int z2 = std::min(150, z1 + static_cast<int>(gen() % static_cast<unsigned>(7 * z1)));
    const double mn = pick(modules);
    const double beta = unit(gen) < 0.3 ? 0.0 : std::round(300 * unit(gen)) / 10;
    const double pi = 3.14159265358979323846;
    const double a = mn * (z1 + z2) / (2 * std::cos(beta * pi / 180)) + mn * (1.3 * unit(gen) - 0.3);
    const auto text = [](double v) { return std::to_string(v); };
    GearPairInput in;
    in.zxja = text(a), in.fmn = text(mn), in.fjafn = text(pick(angles)), in.lxjbt = text(beta);
    in.ckbw = text(10 * mn), in.h0 = text(pick(addenda)), in.c0 = text(pick(clearances));
    in.cs1z1 = std::to_string(z1), in.cs2z2 = std::to_string(z2);
    in.ess1 = in.ess2 = text(-0.04 * mn), in.esi1 = in.esi2 = text(-0.09 * mn);
    in.fr1 = in.fr2 = text(0.03 * mn), in.cgyj1 = in.cgyj2 = text(0.38 * mn);
    in.ck1 = in.ck2 = text(10 * mn), in.nj = "10";
    return in;
}

}  // namespace gp::testing
