// The kept exact coefficients: always those MakeExactCoefficients gives for
// the same three values, whatever was asked before, past the cache's size
// and on other threads.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "spectrum/exact_coefficient_cache.h"

namespace tremblo {
namespace {

struct Oscillator {
    double dt, period, damping;
};

// Neighbours differing in one value only: a key that dropped or mixed up a
// value would hand one the other's coefficients.
const Oscillator kOscillators[] = {
    {0.01, 1.0, 0.05},   {0.01, 1.0, 0.02},      {0.01, 1.0, 0.0},   {0.005, 1.0, 0.05},
    {0.01, 0.05, 0.05},  {0.01, 0.05000001, 0.05}, {0.02, 10.0, 0.2}, {0.001, 0.1, 0.05},
    {0.05, 1.0, 0.05},   {1.0, 0.05, 0.05},      {0.01, 1.0, 0.05000000000000001},
};

bool SameBits(const ExactCoefficients& a, const ExactCoefficients& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectAllAsComputed(const char* when) {
    for (const Oscillator& o : kOscillators) {
        const ExactCoefficients direct = MakeExactCoefficients(o.dt, o.period, o.damping);
        EXPECT_TRUE(SameBits(CachedExactCoefficients(o.dt, o.period, o.damping), direct))
            << when << ": dt " << o.dt << " T " << o.period << " h " << o.damping;
    }
}

TEST(ExactCoefficientCache, GivesTheComputedValuesFirstAndAgain) {
    ExpectAllAsComputed("first");
    ExpectAllAsComputed("again");
    // The neighbours do differ, so that the check above tells them apart.
    EXPECT_FALSE(SameBits(MakeExactCoefficients(0.01, 1.0, 0.05), MakeExactCoefficients(0.01, 1.0, 0.02)));
    EXPECT_FALSE(SameBits(MakeExactCoefficients(0.01, 1.0, 0.05), MakeExactCoefficients(0.005, 1.0, 0.05)));
}

TEST(ExactCoefficientCache, StaysRightPastItsSize) {
    ExpectAllAsComputed("before");
    for (int i = 0; i < EXACT_COEFFICIENT_CACHE_SIZE + 37; ++i)
        CachedExactCoefficients(0.01, 0.05 + 1e-4 * i, 0.05);
    ExpectAllAsComputed("after filling it");
    const double late = 0.05 + 1e-4 * (EXACT_COEFFICIENT_CACHE_SIZE + 36);
    EXPECT_TRUE(SameBits(CachedExactCoefficients(0.01, late, 0.05), MakeExactCoefficients(0.01, late, 0.05)));
}

TEST(ExactCoefficientCache, EachThreadGivesTheComputedValues) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &wrong] {
            for (int round = 0; round < 3; ++round)
                for (const Oscillator& o : kOscillators)
                    if (!SameBits(CachedExactCoefficients(o.dt, o.period * (1 + t), o.damping),
                                  MakeExactCoefficients(o.dt, o.period * (1 + t), o.damping)))
                        ++wrong[static_cast<std::size_t>(t)];
        });
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(wrong[static_cast<std::size_t>(t)], 0) << "thread " << t;
}

}  // namespace
}  // namespace tremblo
