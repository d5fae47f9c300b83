#include "sizing_run.h"

#include <algorithm>
#include <barrier>
#include <exception>
#include <thread>
#include <vector>

#include "messages/sizing.h"

namespace gp::sizing {

int default_workers() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

SizingRun::SizingRun(const Space& space, int workers)
    : space_(space), workers_(std::clamp(workers, 1, 1024)) {}

Progress SizingRun::progress() const {
    Progress p;
    p.total = space_.variant_count();
    p.done = done_.load();
    p.admissible = admissible_.load();
    if (p.done > 0 && start_ != std::chrono::steady_clock::time_point{}) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        p.seconds_left = elapsed * static_cast<double>(p.total - std::min(p.total, p.done)) /
                         static_cast<double>(p.done);
    }
    return p;
}

Summary SizingRun::run(const std::function<void(const Variant&)>& take) {
    start_ = std::chrono::steady_clock::now();
    Summary summary;
    const std::uint64_t blocks = space_.blocks();
    // A batch holds about 16,000 variants' rows at most, and work for every thread.
    const std::uint64_t batch = std::max<std::uint64_t>(
        2 * static_cast<std::uint64_t>(workers_), 16384 / std::max<std::uint64_t>(1, space_.per_block()));
    std::vector<BlockOutcome> outcomes;
    std::uint64_t first = 0, last = std::min(blocks, batch);
    outcomes.resize(static_cast<std::size_t>(last - first));
    std::atomic<std::uint64_t> next{first};
    bool finished = blocks == 0;
    std::exception_ptr fault;

    // Between batches, on one thread while the others wait: the rows in order.
    const auto hand_on = [&]() noexcept {
        try {
            for (BlockOutcome& o : outcomes) {
                summary.tried += o.tried;
                for (int k = 0; k < kFailureKinds; ++k) summary.failures[k] += o.failures[k];
                if (summary.first_rating_stop.empty()) summary.first_rating_stop = o.first_rating_stop;
                for (const Variant& v : o.rows) {
                    if (cancelled_.load()) break;
                    take(v);
                    ++summary.admissible;
                }
                o = BlockOutcome{};
            }
        } catch (...) {
            fault = std::current_exception();
        }
        first = last;
        last = std::min(blocks, first + batch);
        next.store(first);
        finished = fault || cancelled_.load() || first == blocks;
    };
    std::barrier sync(workers_, hand_on);
    const auto work = [&] {
        while (!finished) {
            for (std::uint64_t k = next.fetch_add(1); k < last; k = next.fetch_add(1)) {
                if (cancelled_.load(std::memory_order_relaxed)) break;
                BlockOutcome& o = outcomes[static_cast<std::size_t>(k - first)];
                rate_block(space_, k, o, &cancelled_);
                done_.fetch_add(o.tried);
                admissible_.fetch_add(o.rows.size());
            }
            sync.arrive_and_wait();
        }
    };
    {
        std::vector<std::jthread> threads;
        for (int t = 1; t < workers_; ++t) threads.emplace_back(work);
        work();
    }
    if (fault) std::rethrow_exception(fault);
    summary.cancelled = cancelled_.load();
    return summary;
}

std::string outcome_note(const Summary& s) {
    namespace m = msg::sizing;
    if (s.tried == 0 && !s.cancelled) return m::kEmptySpace;
    if (s.admissible > 0 || s.cancelled) return {};
    const auto most = std::max_element(s.failures.begin(), s.failures.end());
    const auto kind = static_cast<Failure>(most - s.failures.begin());
    std::string note = m::none_admissible_because(failure_text(kind), std::to_string(*most));
    if (kind == Failure::RatingStop && !s.first_rating_stop.empty()) {
        note += "\n" + m::first_rating_stop(s.first_rating_stop);
    }
    return note;
}

}  // namespace gp::sizing
