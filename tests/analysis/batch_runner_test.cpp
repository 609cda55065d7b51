#include "analysis/batch_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace karnoth {
namespace {

std::vector<ModelInputs> rateSweep(int count)
{
    std::vector<ModelInputs> inputs(count);
    for (int i = 0; i < count; ++i) {
        inputs[i].programmeRate = i % 1001;
        inputs[i].firstYearMultiplier = i % 7 == 0 ? 20 : 1;  // some runs fault
    }
    return inputs;
}

TEST(BatchRunner, ResultsAreTheSameWhateverTheThreadCount)
{
    const std::vector<ModelInputs> inputs = rateSweep(700);
    std::vector<std::vector<float>> byThreads;
    for (int threads : {1, 2, 4}) {
        const std::vector<ModelOutcome> outcomes = BatchRunner(threads).run(inputs, {});
        ASSERT_EQ(outcomes.size(), inputs.size());
        std::vector<float> totals;
        for (const ModelOutcome& outcome : outcomes)
            totals.push_back(outcome.ok() ? outcome.result().series.streetTotal[2040] : -1);
        byThreads.push_back(totals);
    }
    EXPECT_EQ(byThreads[0], byThreads[1]);
    EXPECT_EQ(byThreads[0], byThreads[2]);
    // Each outcome is that of its own inputs.
    for (std::size_t i : {0u, 7u, 350u, 699u}) {
        const ModelOutcome alone = runModel(inputs[i]);
        EXPECT_EQ(alone.ok(), byThreads[0][i] != -1) << i;
        if (alone.ok()) {
            EXPECT_EQ(alone.result().series.streetTotal[2040], byThreads[0][i]) << i;
        }
    }
}

TEST(BatchRunner, RangesCoverEveryIndexOnceAndProgressReachesTheTotal)
{
    std::vector<std::atomic<int>> seen(1000);
    std::atomic<std::size_t> last{0};
    BatchControl control;
    control.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 1000u);
        std::size_t before = last.load();
        while (done > before && !last.compare_exchange_weak(before, done)) { }
    };
    EXPECT_TRUE(BatchRunner(2).forEachRange(
        1000,
        [&](std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i) ++seen[i];
        },
        control));
    for (const std::atomic<int>& count : seen) EXPECT_EQ(count.load(), 1);
    EXPECT_EQ(last.load(), 1000u);
}

TEST(BatchRunner, AStoppedBatchSaysSoAndGivesNothing)
{
    std::stop_source source;
    source.request_stop();
    BatchControl control;
    control.stop = source.get_token();
    std::atomic<int> ran{0};
    EXPECT_FALSE(BatchRunner(2).forEachRange(
        5000, [&](std::size_t, std::size_t) { ++ran; }, control));
    EXPECT_EQ(ran.load(), 0);
    EXPECT_TRUE(BatchRunner(2).run(rateSweep(100), {}, control).empty());
    EXPECT_TRUE(BatchRunner(2).forEachRange(0, [&](std::size_t, std::size_t) { ++ran; }));
}

}  // namespace
}  // namespace karnoth
