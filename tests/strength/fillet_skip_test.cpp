// The skipping fillet scan against the step-by-step scan: the same bits, or a fault
// in both, on the golden pairs' scans, on hundreds of thousands of random scans that
// meet the tolerance at their first, last or a middle step or never, and on scans
// outside the range where steps are skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "batch_input.h"
#include "fillet_angles.h"
#include "root_form_thickness.h"

namespace gp::strength {
namespace {

// The thickness's bits, or nothing when the scan faults.
std::optional<std::uint64_t> outcome(Real (*scan)(const FilletScan&), const FilletScan& s) {
    try {
        return std::bit_cast<std::uint64_t>(scan(s).value());
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

void expect_same_scan(const FilletScan& s) {
    EXPECT_EQ(outcome(fillet_thickness, s), outcome(fillet_thickness_stepwise, s))
        << "mn " << s.mn.value() << " alpha_n " << s.alpha_n.value() << " xn " << s.xn.value()
        << " rho " << s.rho.value() << " hf " << s.hf.value() << " d " << s.d.value() << " dv "
        << s.dv.value() << " dF " << s.dF.value();
}

TEST(FilletAngles, AreTheAnglesOfRepeatedAddition) {
    const FilletAngles& angles = FilletAngles::instance();
    long k = 0;
    for (Real theta = 0.0; theta <= FilletAngles::kLimit; theta += kFilletStep, ++k) {
        ASSERT_LT(k, angles.count());
        ASSERT_EQ(angles.at(k), theta.value()) << "step " << k;
    }
    EXPECT_EQ(k, angles.count());
    // The last step of a range, on the angles themselves and between them.
    for (long j = 1; j < angles.count(); j += 97) {
        const double theta = angles.at(j);
        EXPECT_EQ(angles.last_not_above(theta), j);
        EXPECT_EQ(angles.last_not_above(std::nextafter(theta, 0.0)), j - 1);
    }
    EXPECT_EQ(angles.last_not_above(FilletAngles::kLimit), angles.count() - 1);
    EXPECT_EQ(angles.last_not_above(-kFilletStep), -1);
}

// Every point of one scan's range as the step-by-step scan computes it: its
// diameter and its thickness. The result of a scan of this shape for any form
// diameter dF follows from them without scanning again.
class ScanRange {
  public:
    explicit ScanRange(const FilletScan& shape) : shape_(shape) {
        const FilletCurve curve(shape);
        for (Real theta = 0.0; theta <= curve.end(); theta += kFilletStep) {
            const FilletCurve::Point point = curve.at(theta);
            diameter_.push_back(curve.diameter(point).value());
            thickness_.push_back(FilletCurve::thickness(point).value());
        }
        by_diameter_.resize(diameter_.size());
        std::iota(by_diameter_.begin(), by_diameter_.end(), 0L);
        std::ranges::sort(by_diameter_, {}, [&](long k) { return diameter_[k]; });
    }

    long last() const { return static_cast<long>(diameter_.size()) - 1; }
    double diameter(long k) const { return diameter_[k]; }
    double lowest() const { return diameter_[by_diameter_.front()]; }
    double highest() const { return diameter_[by_diameter_.back()]; }

    // The first step whose distance from dF is below the tolerance, computed as the
    // scan computes it; -1 when none is. As dF - D rounded falls as D grows, the
    // steps that meet the tolerance are a band of the steps sorted by diameter.
    long first_hit(double dF) const {
        const auto distance = [&](long k) { return (Real(dF) - Real(diameter_[k])).value(); };
        const auto from = std::ranges::partition_point(
            by_diameter_, [&](long k) { return distance(k) >= kFilletTolerance; });
        const auto to = std::partition_point(
            from, by_diameter_.end(), [&](long k) { return distance(k) > -kFilletTolerance; });
        return from == to ? -1 : *std::min_element(from, to);
    }

    // The step-by-step scan's result for dF.
    std::uint64_t thickness_for(double dF) const {
        const long hit = first_hit(dF);
        return std::bit_cast<std::uint64_t>(thickness_[hit < 0 ? last() : hit]);
    }

    FilletScan with_form_diameter(double dF) const {
        FilletScan s = shape_;
        s.dF = dF;
        return s;
    }

  private:
    FilletScan shape_;
    std::vector<double> diameter_, thickness_;
    std::vector<long> by_diameter_;
};

// How a random shape's pressure angle is drawn: around the usual 20 degrees; large,
// so that the range is short; or small or negative, so that the range comes near
// pi/2 or passes it, where tan has its pole and the diameter swings wildly.
enum class Range { usual, short_, to_the_pole };

// A gear shape as the strength calculation produces it, over a wide span of sizes:
// modules from 0.1 to 25 mm, virtual tooth numbers from 4 to 500, fillet radii from
// none to 0.6 mn.
FilletScan random_shape(std::mt19937_64& rng, Range range) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto between = [&](double lo, double hi) { return lo + (hi - lo) * unit(rng); };
    constexpr double kDegree = 3.141592654 / 180.0;
    const double alpha = range == Range::usual    ? between(10.0, 30.0)
                         : range == Range::short_ ? between(30.0, 89.9)
                                                  : between(-30.0, 10.0);
    FilletScan s;
    s.mn = std::exp(between(std::log(0.1), std::log(25.0)));
    s.alpha_n = alpha * kDegree;
    s.xn = between(-0.8, 1.0);
    s.rho = s.mn * (unit(rng) < 0.05 ? 0.0 : between(0.0, 0.6));
    s.hf = s.mn * between(0.6, 1.6);
    const double cos_beta = std::cos(between(0.0, 45.0) * kDegree);
    s.dv = s.mn * std::exp(between(std::log(4.0), std::log(500.0)));
    s.d = s.dv * cos_beta * cos_beta;
    s.dF = 0.0;
    return s;
}

TEST(FilletSkip, MatchesTheStepwiseScanOnRandomScans) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Near the pole most points have to be evaluated (as slowly as step by step), so
    // those shapes get fewer scans.
    constexpr int kShapes = 440;
    constexpr int kScansPerShape = 750;
    constexpr int kScansPerPoleShape = 12;
    long at_first = 0, at_last = 0, in_between = 0, never = 0;
    for (int shape = 0; shape < kShapes; ++shape) {
        const Range kind = shape % 11 == 0   ? Range::to_the_pole
                           : shape % 11 == 1 ? Range::short_
                                             : Range::usual;
        const ScanRange range(random_shape(rng, kind));
        const long last = range.last();
        ASSERT_GE(last, 0);
        std::uniform_int_distribution<long> any_step(0, last);
        const auto nudge = [&](double x, int ulps) {
            for (; ulps > 0; --ulps) x = std::nextafter(x, INFINITY);
            for (; ulps < 0; ++ulps) x = std::nextafter(x, -INFINITY);
            return x;
        };
        const int scans = kind == Range::to_the_pole ? kScansPerPoleShape : kScansPerShape;
        for (int i = 0; i < scans; ++i) {
            const double tolerance = kFilletTolerance * (unit(rng) < 0.5 ? 1.0 : -1.0);
            double dF = 0.0;
            switch (i % 6) {
                case 0:  // within the tolerance of the first point
                    dF = range.diameter(0) + tolerance * unit(rng);
                    break;
                case 1:  // within the tolerance of the last point
                    dF = range.diameter(last) + tolerance * unit(rng);
                    break;
                case 2:  // at the very edge of the tolerance of some point
                    dF = nudge(range.diameter(any_step(rng)) + tolerance,
                               static_cast<int>(any_step(rng) % 7) - 3);
                    break;
                case 3:  // near some point
                    dF = range.diameter(any_step(rng)) + 1.5 * tolerance * unit(rng);
                    break;
                case 4:  // anywhere over the diameters' span
                    dF =
                        range.lowest() - 0.5 + (range.highest() - range.lowest() + 1.0) * unit(rng);
                    break;
                default:  // out of reach
                    dF = unit(rng) < 0.5 ? range.lowest() - 0.002 - 10.0 * unit(rng)
                                         : range.highest() + 0.002 + 10.0 * unit(rng);
            }
            const FilletScan scan = range.with_form_diameter(dF);
            ASSERT_EQ(outcome(fillet_thickness, scan), range.thickness_for(dF))
                << "shape " << shape << " case " << i << " dF " << dF;
            const long hit = range.first_hit(dF);
            (hit == 0 ? at_first : hit == last ? at_last : hit < 0 ? never : in_between) += 1;
            // The range's summary itself against the step-by-step scan, now and then.
            if (i % 250 == 5) {
                ASSERT_EQ(outcome(fillet_thickness_stepwise, scan), range.thickness_for(dF));
            }
        }
    }
    EXPECT_GT(at_first, 10'000);
    EXPECT_GT(at_last, 10'000);
    EXPECT_GT(in_between, 100'000);  // of 300,480 scans
    EXPECT_GT(never, 10'000);
}

TEST(FilletSkip, MatchesTheStepwiseScanOnTheGoldenPairs) {
    std::ifstream file(GEARPAIR_GOLDEN_DIR "/cases.csv", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    int scans = 0;
    for (const BatchRow& row : read_batch(text.str())) {
        try {
            const StrengthInputs pair = read_strength_inputs(row.input);
            const ReferenceGeometry geo = reference_geometry(pair);
            for (int i = 0; i < 2; ++i) {
                if (const auto scan = fillet_scan_of(pair, geo, i)) {
                    SCOPED_TRACE("cases.csv line " + std::to_string(row.line));
                    expect_same_scan(*scan);
                    ++scans;
                }
            }
        } catch (const StopSignal&) {
            // the pair stops before its scans
        }
    }
    EXPECT_GT(scans, 150);
}

// Scans that skip nothing or fault: an empty range, a range that passes pi/2 far
// enough to reach more than pi, a range of a million steps, and sizes of no gear
// (zero, subnormal, huge), each with the form diameter met and missed.
TEST(FilletSkip, MatchesTheStepwiseScanOutsideItsProvenRange) {
    FilletScan base;
    base.mn = 2.0, base.alpha_n = 0.349065850444444, base.xn = 0.08, base.rho = 0.76;
    base.hf = 2.34, base.d = 40.0, base.dv = 40.0, base.dF = 36.2;
    const auto with = [&](auto field, double value) {
        FilletScan s = base;
        s.*field = value;
        return s;
    };
    const std::vector<FilletScan> scans = {
        base,
        with(&FilletScan::alpha_n, 1.570796328),           // empty range
        with(&FilletScan::alpha_n, 1.570796327),           // a single step
        with(&FilletScan::alpha_n, 1.570796327 - 3.0),     // up to the last angle held
        with(&FilletScan::alpha_n, 1.570796327 - 3.0001),  // just beyond it
        with(&FilletScan::alpha_n, -2.0),                  // past pi
        with(&FilletScan::alpha_n, 1.570796327 - 99.99),   // just under a million steps
        with(&FilletScan::alpha_n, 1.570796327 - 100.01),  // just over
        with(&FilletScan::dv, 0.0),                        // division by zero
        with(&FilletScan::dv, 1e-310),                     // overflow of phi
        with(&FilletScan::dv, 0x1p-99),                    // tiny but within the bounds
        with(&FilletScan::dv, 1e300),                      // overflow of the diameter
        with(&FilletScan::hf, 1e200),                      // overflow of q
        with(&FilletScan::rho, 0x1p100),                   // at the size bound
        with(&FilletScan::rho, 0.0),                       // no fillet radius
        with(&FilletScan::rho, 2.34),                      // tip-radius centre on the line
        with(&FilletScan::dF, 1e300),                      // never met
    };
    for (const FilletScan& s : scans) expect_same_scan(s);
    // No fillet radius and no dedendum: every point lies on one circle.
    FilletScan circle = with(&FilletScan::rho, 0.0);
    circle.hf = 0.0;
    expect_same_scan(circle);
    circle.dF = circle.dv;
    expect_same_scan(circle);
}

}  // namespace
}  // namespace gp::strength
