// Normal tooth thickness at the root form circle, the critical section of the
// tooth-root bending stress.
#pragma once

#include <optional>

#include "fillet_scan.h"
#include "real.h"
#include "reference_geometry.h"
#include "strength_inputs.h"

namespace gp::strength {

// The fillet scan of gear `i` when its form circle lies strictly inside its base
// circle; nothing when the form point lies on the involute.
std::optional<FilletScan> fillet_scan_of(const StrengthInputs& pair, const ReferenceGeometry& geo,
                                         int i);

// Thickness at the root form circle of gear `i`: on the fillet when the form circle
// lies strictly inside the base circle, otherwise on the involute.
Real root_form_thickness(const StrengthInputs& pair, const ReferenceGeometry& geo, int i);

}  // namespace gp::strength
