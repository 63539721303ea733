// Fourier amplitude spectra: lengths, sines on exact bins, an impulse, the taper.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "fourier/fourier_amplitude.h"

namespace tremblo {
namespace {

TEST(FourierAmplitudeTest, PadsToThePowerOfTwoAtOrAboveTheLength) {
    const struct {
        int samples, length;
    } cases[] = {{0, 2}, {1, 2}, {2, 2}, {3, 4}, {1024, 1024}, {1025, 2048}, {30000, 32768}, {70000, 131072}};
    for (const auto& c : cases) {
        EXPECT_EQ(FourierLength(c.samples), c.length) << c.samples;
        FourierAmplitude fas;
        ASSERT_TRUE(ComputeFourierAmplitude(std::vector<float>(static_cast<std::size_t>(c.samples), 1.0f), 0.01f,
                                            false, fas));
        EXPECT_EQ(fas.length, c.length);
        EXPECT_EQ(fas.amplitude.size(), static_cast<std::size_t>(c.length / 2 + 1));
        EXPECT_DOUBLE_EQ(fas.df, 1.0 / (c.length * static_cast<double>(0.01f)));
        // The constant's DC bin is its sum times dt.
        EXPECT_NEAR(fas.amplitude[0], c.samples * static_cast<double>(0.01f), 1e-6 * (1 + c.samples));
    }
}

// A sine of amplitude A on bin m of an N-sample window: A N dt / 2 there,
// (next to) nothing elsewhere.
TEST(FourierAmplitudeTest, SineOnAnExactBinGivesHalfItsAmplitudeTimesTheDuration) {
    const struct {
        int n, bin;
        double amplitude, phase;
        float dt;
    } cases[] = {{256, 5, 3.0, 0.0, 0.01f}, {1024, 100, 50.0, 0.7, 0.005f}, {4096, 2047, 0.25, 1.3, 0.02f},
                 {8192, 1, 120.0, 2.0, 0.01f}};
    for (const auto& c : cases) {
        std::vector<float> x(static_cast<std::size_t>(c.n));
        for (int i = 0; i < c.n; ++i)
            x[static_cast<std::size_t>(i)] =
                static_cast<float>(c.amplitude * std::sin(2.0 * std::numbers::pi * c.bin * i / c.n + c.phase));
        FourierAmplitude fas;
        ASSERT_TRUE(ComputeFourierAmplitude(x, c.dt, false, fas));
        const double expected = c.amplitude * c.n * c.dt / 2.0;
        EXPECT_NEAR(fas.amplitude[static_cast<std::size_t>(c.bin)], expected, 1e-5 * expected) << c.n;
        for (std::size_t k = 0; k < fas.amplitude.size(); ++k) {
            if (static_cast<int>(k) == c.bin) continue;
            EXPECT_LT(fas.amplitude[k], 1e-5 * expected) << c.n << " bin " << k;
        }
        EXPECT_NEAR(fas.Frequency(c.bin), c.bin / (c.n * static_cast<double>(c.dt)), 1e-12);
    }
}

TEST(FourierAmplitudeTest, UnitImpulseIsFlatAtDt) {
    for (const int n : {2, 7, 100, 5000}) {
        for (const int at : {0, n / 2, n - 1}) {
            std::vector<float> x(static_cast<std::size_t>(n), 0.0f);
            x[static_cast<std::size_t>(at)] = 1.0f;
            FourierAmplitude fas;
            ASSERT_TRUE(ComputeFourierAmplitude(x, 0.01f, false, fas));
            for (double a : fas.amplitude) EXPECT_NEAR(a, static_cast<double>(0.01f), 1e-8) << n << " at " << at;
        }
    }
}

TEST(FourierAmplitudeTest, TaperBendsFivePerCentOfEachEnd) {
    std::vector<float> x(200, 2.0f);
    ApplyCosineTaper(x);
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(x[199], 0.0f);
    EXPECT_FLOAT_EQ(x[5], 1.0f);  // half way up the 10-sample bell
    EXPECT_FLOAT_EQ(x[194], 1.0f);
    for (int i = 1; i < 10; ++i) {
        EXPECT_GT(x[static_cast<std::size_t>(i)], x[static_cast<std::size_t>(i - 1)]);
        EXPECT_FLOAT_EQ(x[static_cast<std::size_t>(i)], x[static_cast<std::size_t>(199 - i)]);
    }
    for (int i = 10; i < 190; ++i) EXPECT_EQ(x[static_cast<std::size_t>(i)], 2.0f);

    // The spectrum of a tapered constant: its sum less the two bells.
    FourierAmplitude plain, tapered;
    const std::vector<float> ones(200, 1.0f);
    ASSERT_TRUE(ComputeFourierAmplitude(ones, 0.01f, false, plain));
    ASSERT_TRUE(ComputeFourierAmplitude(ones, 0.01f, true, tapered));
    EXPECT_NEAR(plain.amplitude[0], 2.0, 1e-6);
    // Each bell of 10 samples sums to 4.5: (1 - cos(pi i / 10)) / 2 over i = 0 .. 9.
    EXPECT_NEAR(tapered.amplitude[0], 0.01 * (200 - 2 * 5.5), 1e-6);
}

}  // namespace
}  // namespace tremblo
