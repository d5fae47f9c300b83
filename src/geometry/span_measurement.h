// Base tangent length (span measurement) over k teeth and its deviations.
#pragma once

#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "profile_shift.h"
#include "real.h"
#include "transverse_geometry.h"

namespace gp {

struct SpanMeasurement {
    GearPairOf<Real> k;    // number of teeth spanned (a whole number)
    GearPairOf<Real> w;    // base tangent length over k teeth
    GearPairOf<Real> ews;  // upper deviation of W
    GearPairOf<Real> ewi;  // lower deviation of W
};

SpanMeasurement span_measurement(const GeometryInputs& in, const TransverseGeometry& t,
                                 const ProfileShift& s);

}  // namespace gp
