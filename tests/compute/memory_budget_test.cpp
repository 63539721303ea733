// Workers reserving memory: what fits passes at once, what does not waits
// for a release, and a piece larger than the whole budget runs alone.
#include "compute/memory_budget.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace tremblo {
namespace {

using namespace std::chrono_literals;

TEST(MemoryBudget, WaitsUntilAReservationFitsBesideTheOthers) {
    const struct {
        const char* what;
        std::uint64_t first, second;
        bool waits;
    } cases[]{
        {"both fit", 40, 60, false},
        {"together too much", 60, 60, true},
        {"the second alone larger than the budget", 10, 500, true},
        {"the first larger than the budget", 500, 1, true},
    };
    for (const auto& c : cases) {
        MemoryBudget budget(100);
        std::optional<MemoryBudget::Hold> first(budget.Reserve(c.first));
        std::atomic<bool> reserved = false;
        std::thread second([&] {
            MemoryBudget::Hold hold = budget.Reserve(c.second);
            reserved = true;
        });
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(reserved.load(), !c.waits) << c.what;
        first.reset();
        second.join();
        EXPECT_TRUE(reserved.load()) << c.what;
        EXPECT_EQ(budget.held(), 0u) << c.what;
    }
}

TEST(MemoryBudget, AvailableMemoryIsReadFromTheKernel) { EXPECT_GT(AvailableMemoryBytes(), 0u); }

}  // namespace
}  // namespace tremblo
