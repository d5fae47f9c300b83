// The search along the trochoidal root fillet for the point on the root form circle,
// and the tooth thickness there.
#pragma once

#include "real.h"

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

// The scan's fixed angle step in radians, added up step by step from 0.
inline constexpr double kFilletStep = 0.0001;
// A point is on the form circle when its diameter is closer than this to dF, in mm.
inline constexpr double kFilletTolerance = 0.001;
// A scan past this many steps is a fault.
inline constexpr long kMaxFilletSteps = 1'000'000;

// The fillet traced by the tool tip radius, as the scan evaluates it: every scan
// evaluates its points through this one class, so that two scans that reach the same
// angle compute the same bits.
class FilletCurve {
  public:
    // p, q: coordinates of a fillet point in the rack frame; phi: the rolling angle.
    struct Point {
        Real p = 0.0, q = 0.0, phi = 0.0;
    };

    explicit FilletCurve(const FilletScan& scan);

    const FilletScan& scan() const { return s_; }
    // e: depth of the tip-radius centre below the reference line; c: its offset
    // along the pitch line from the tooth centre line.
    Real e() const { return e_; }
    Real c() const { return c_; }
    // The last fillet angle of the range, pi/2 - alpha_n.
    Real end() const { return end_; }

    Point at(Real theta) const;
    Real diameter(const Point& point) const;
    // How far the point's diameter is from the form diameter; the point is on the
    // form circle when this is below kFilletTolerance.
    Real distance(const Point& point) const { return abs(s_.dF - diameter(point)); }
    // Normal tooth thickness on the circle through the point.
    static Real thickness(const Point& point);

  private:
    FilletScan s_;
    Real e_, c_, end_;
};

// The scan along the fillet: the fillet angle theta goes from 0 to pi/2 - alpha_n in
// steps of kFilletStep (added up step by step), and the first point whose diameter
// comes within kFilletTolerance of dF gives the thickness. Without such a point the
// last point of the range counts; an empty range gives 0. A scan past
// kMaxFilletSteps steps is a fault. This skips the points that provably cannot meet
// the tolerance and gives the step-by-step scan's result, bit for bit.
Real fillet_thickness(const FilletScan& scan);

// The same scan evaluating every point, one after the other: the definition the
// faster scan is held to, and its way through inputs outside its proven range.
Real fillet_thickness_stepwise(const FilletScan& scan);

}  // namespace gp::strength
