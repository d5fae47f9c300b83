#include "fillet_scan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "fillet_angles.h"
#include "pi.h"

namespace gp::strength {

FilletCurve::FilletCurve(const FilletScan& s)
    : s_(s),
      e_(s.hf - s.rho),
      c_(kPi * s.mn / 4.0 + (s.xn * s.mn + s.hf - s.rho * (1.0 - sin(s.alpha_n))) * tan(s.alpha_n) +
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

namespace {

Real scan_step_by_step(const FilletCurve& curve) {
    FilletCurve::Point point;
    long steps = 0;
    for (Real theta = 0.0; theta <= curve.end(); theta += kFilletStep) {
        if (++steps > kMaxFilletSteps) throw ArithmeticFault{};
        point = curve.at(theta);
        if (curve.distance(point) < kFilletTolerance) break;
    }
    return FilletCurve::thickness(point);
}

// Which steps the scan may pass over without evaluating them.
//
// The exact diameter. For a real angle theta (e, c, rho, dv, d fixed),
//   p = dv/2 - e - rho cos theta,   q = e tan theta + rho sin theta,
//   phi = 2 (c + e tan theta) / dv,  D(theta) = 2 (p cos phi + q sin phi) - dv + d.
// With p' = rho sin theta, q' = e sec^2 theta + rho cos theta, phi' = 2 e sec^2 theta / dv
// and q' - p phi' = rho cos theta + phi' (e + rho cos theta) (the terms e sec^2 theta
// cancel: the tool rolls on the pitch circle without sliding),
//   D'(theta) / 2 = rho sin(theta + phi) + phi' ((e + rho cos theta) sin phi + q cos phi).
// On an interval [a, b] of [0, pi) that does not hold the pole pi/2, |tan| is largest
// at an end, T = max(|tan a|, |tan b|), and sec^2 = 1 + tan^2, so there
//   |D'| <= L(a, b) = 2 |rho| + (4 |e| (1 + T^2) / |dv|) (|e| (1 + T) + 2 |rho|),
// and by the mean-value theorem, for the steps k < j <= n of the scan,
//   |D(theta_j) - D(theta_k)| <= L(theta_k, theta_n) (theta_n - theta_k).
//
// Rounding. Let T now be the largest |tan theta| over all the range's angles, and
// P = |dv|/2 + |e| + |rho|, Q = |e| T + |rho|, Phi = 2 (|c| + |e| T) / |dv| the bounds of
// |p|, |q|, |phi|. With u = 2^-53 and sin, cos and tan within an ulp of the exact
// value, p, q and phi as computed are each within 5u of their bound, the sum
// p cos phi + q sin phi within u (P + Q)(9 + 5 Phi), and the diameter D~ as computed
// within u ((P + Q)(22 + 10 Phi) + 2 |dv| + |d|) of D at the same double theta. With
// the rounding of the distance |dF - D~| the error stays below u W, where
// W = (24 + 10 Phi) S and S = P + Q + |dv| + |d| + |dF| + 0.001.
//
// The skip. Let the distance at step k be delta = |dF - D~_k| >= 0.001. A later step j
// has |dF - D~_j| >= delta - |D(theta_j) - D(theta_k)| - 2 u W. So when
//   L(theta_k, theta_n) (theta_n - theta_k) <= delta - 0.001 - margin,
// with the margin 2^-40 W = 2^13 u W, every step up to n keeps its distance above the
// tolerance: the step-by-step scan passes them by, and this scan goes on at step n + 1.
// The margin is four thousand times the rounding it covers (it would still hold with
// library functions a thousand ulps off); L and the product are computed with a
// further relative 2^-20 to spare for the rounding of their own few operations. The
// last step of the range is always evaluated: without a hit its point gives the
// thickness.
//
// Faults. The scan skips only where no step of the range can fault: 0 <= end <= 3 (so
// FilletAngles holds every angle and pi/2 is the only pole of tan in reach);
// 2^-100 <= |dv|; |dv|, |d|, |dF|, |e|, |rho|, |c| <= 2^100; T <= 2^40 and Phi <= 2^40.
// Then every intermediate value stays below 2^150, far from overflow, the only
// division is by dv != 0, and a subnormal intermediate errs by at most 2^-1074, far
// below the margin (over 2^-140). Elsewhere (an empty range, a million steps,
// degenerate sizes) the scan goes step by step and faults exactly where that does.
constexpr double kSpare = 1.0 + 0x1p-20;
constexpr double kMaxSize = 0x1p100;
constexpr double kMinVirtualDiameter = 0x1p-100;
constexpr double kMaxTangent = 0x1p40;
constexpr double kMaxRollingAngle = 0x1p40;
// The double just below the pole pi/2 of tan: an angle is before the pole when it is
// not above this one.
constexpr double kBeforePole = kExactPi / 2.0;

class SkipBound {
  public:
    // The bound for this scan, or nothing when the scan is outside the proven range.
    static std::optional<SkipBound> of(const FilletCurve& curve) {
        const double end = curve.end().value();
        if (!(end >= 0.0 && end <= FilletAngles::kLimit)) return std::nullopt;
        SkipBound b;
        b.angles_ = &FilletAngles::instance();
        b.last_ = b.angles_->last_not_above(end);
        const FilletScan& s = curve.scan();
        b.dv_ = std::fabs(s.dv.value());
        b.e_ = std::fabs(curve.e().value());
        b.rho_ = std::fabs(s.rho.value());
        const double d = std::fabs(s.d.value());
        const double dF = std::fabs(s.dF.value());
        const double c = std::fabs(curve.c().value());
        if (b.dv_ < kMinVirtualDiameter) return std::nullopt;
        for (double size : {b.dv_, b.e_, b.rho_, d, dF, c}) {
            if (size > kMaxSize) return std::nullopt;
        }
        // |tan| is largest at the last angle or at the angles on either side of the pole.
        const double last_angle = b.angles_->at(b.last_);
        double tan_max = std::fabs(std::tan(last_angle));
        if (last_angle > kBeforePole) {
            const long before = b.angles_->last_not_above(kBeforePole);
            tan_max = std::max({tan_max, std::fabs(std::tan(b.angles_->at(before))),
                                std::fabs(std::tan(b.angles_->at(before + 1)))});
        }
        tan_max *= kSpare;
        const double rolling = 2.0 * (c + b.e_ * tan_max) / b.dv_;
        if (!(tan_max <= kMaxTangent && rolling <= kMaxRollingAngle)) return std::nullopt;
        const double scale = (b.dv_ / 2.0 + b.e_ + b.rho_) + (b.e_ * tan_max + b.rho_) + b.dv_ + d +
                             dF + kFilletTolerance;
        b.margin_ = 0x1p-40 * (24.0 + 10.0 * rolling) * scale;
        return b;
    }

    long last() const { return last_; }

    // The next step to evaluate after step k (k < last()) at angle a, whose point
    // lies `distance` from the form diameter without meeting the tolerance.
    long next_step(long k, double a, double distance) const {
        const double budget = distance - kFilletTolerance - margin_;
        if (!(budget > 0.0)) return k + 1;
        const double tan_a = std::fabs(std::tan(a));
        // A first guess from the slope at theta_k (all the rest when there is none),
        // then fewer steps while the slope over the steps is too steep for the budget.
        const double per_step = slope(tan_a) * kFilletStep;
        long n = last_;
        if (budget < per_step * static_cast<double>(last_ - k)) {
            n = k + static_cast<long>(budget / per_step);
        }
        while (n > k) {
            const double b = angles_->at(n);
            const double L = a <= kBeforePole && b > kBeforePole
                                 ? std::numeric_limits<double>::infinity()
                                 : slope(std::max(tan_a, std::fabs(std::tan(b))));
            if (L * (b - a) * kSpare <= budget) return std::min(n + 1, last_);
            const double fewer = budget / (L * kFilletStep);
            n = std::min(n - 1, k + static_cast<long>(fewer));
        }
        return k + 1;
    }

  private:
    SkipBound() = default;

    // L for the largest |tan| T over an interval.
    double slope(double tan_max) const {
        const double t = tan_max * kSpare;
        return (2.0 * rho_ + (4.0 * e_ * (1.0 + t * t) / dv_) * (e_ * (1.0 + t) + 2.0 * rho_)) *
               kSpare;
    }

    double dv_ = 0.0, e_ = 0.0, rho_ = 0.0;  // |dv|, |e|, |rho|
    double margin_ = 0.0;
    const FilletAngles* angles_ = nullptr;
    long last_ = 0;
};

}  // namespace

Real fillet_thickness_stepwise(const FilletScan& scan) {
    return scan_step_by_step(FilletCurve(scan));
}

Real fillet_thickness(const FilletScan& scan) {
    const FilletCurve curve(scan);
    const std::optional<SkipBound> bound = SkipBound::of(curve);
    if (!bound) return scan_step_by_step(curve);
    const FilletAngles& angles = FilletAngles::instance();
    for (long k = 0;;) {
        const double theta = angles.at(k);
        const FilletCurve::Point point = curve.at(theta);
        const Real distance = curve.distance(point);
        if (distance < kFilletTolerance || k == bound->last()) {
            return FilletCurve::thickness(point);
        }
        k = bound->next_step(k, theta, distance.value());
    }
}

}  // namespace gp::strength
