// A sizing run: every variant of a space rated on several threads, the admissible
// ones handed on in the enumeration order (the same order whatever the number of
// threads), with progress to watch and a cancel that takes effect at once.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sizing_requirements.h"
#include "sizing_variant.h"

namespace gp::sizing {

struct Progress {
    std::uint64_t total = 0;       // variants to try
    std::uint64_t done = 0;        // tried so far
    std::uint64_t admissible = 0;  // found so far
    std::optional<double> seconds_left;
};

struct Summary {
    std::uint64_t tried = 0, admissible = 0;
    std::array<std::uint64_t, kFailureKinds> failures{};
    bool cancelled = false;
    std::string first_rating_stop;  // why the first variant that could not be rated stopped
};

// How many threads rate variants when not told: one per core.
int default_workers();

class SizingRun {
  public:
    SizingRun(const Space& space, int workers);

    // Rates every variant, handing each admissible one to `take` (on one thread
    // at a time, in the enumeration order) and returns the counts. Only a batch of
    // rows is held at a time. An exception of `take` ends the run and is raised here.
    Summary run(const std::function<void(const Variant&)>& take);

    // From any thread: the workers stop within one variant each; run() returns.
    void cancel() { cancelled_.store(true); }
    Progress progress() const;

  private:
    const Space& space_;
    int workers_;
    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> done_{0}, admissible_{0};
    std::chrono::steady_clock::time_point start_;
};

// What the user reads about a finished run: nothing to try, nothing admissible
// (with the most frequent reason), or empty when there are rows.
std::string outcome_note(const Summary& s);

}  // namespace gp::sizing
