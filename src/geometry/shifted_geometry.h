// The typed pair's geometry at many profile shifts and centre distances, for the
// drawings that explore the choice of x1 and x2.
//
// The form is checked and read once and the transverse stage (which no shift
// changes) runs once; each point then runs the same stages, in the same order,
// as the geometry button, so every number agrees with the sheet the form would
// show with those coefficients and that centre distance typed in. The sheet's
// texts, which stop the calculation for a value beyond about 1e300, are formed
// only for forms holding a number beyond 1e±100: with ordinary numbers and
// coefficients within ±100 no value comes near that limit.
#pragma once

#include <memory>
#include <optional>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "geometry_inputs.h"
#include "geometry_numbers.h"
#include "stop.h"
#include "transverse_geometry.h"

namespace gp {

class ShiftedPairGeometry {
  public:
    // The checks of the geometry button on every field but the centre distance
    // and the shift coefficients (the points supply those), then the transverse
    // stage. Stops as the button would for such a form.
    static Outcome<ShiftedPairGeometry> of(const GearPairInput& form);

    // What compute_geometry_numbers gives for the form with the coefficients `xn`
    // and the centre distance `a` typed in (exactly these doubles).
    Outcome<GeometryNumbers> at(const GearPairOf<double>& xn, double a) const;

    // The centre distance at which the pair with the coefficient sum `x_sum` meshes
    // without backlash: inv αwt = inv αt + 2·tan αn·xΣ/(z1 + z2). Nothing when the
    // sum is so negative that the involute would be negative (the base circles
    // would have to overlap).
    std::optional<double> no_backlash_centre_distance(double x_sum) const;

    // The coefficient sum the geometry derives from the centre distance `a` when no
    // coefficients are typed, or the stop of the working pressure angle.
    Outcome<double> no_backlash_shift_sum(double a) const;

    // The coefficients the geometry gives at the centre distance `a` when none are
    // typed: the no-backlash sum split by `rule`, as the geometry button splits it.
    Outcome<GearPairOf<double>> split_shift_sum(double a, ShiftRule rule) const;

    const GeometryInputs& inputs() const { return in_; }

  private:
    ShiftedPairGeometry() = default;

    std::shared_ptr<const GearPairInput> form_;  // what in_'s texts point into
    GeometryInputs in_;
    TransverseGeometry t_;
    bool extreme_ = false;  // a typed number beyond 1e±100: the texts are formed too
};

}  // namespace gp
