// Normal tooth thickness at the root form circle, the critical section of the
// tooth-root bending stress.
#pragma once

#include "pair_reading.h"
#include "real.h"
#include "reference_geometry.h"

namespace gp::strength {

// One gear's quantities for the fillet scan.
struct FilletScan {
    Real mn;       // normal module
    Real alpha_n;  // normal pressure angle
    Real xn;       // normal shift coefficient
    Real rho;      // root fillet radius
    Real hf;       // dedendum from the single-precision root diameter
    Real d;        // reference diameter
    Real dv;       // reference diameter of the virtual spur gear
    Real dF;       // root form diameter sought
};

// The scan along the trochoidal fillet traced by the tool tip radius: the fillet
// angle theta goes from 0 to pi/2 - alpha_n in fixed steps of 0.0001 rad (added up
// step by step), and the first point whose diameter comes within 0.001 mm of dF
// gives the thickness. Without such a point the last point of the range counts;
// an empty range gives 0. A scan past a million steps is a fault.
Real fillet_thickness(const FilletScan& scan);

// Thickness at the root form circle of gear `i`: on the fillet when the form circle
// lies strictly inside the base circle, otherwise on the involute.
Real root_form_thickness(const PairReading& pair, const ReferenceGeometry& geo, int i);

}  // namespace gp::strength
