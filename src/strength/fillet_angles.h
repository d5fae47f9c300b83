// The angles the fillet scan visits, as the scan produces them: starting from 0 and
// adding kFilletStep in double precision step after step. The k-th angle is not
// k * kFilletStep (every addition rounds), so a scan that wants to go straight to
// step k takes the angle from here.
#pragma once

#include <vector>

namespace gp::strength {

class FilletAngles {
  public:
    // Every angle up to this one is held (radians).
    static constexpr double kLimit = 3.0;

    // The angles, built once on first use.
    static const FilletAngles& instance();

    // theta_k, for 0 <= k < count().
    double at(long k) const;
    // The number of angles up to kLimit.
    long count() const { return count_; }
    // The last step k with theta_k <= end, for end <= kLimit (-1 when end < 0).
    long last_not_above(double end) const;

  private:
    FilletAngles();

    // Within a binade of theta every addition rounds by the same amount, so the
    // angles come in a few runs of equal steps, each held by its first step, first
    // angle and step.
    struct Run {
        long first;
        double theta;
        double step;
    };
    static double in_run(const Run& run, long k);

    std::vector<Run> runs_;
    long count_ = 0;
};

}  // namespace gp::strength
