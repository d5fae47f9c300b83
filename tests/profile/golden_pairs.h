// The golden cases' pairs that compute, with their outlines, for property tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "pair_profile.h"

namespace gp::testing {

struct GoldenPair {
    int row = 0;  // data row of cases.csv, from 1
    GearPairInput input;
    PairProfile profile;
};

// Every golden case whose geometry computes, profiled with `options`.
inline std::vector<GoldenPair> golden_pairs(const OutlineOptions& options = {}) {
    std::ifstream in(std::string(GEARPAIR_GOLDEN_DIR) + "/cases.csv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<GoldenPair> pairs;
    int row = 0;
    for (const BatchRow& r : read_batch(text.str())) {
        ++row;
        auto p = pair_profile(r.input, options);
        if (auto* ok = std::get_if<PairProfile>(&p)) pairs.push_back({row, r.input, *ok});
    }
    return pairs;
}

}  // namespace gp::testing
