#include "fillet_angles.h"

#include <algorithm>
#include <iterator>

#include "fillet_scan.h"
#include "real.h"

namespace gp::strength {

const FilletAngles& FilletAngles::instance() {
    static const FilletAngles angles;
    return angles;
}

double FilletAngles::in_run(const Run& run, long k) {
    return run.theta + static_cast<double>(k - run.first) * run.step;
}

// The angles are added up exactly as the scan adds them, and cut into runs so that
// every angle is reproduced to the bit by its run: a run ends where its formula
// would miss the next angle. Nothing rests on why the runs are few (about ten),
// only on this check of every angle.
FilletAngles::FilletAngles() {
    std::vector<double> thetas;
    for (Real theta = 0.0; theta <= kLimit; theta += kFilletStep) thetas.push_back(theta.value());
    count_ = static_cast<long>(thetas.size());
    for (long k = 0; k < count_; ++k) {
        if (!runs_.empty() && in_run(runs_.back(), k) == thetas[k]) continue;
        const double step = k + 1 < count_ ? thetas[k + 1] - thetas[k] : kFilletStep;
        runs_.push_back({k, thetas[k], step});
    }
}

double FilletAngles::at(long k) const {
    const auto next = std::ranges::upper_bound(runs_, k, {}, &Run::first);
    return in_run(*std::prev(next), k);
}

long FilletAngles::last_not_above(double end) const {
    // Bisection on the rising angles, keeping at(low) <= end < at(high).
    if (!(end >= 0.0)) return -1;
    long low = 0, high = count_;
    while (high - low > 1) {
        const long middle = low + (high - low) / 2;
        (at(middle) <= end ? low : high) = middle;
    }
    return low;
}

}  // namespace gp::strength
