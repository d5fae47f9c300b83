// Everything the case formulas start from: the typed pair, its geometry, the load,
// the contact ratios and the critical root section of each gear.
#pragma once

#include "gear_pair_of.h"
#include "load_and_contact_ratios.h"
#include "real.h"
#include "reference_geometry.h"
#include "strength_inputs.h"
#include "stress_concentration.h"

namespace gp::strength {

// Critical section at the root form circle of one gear.
struct RootSection {
    Real sF;    // normal tooth thickness there
    Real rhoF;  // radius of curvature of the fillet
};

struct StrengthCore {
    StrengthInputs pair;
    ReferenceGeometry geo;
    Real ft;  // tangential force, kgf
    ContactRatios ratios;
    GearPairOf<RootSection> root;
    StressConcentrationConstants kf;
};

// Reads the pair and derives the whole core, gear 1 before gear 2.
StrengthCore strength_core(const GearPairInput& input);

}  // namespace gp::strength
