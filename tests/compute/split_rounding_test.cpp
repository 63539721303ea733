// Rounding to single precision by splitting, and the filter's test of when
// it may be used.
#include "compute/split_rounding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace tremblo {
namespace {

double FromBits(uint64_t bits) {
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Doubles whose single-precision rounding is a normal single: random
// significands, exact ties of both parities, near-ties, and values that
// carry into the next binade.
TEST(RoundToSingleBySplitting, EqualsTheConversionOverTheNormalRange) {
    std::mt19937_64 random(2024);
    int ties = 0;
    for (int i = 0; i < 2000000; ++i) {
        const uint64_t exponent = 1023 - 126 + random() % 254;
        uint64_t bits = (random() & 0x800FFFFFFFFFFFFFull) | (exponent << 52);
        switch (i % 5) {
            case 1:  // exactly halfway between two singles
                bits = (bits & ~0x1FFFFFFFull) | 0x10000000ull;
                ++ties;
                break;
            case 2:  // one unit either side of halfway
                bits = (bits & ~0x1FFFFFFFull) | (0x10000000ull + ((i & 8) ? 1 : -1));
                break;
            case 3:  // all ones below the single's last place: rounds up into the next binade
                bits |= 0x000FFFFFFFFFFFFFull;
                break;
            default:
                break;
        }
        const double v = FromBits(bits);
        const float single = static_cast<float>(v);
        if (std::isinf(single)) continue;  // past the largest single
        ASSERT_TRUE(SameBits(RoundToSingleBySplitting(v), static_cast<double>(single)))
            << std::hexfloat << v;
    }
    EXPECT_GT(ties, 300000);
}

TEST(RoundToSingleBySplitting, KeepsZerosAndTheirSigns) {
    EXPECT_TRUE(SameBits(RoundToSingleBySplitting(0.0), 0.0));
    EXPECT_TRUE(SameBits(RoundToSingleBySplitting(-0.0), -0.0));
    EXPECT_EQ(RoundToSingleBySplitting(0x1p-126), 0x1p-126);
    EXPECT_EQ(RoundToSingleBySplitting(-FLT_MAX), -static_cast<double>(FLT_MAX));
}

TEST(RoundToSingleBySplitting, DiffersFromTheConversionBelowTheNormalRange) {
    // Why the filter checks its inputs: a single below 2^-126 has fewer than
    // 24 significant bits, which splitting does not know.
    const double v = 0x1.234567p-140;
    EXPECT_NE(RoundToSingleBySplitting(v), static_cast<double>(static_cast<float>(v)));
}

TEST(FilterAllowsSplitRounding, AcceptsOrdinaryTracesAndRefusesUnsafeOnes) {
    std::vector<float> h(500);
    for (int j = 0; j < 500; ++j) h[j] = static_cast<float>(std::sin(j * 0.37 + 0.2) * 1e-3 / (1 + j));
    std::vector<float> x(1000);
    for (int i = 0; i < 1000; ++i) x[i] = static_cast<float>(100.0 * std::sin(i * 0.01));
    EXPECT_TRUE(FilterAllowsSplitRounding(500, h.data(), 1000, x.data()));

    std::vector<float> zeros(1000, 0.0f);
    EXPECT_TRUE(FilterAllowsSplitRounding(500, h.data(), 1000, zeros.data()));

    // One sample so small that its products with the smallest tap have units
    // below 2^-126.
    std::vector<float> tiny = x;
    tiny[10] = 1e-30f;
    EXPECT_FALSE(FilterAllowsSplitRounding(500, h.data(), 1000, tiny.data()));
    std::vector<float> smallTaps = h;
    smallTaps[7] = 1e-38f;
    EXPECT_FALSE(FilterAllowsSplitRounding(500, smallTaps.data(), 1000, x.data()));

    // Sums that could reach the end of the single range; the same sample
    // is harmless while the taps stay small.
    std::vector<float> huge = x;
    huge[5] = 3e38f;
    EXPECT_TRUE(FilterAllowsSplitRounding(500, h.data(), 1000, huge.data()));
    std::vector<float> unitTap = h;
    unitTap[0] = 1.0f;
    EXPECT_FALSE(FilterAllowsSplitRounding(500, unitTap.data(), 1000, huge.data()));

    for (float bad : {NAN, INFINITY, -INFINITY}) {
        std::vector<float> y = x;
        y[999] = bad;
        EXPECT_FALSE(FilterAllowsSplitRounding(500, h.data(), 1000, y.data()));
    }
}

}  // namespace
}  // namespace tremblo
