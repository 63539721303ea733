#include "compute/parallel_workers.h"

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

using namespace tremblo;

namespace {

// Counts how often each share ran.
struct ShareCounts {
    explicit ShareCounts(int workers) : counts(workers) {}
    std::vector<std::atomic<int>> counts;
    bool EachOnce() const {
        for (const auto& c : counts) {
            if (c.load() != 1) return false;
        }
        return true;
    }
};

}  // namespace

TEST(RunOnWorkers, EveryShareRunsOnceOnRepeatedCallsOfAnySize) {
    for (int round = 0; round < 50; ++round) {
        for (int workers : {1, 2, 3, 8}) {
            ShareCounts shares(workers);
            RunOnWorkers(workers, [&](int w) { ++shares.counts[w]; });
            ASSERT_TRUE(shares.EachOnce()) << "workers " << workers << ", round " << round;
        }
    }
    int ran = 0;
    RunOnWorkers(0, [&](int w) { ran += w == 0 ? 1 : 100; });
    EXPECT_EQ(ran, 1);
}

TEST(RunOnWorkers, ReturnsOnlyAfterAllSharesFinished) {
    std::atomic<int> finished{0};
    RunOnWorkers(4, [&](int w) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5 * w));
        ++finished;
    });
    EXPECT_EQ(finished.load(), 4);
}

TEST(RunOnWorkers, ConcurrentCallersEachCompleteTheirOwnShares) {
    // Several threads share the helpers; whoever finds them busy must still
    // get all of its shares done, and none of another caller's.
    constexpr int kCallers = 4, kWorkers = 3, kRounds = 40;
    std::vector<std::thread> callers;
    std::atomic<int> failures{0};
    for (int c = 0; c < kCallers; ++c) {
        callers.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) {
                ShareCounts shares(kWorkers);
                RunOnWorkers(kWorkers, [&](int w) { ++shares.counts[w]; });
                if (!shares.EachOnce()) ++failures;
            }
        });
    }
    for (std::thread& t : callers) t.join();
    EXPECT_EQ(failures.load(), 0);
}

TEST(RunOnWorkers, NestedCallFromAShareCompletes) {
    // A share that itself spreads work (the batch runs records in parallel
    // and each record's engine may do the same) finds the helpers busy.
    std::atomic<int> inner{0};
    RunOnWorkers(2, [&](int) { RunOnWorkers(2, [&](int) { ++inner; }); });
    EXPECT_EQ(inner.load(), 4);
}
