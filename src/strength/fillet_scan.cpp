#include "fillet_scan.h"

namespace gp::strength {

FilletCurve::FilletCurve(const FilletScan& s)
    : s_(s),
      e_(s.hf - s.rho),
      c_(3.141592654 * s.mn / 4.0 +
         (s.xn * s.mn + s.hf - s.rho * (1.0 - sin(s.alpha_n))) * tan(s.alpha_n) +
         s.rho * cos(s.alpha_n)),
      end_(1.570796327 - s.alpha_n) {}

FilletCurve::Point FilletCurve::at(Real theta) const {
    return {s_.dv / 2.0 - e_ - s_.rho * cos(theta), e_ * tan(theta) + s_.rho * sin(theta),
            2.0 * (c_ + e_ * tan(theta)) / s_.dv};
}

Real FilletCurve::diameter(const Point& f) const {
    return 2.0 * (f.p * cos(f.phi) + f.q * sin(f.phi)) - s_.dv + s_.d;
}

Real FilletCurve::thickness(const Point& f) { return 2.0 * (f.p * sin(f.phi) - f.q * cos(f.phi)); }

Real fillet_thickness_stepwise(const FilletScan& scan) {
    const FilletCurve curve(scan);
    FilletCurve::Point point;
    long steps = 0;
    for (Real theta = 0.0; theta <= curve.end(); theta += kFilletStep) {
        if (++steps > kMaxFilletSteps) throw ArithmeticFault{};
        point = curve.at(theta);
        if (curve.meets(curve.diameter(point))) break;
    }
    return FilletCurve::thickness(point);
}

Real fillet_thickness(const FilletScan& scan) { return fillet_thickness_stepwise(scan); }

}  // namespace gp::strength
