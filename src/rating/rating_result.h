// Everything one rating reports, grouped as it is computed. A quantity whose
// computation a given factor skipped is empty.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bending.h"
#include "load_and_tolerances.h"
#include "load_distribution.h"
#include "pitting.h"
#include "rated_pair.h"
#include "rating_geometry.h"
#include "rating_numbers.h"
#include "root_geometry.h"
#include "stiffness_and_dynamic.h"

namespace gp::rating {

struct RatingResult {
    RatedPair pair;        // what was rated
    RatingNumbers inputs;  // with what: the rating inputs, defaults filled in
    MeshGeometry geometry;
    Load load;
    std::optional<GearPairOf<double>> cycles;  // NL1, NL2; empty without a life
    Tolerances tolerances;
    RunningIn running_in;
    Stiffness stiffness;

    std::optional<DynamicFactor> dynamic;  // empty for a given Kv
    double Kv = 0;
    bool Kv_given = false;

    std::optional<FaceLoad> face;  // empty for a given KHβ
    double KHbeta = 0;
    bool KHbeta_given = false;
    double NF = 0;
    double KFbeta = 0;

    std::optional<double> X;  // empty for a given KHα
    double KHalpha = 0, KFalpha = 0;
    bool KHalpha_given = false;

    ContactFactors contact;
    PittingLimits pitting;
    ContactStress contact_stress;

    GearPairOf<RootGeometry> root{};
    BendingFactors bending;
    BendingLimits bending_limits;
    RootStress root_stress;

    // The driving gear's torque at which the smallest safety factor reaches its minimum,
    // N·m; empty when not searched or not found.
    std::optional<double> T1max;

    std::vector<std::string> warnings;  // the notes of the result, each once
};

}  // namespace gp::rating
