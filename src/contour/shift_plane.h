// The plane of the profile-shift coefficients (x1, x2) of one pair. A point of the
// plane is the typed pair with these coefficients at its no-backlash centre
// distance a(x1 + x2), with the tip diameters the geometry derives for it; every
// value here comes from the geometry calculation at that point, so it is what the
// sheet (and the mesh picture, for the sliding) would show for it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gear_pair_input.h"
#include "gear_pair_of.h"
#include "geometry_numbers.h"
#include "shifted_geometry.h"
#include "stop.h"

namespace gp {

// A rectangle of the plane.
struct ShiftWindow {
    double x1_min = -1, x1_max = 2;
    double x2_min = -1, x2_max = 2;
};

// Coefficients beyond this are no gear anyone cuts; a window must stay inside.
inline constexpr double kShiftLimit = 100.0;

// Finite, each minimum below its maximum, every bound within ±kShiftLimit.
bool is_valid_window(const ShiftWindow& w);

// A point of the plane and its no-backlash centre distance, mm.
struct PlanePoint {
    double x1 = 0, x2 = 0, a = 0;
};

// The limits at one point of the plane.
struct ShiftValues {
    PlanePoint at;
    double mn = 0;              // normal module
    GearPairOf<double> z{};     // numbers of teeth
    GearPairOf<double> zmin{};  // fewest teeth free of undercut
    GearPairOf<double> sta{};   // transverse arc thickness at the tip, mm
    GearPairOf<double> btf{};   // tip interference index
    double eps_alpha = 0;       // transverse contact ratio εα
    // Specific sliding of the driving gear at the start A of the path of contact
    // and of the driven gear at its end E; nothing when the path is empty or runs
    // past a base tangent point (the mesh picture then shows no sliding either).
    std::optional<double> zeta1_a, zeta2_e;
    // No limit broken (see breaks_limit): z ≥ zmin, sta ≥ 0.25·mn and btf ≤ 1 for
    // both gears, εα ≥ 1.2.
    bool admissible = false;
};

// The limit curves, in the order the batch tool writes them.
enum class Limit {
    Undercut1,      // zmin1 = z1
    Undercut2,      // zmin2 = z2
    Pointed1,       // sta1 = 0
    Pointed2,       // sta2 = 0
    Thin1,          // sta1 = 0.25·mn
    Thin2,          // sta2 = 0.25·mn
    Contact1,       // εα = 1
    Contact12,      // εα = 1.2
    Interference1,  // btf1 = 1
    Interference2,  // btf2 = 1
    Sliding,        // ζ1(A) = ζ2(E)
    Centre,         // x1 + x2 = xΣ of the typed centre distance
};
inline constexpr int kLimitCount = 12;
inline constexpr std::array<const char*, kLimitCount> kLimitNames = {
    "undercut1", "undercut2", "pointed1",      "pointed2",      "thin1",   "thin2",
    "contact1",  "contact12", "interference1", "interference2", "sliding", "centre"};
inline constexpr std::array<Limit, kLimitCount> kLimits = {
    Limit::Undercut1,     Limit::Undercut2,     Limit::Pointed1, Limit::Pointed2,
    Limit::Thin1,         Limit::Thin2,         Limit::Contact1, Limit::Contact12,
    Limit::Interference1, Limit::Interference2, Limit::Sliding,  Limit::Centre};

inline const char* limit_name(Limit limit) { return kLimitNames[static_cast<int>(limit)]; }

// The condition of a limit at a point, zero on its curve, in the units of the
// quantity: zmin − z, sta, sta − 0.25·mn, εα − 1, εα − 1.2, btf − 1, ζ1(A) − ζ2(E),
// x1 + x2 − `typed_x_sum`. Nothing where it has no value (no sliding; no typed
// sum for the centre line).
std::optional<double> limit_condition(Limit limit, const ShiftValues& v,
                                      std::optional<double> typed_x_sum);

// The limits of the geometry `n` computed at the point `at`.
ShiftValues shift_values_of(const GeometryNumbers& n, const PlanePoint& at);

// Whether the pair at `v` lies on the wrong side of `limit`, one of the limits of the
// admissible region: an undercut gear (z < zmin), a pointed tip (sta ≤ 0) or else a
// tip thinner than kLeastTipThicknessPerModule·mn (geometry_limits.h), a contact
// ratio below 1 or else below kLeastContactRatio, a tip interference (btf > 1).
// The sliding and the centre line bound nothing: never.
bool breaks_limit(Limit limit, const ShiftValues& v);

// The limits the pair at `v` breaks, in the order of kLimits; none where it is
// admissible.
std::vector<Limit> failing_limits(const ShiftValues& v);

// What the user reads of a point that is not admissible: "不可用：" and the limits it
// breaks (e.g. "不可用：主动齿轮根切、εα < 1.2"); empty where it is admissible.
std::string failing_limits_text(const ShiftValues& v);

class ShiftPlane {
  public:
    // Checks the form as the geometry button does, except the centre distance and
    // the coefficients, which every point supplies.
    static Outcome<ShiftPlane> of(const GearPairInput& form);

    // The limits at (x1, x2), or the geometry's stop there.
    Outcome<ShiftValues> at(double x1, double x2) const;

    // (x1, x2) at its no-backlash centre distance, or why it has none.
    Outcome<PlanePoint> point(double x1, double x2) const;

    // a(x1 + x2), or nothing when the sum is below every centre distance's (or the
    // pair has no teeth in all, z1 + z2 = 0, and so no centre distance at all).
    std::optional<double> centre_distance(double x_sum) const;
    // The coefficient sum of the centre distance `a`, as the geometry derives it.
    Outcome<double> shift_sum(double a) const { return geometry_.no_backlash_shift_sum(a); }

  private:
    explicit ShiftPlane(ShiftedPairGeometry g) : geometry_(std::move(g)) {}
    ShiftedPairGeometry geometry_;
};

// A line of constant centre distance across a window: x1 + x2 = x_sum.
struct CentreDistanceLine {
    double a = 0;         // mm, a round value
    double x_sum = 0;     // the coefficient sum it needs
    PlanePoint from, to;  // where it enters and leaves the window
};

// The most lines centre_distance_lines gives.
inline constexpr int kMostCentreDistanceLines = 60;

// Lines at round centre distances (1, 2 or 5 times a power of ten apart), about
// `about` of them across the window, at most kMostCentreDistanceLines, each with
// its ends on the window's edges; none where the window is too narrow for two
// centre distances to differ.
std::vector<CentreDistanceLine> centre_distance_lines(const ShiftPlane& plane,
                                                      const ShiftWindow& window, int about = 8);

}  // namespace gp
