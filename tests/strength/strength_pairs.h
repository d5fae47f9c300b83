// Building strength inputs for the tests: the 16 fields the strength calculation
// reads, written as one comma-separated line.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "gear_pair_input.h"

namespace gp::testing {

// zxja, fmn, fjafn, lxjbt, ckbw, h0, c0, nj, cs1z1, cs2z2, xng1, xng2, cgyj1, cgyj2,
// ck1, ck2
inline GearPairInput strength_pair(std::string_view line) {
    static constexpr const char* kOrder[] = {"zxja",  "fmn",   "fjafn", "lxjbt", "ckbw", "h0",
                                             "c0",    "nj",    "cs1z1", "cs2z2", "xng1", "xng2",
                                             "cgyj1", "cgyj2", "ck1",   "ck2"};
    GearPairInput in;
    std::istringstream cells{std::string(line)};
    std::string cell;
    for (const char* name : kOrder) {
        std::getline(cells, cell, ',');
        in.*(find_input_field(name)->text) = cell;
    }
    return in;
}

// The spur pair of the worked example: z 20/40, mn 2, 20°, a 60, x ±0.08, T 10.
inline constexpr std::string_view kSpurExample =
    "60,2,20,0,30,1,0.25,10,20,40,0.08,-0.08,0.76,0.76,30,30";
// A helical pair on the helix-factor formulas (overlap ratio 1.32).
inline constexpr std::string_view kHelicalExample =
    "107.043,1,20,27.5,9,0.8,0.3,398.81,54,135,0.1702,0.3423,0.327,0.366,14,9";
// A helical pair on the inclined-contact formulas (overlap ratio 0.87).
inline constexpr std::string_view kInclinedExample =
    "74.135,0.8,20,15.95,8,0.95,0.4,2.502,49,128,0.314,0.1131,0.344,0.293,10,8";

}  // namespace gp::testing
