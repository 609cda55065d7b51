#include "analysis/batch_runner.h"

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/task_arena.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

namespace karnoth {
namespace {

// Ranges of about this many runs: small enough to share the work out and to notice a stop soon,
// large enough that scheduling costs nothing next to a run of about 4 microseconds.
constexpr std::size_t kGrain = 64;

}  // namespace

BatchRunner::BatchRunner(int threads)
    : threads_(threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
{ }

bool BatchRunner::forEachRange(std::size_t count, const std::function<void(std::size_t begin, std::size_t end)>& work,
                               const BatchControl& control) const
{
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stopped{false};
    tbb::task_arena arena(threads_);
    arena.execute([&] {
        tbb::parallel_for(tbb::blocked_range<std::size_t>(0, count, kGrain),
                          [&](const tbb::blocked_range<std::size_t>& range) {
                              if (stopped.load(std::memory_order_relaxed)) return;
                              if (control.stop.stop_requested()) {
                                  stopped = true;
                                  return;
                              }
                              work(range.begin(), range.end());
                              const std::size_t now = done += range.size();
                              if (control.progress) control.progress(now, count);
                          });
    });
    return !stopped && !control.stop.stop_requested();
}

std::vector<ModelOutcome> BatchRunner::run(std::span<const ModelInputs> inputs, const YearlySeries& killedByYear,
                                           const BatchControl& control) const
{
    std::vector<std::optional<ModelOutcome>> slots(inputs.size());
    const bool finished = forEachRange(
        inputs.size(),
        [&](std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i) slots[i].emplace(runModel(inputs[i], killedByYear));
        },
        control);
    std::vector<ModelOutcome> outcomes;
    if (!finished) return outcomes;
    outcomes.reserve(slots.size());
    for (std::optional<ModelOutcome>& slot : slots) outcomes.push_back(std::move(*slot));
    return outcomes;
}

}  // namespace karnoth
