#pragma once
// Many independent runs of the model on every core (oneTBB). Each run writes only what belongs to
// its own index, so the results are the same whatever the number of threads. A batch can be
// stopped from outside (a newer request makes it stale) and reports its progress.

#include "model/engine.h"

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

namespace karnoth {

struct BatchControl {
    std::stop_token stop;  // a requested stop ends the batch early
    // Called from the worker threads now and then with the runs done so far; must be thread-safe.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

class BatchRunner {
public:
    // `threads` 0 takes every core.
    explicit BatchRunner(int threads = 0);
    int threads() const { return threads_; }

    // Calls work(begin, end) over disjoint ranges that together cover [0, count), in parallel. A
    // range lets the work keep its scratch (a ModelResult) on its own stack. Returns false when it
    // was stopped before every range ran.
    bool forEachRange(std::size_t count, const std::function<void(std::size_t begin, std::size_t end)>& work,
                      const BatchControl& control = {}) const;

    // One model run for each of `inputs`, all with the same culling counts; outcome i belongs to
    // inputs[i]. Empty when stopped.
    std::vector<ModelOutcome> run(std::span<const ModelInputs> inputs, const YearlySeries& killedByYear,
                                  const BatchControl& control = {}) const;

private:
    int threads_;
};

}  // namespace karnoth
