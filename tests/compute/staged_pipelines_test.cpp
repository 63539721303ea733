#include "compute/staged_pipelines.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

using namespace tremblo;

// Every part of every step runs exactly once, and no part of a step starts
// before every part of the step before it in the same pipeline has ended.
TEST(RunStagedPipelines, StepsRunInOrderAndEachPartOnce) {
    constexpr int kPipelines = 3;
    const std::vector<int> parts = {1, 17, 1, 0, 9, 1};
    for (int workers : {1, 2, 4}) {
        std::mutex mutex;
        // ended[p][s]: parts of step s of pipeline p that have ended.
        std::vector<std::vector<int>> ended(kPipelines, std::vector<int>(parts.size()));
        std::vector<std::vector<std::vector<int>>> runs(
            kPipelines, std::vector<std::vector<int>>(parts.size()));
        std::atomic<int> outOfOrder{0};
        std::vector<Pipeline> pipelines(kPipelines);
        for (int p = 0; p < kPipelines; ++p) {
            for (size_t s = 0; s < parts.size(); ++s) {
                pipelines[p].push_back({parts[s], [&, p, s](int part) {
                                            {
                                                std::lock_guard<std::mutex> lock(mutex);
                                                for (size_t before = 0; before < s; ++before) {
                                                    if (ended[p][before] != parts[before]) ++outOfOrder;
                                                }
                                                runs[p][s].push_back(part);
                                            }
                                            std::lock_guard<std::mutex> lock(mutex);
                                            ++ended[p][s];
                                        }});
            }
        }
        RunStagedPipelines(pipelines, workers);
        EXPECT_EQ(outOfOrder.load(), 0) << "workers " << workers;
        for (int p = 0; p < kPipelines; ++p) {
            for (size_t s = 0; s < parts.size(); ++s) {
                std::vector<int> seen = runs[p][s];
                std::sort(seen.begin(), seen.end());
                std::vector<int> expected(parts[s]);
                for (int k = 0; k < parts[s]; ++k) expected[k] = k;
                EXPECT_EQ(seen, expected) << "pipeline " << p << " step " << s;
            }
        }
    }
}

TEST(RunStagedPipelines, NothingToDoReturns) {
    RunStagedPipelines({}, 2);
    RunStagedPipelines({Pipeline{}, Pipeline{{0, [](int) { FAIL(); }}}}, 2);
}
