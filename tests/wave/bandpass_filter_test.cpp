// Band-pass design and application: the reference against its known
// values and outside facts, and every vector path against the reference.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "record/seismic_record.h"
#include "wave/bandpass_filter.h"
#include "wave/bandpass_filter_fast.h"
#include "compute/simd_targets.h"

namespace tremblo {
namespace {

std::vector<float> Design(float dt) {
    std::vector<float> h(BANDPASS_TAPS);
    DesignBandpassFilter(BANDPASS_TAPS, h.data(), BANDPASS_F1, BANDPASS_F2, BANDPASS_F3,
                         BANDPASS_F4, dt);
    return h;
}

// Gain of the symmetric filter at frequency f (Hz).
double Gain(const std::vector<float>& h, float dt, double f) {
    double gain = h[0];
    for (int j = 1; j < BANDPASS_TAPS; ++j) gain += 2.0 * h[j] * std::cos(2.0 * M_PI * f * j * dt);
    return gain;
}

double FilteredAmplitude(const std::vector<float>& h, float dt, double f) {
    const int n = 6000;
    std::vector<float> x(n);
    for (int i = 0; i < n; ++i) x[i] = static_cast<float>(std::sin(2.0 * M_PI * f * i * dt));
    EXPECT_TRUE(ApplyBandpassFilter(BANDPASS_TAPS, h.data(), n, x.data()));
    double peak = 0.0;
    for (int i = 2000; i < 4000; ++i) peak = std::max(peak, std::fabs(static_cast<double>(x[i])));
    return peak;
}

// A trace that exercises rounding: a wide dynamic range, both signs,
// values that are not short binary fractions, and exact zeros.
std::vector<float> RoughTrace(int n, unsigned seed) {
    std::vector<float> x(n);
    unsigned s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double u = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
        const double scale = std::pow(10.0, static_cast<double>((s >> 4) % 7) - 3.0);
        x[i] = (s % 17 == 0) ? 0.0f : static_cast<float>(u * scale + 0.3 * std::sin(i * 0.013));
    }
    return x;
}

// The taps of the ideal trapezoidal band-pass in long double, straight from
// its definition: the low-pass with edges f3, f4 minus the one with edges
// f1, f2, each (cos(2 pi i wa) - cos(2 pi i wb)) / (2 pi^2 i^2 (wb - wa)) with
// the edges in cycles per sample.
long double IdealTap(int i, long double dt, long double f3, long double f4) {
    const long double pi = 3.141592653589793238462643383279502884L;
    auto lowPass = [&](long double fa, long double fb) {
        const long double wa = fa * dt, wb = fb * dt;
        return (std::cos(2 * pi * i * wa) - std::cos(2 * pi * i * wb)) /
               (2 * pi * pi * i * i * (wb - wa));
    };
    return lowPass(f3, f4) - lowPass(0.1L, 0.2L);
}

// Every tap within the single-precision rounding of the corners and of
// i x pi (below 4e-8; the last taps are about 4e-4 at 100 Hz). The
// centre tap is the band's width in cycles per sample.
void ExpectIdealTaps(const std::vector<float>& h, float dt, long double f3, long double f4) {
    EXPECT_NEAR(h[0], static_cast<double>((f4 + f3 - 0.3L) * dt), 1e-6) << "dt " << dt;
    int wrong = 0;
    for (int i = 1; i < BANDPASS_TAPS; ++i) {
        const long double expected = IdealTap(i, dt, f3, f4);
        if (std::fabs(static_cast<long double>(h[i]) - expected) > 1e-7L && wrong++ < 5)
            ADD_FAILURE() << "dt " << dt << " tap " << i << ": " << h[i] << " vs "
                          << static_cast<double>(expected);
    }
    EXPECT_EQ(wrong, 0) << "dt " << dt;
}

TEST(DesignBandpassFilter, EveryTapIsTheIdealBandPassTruncated) {
    for (float dt : {0.01f, 0.005f}) ExpectIdealTaps(Design(dt), dt, 50.0L, 75.0L);
}

TEST(DesignBandpassFilter, CentreTapIsBandWidthInCyclesPerSample) {
    EXPECT_NEAR(Design(0.01f)[0], 1.247f, 1e-6f);
    EXPECT_NEAR(Design(0.005f)[0], 0.6235f, 1e-6f);
}

TEST(DesignBandpassFilter, PassesTheBandAndStopsBelowIt) {
    for (float dt : {0.01f, 0.005f}) {
        const std::vector<float> h = Design(dt);
        EXPECT_NEAR(Gain(h, dt, 1.0), 1.0, 0.01) << dt;
        EXPECT_NEAR(Gain(h, dt, 5.0), 1.0, 0.01) << dt;
        EXPECT_LT(std::fabs(Gain(h, dt, 0.05)), 0.05) << dt;
    }
    const std::vector<float> h = Design(0.01f);
    EXPECT_NEAR(FilteredAmplitude(h, 0.01f, 1.0), 1.0, 0.01);
    EXPECT_LT(FilteredAmplitude(h, 0.01f, 0.05), 0.05);
}

TEST(DesignRecordBandpassFilter, KeepsUnitGainWhenTheUpperCornersPassNyquist) {
    // At 100 Hz and above the corners stay 50 and 75 Hz; at 50 Hz they move
    // down together to Nyquist (25 Hz) and 37.5 Hz.
    const struct { float dt; long double f3, f4; } corners[] = {
        {0.01f, 50.0L, 75.0L}, {0.005f, 50.0L, 75.0L}, {0.02f, 25.0L, 37.5L}};
    for (const auto& c : corners) {
        std::vector<float> h(BANDPASS_TAPS);
        DesignRecordBandpassFilter(c.dt, h.data());
        ExpectIdealTaps(h, c.dt, c.f3, c.f4);
    }
    for (float dt : {0.02f, 0.05f}) {  // 50 Hz and 20 Hz records
        std::vector<float> h(BANDPASS_TAPS);
        DesignRecordBandpassFilter(dt, h.data());
        EXPECT_NEAR(Gain(h, dt, 1.0), 1.0, 0.01) << dt;
        EXPECT_LT(std::fabs(Gain(h, dt, 0.05)), 0.05) << dt;
    }
}

TEST(ApplyBandpassFilter, ImpulseGivesTheTapsOnBothSides) {
    const std::vector<float> h = Design(0.01f);
    const int n = 1200, centre = 600;
    std::vector<float> x(n, 0.0f);
    x[centre] = 1.0f;
    ASSERT_TRUE(ApplyBandpassFilter(BANDPASS_TAPS, h.data(), n, x.data()));
    for (int j = 0; j < BANDPASS_TAPS; ++j) {
        EXPECT_EQ(x[centre + j], h[j]) << j;
        EXPECT_EQ(x[centre - j], h[j]) << j;
    }
    EXPECT_EQ(x[centre - BANDPASS_TAPS], 0.0f);
    EXPECT_EQ(x[centre + BANDPASS_TAPS], 0.0f);
}

TEST(ApplyBandpassFilter, ZeroOutsideTheTrace) {
    // A trace shorter than the filter: the taps beyond either end read zero.
    const std::vector<float> h = Design(0.01f);
    std::vector<float> x = {1.0f, 2.0f, 3.0f};
    ASSERT_TRUE(ApplyBandpassFilter(BANDPASS_TAPS, h.data(), 3, x.data()));
    auto tap = [](double pair, float hj, float acc) { return static_cast<float>(pair * hj + acc); };
    EXPECT_EQ(x[0], tap(3.0, h[2], tap(2.0, h[1], 1.0f * h[0])));
    EXPECT_EQ(x[1], tap(1.0 + 3.0, h[1], 2.0f * h[0]));
    EXPECT_EQ(x[2], tap(1.0, h[2], tap(2.0, h[1], 3.0f * h[0])));
}

// Traces for both roundings of the fast filter: ordinary values round by
// splitting; values so small that partial sums fall below the normal single
// range, and infinities, must take the conversions instead.
struct FastCase {
    const char* name;
    std::vector<float> (*make)(int n);
    bool splits;
};

const FastCase kFastCases[] = {
    {"rough", [](int n) { return RoughTrace(n, 17u + n); }, true},
    {"signed zeros",
     [](int n) {
         std::vector<float> x = RoughTrace(n, 3u + n);
         for (int i = 0; i < n; i += 3) x[i] = (i % 2) ? -0.0f : 0.0f;
         return x;
     },
     true},
    {"below the normal range",
     [](int n) {
         std::vector<float> x = RoughTrace(n, 29u + n);
         for (float& v : x) v *= 1e-35f;
         return x;
     },
     false},
    {"infinite",
     [](int n) {
         std::vector<float> x = RoughTrace(n, 41u + n);
         x[n / 2] = INFINITY;
         return x;
     },
     false},
};

TEST(ApplyBandpassFilterFast, EveryPathMatchesTheReferenceBitForBit) {
    const std::vector<float> h = Design(0.01f);
    BandpassWorkspace workspace(20000, BANDPASS_TAPS);
    ASSERT_TRUE(workspace.ok());
    ASSERT_FALSE(SupportedSimdTargets().empty());
    for (const FastCase& fastCase : kFastCases) {
        for (const int n : {1, 7, 33, 499, 1000, 4099, 12333}) {
            const std::vector<float> input = fastCase.make(n);
            std::vector<float> expected = input;
            ASSERT_TRUE(ApplyBandpassFilter(BANDPASS_TAPS, h.data(), n, expected.data()));
            for (const SimdTarget& target : SupportedSimdTargets()) {
                ScopedSimdTarget only(target);
                for (int workers : {1, 3}) {
                    std::vector<float> x = input;
                    ASSERT_TRUE(ApplyBandpassFilterFast(workspace, BANDPASS_TAPS, h.data(), n, x.data(), workers));
                    ASSERT_EQ(workspace.splitRounding, fastCase.splits) << fastCase.name << " n=" << n;
                    for (int i = 0; i < n; ++i) {
                        ASSERT_EQ(std::memcmp(&x[i], &expected[i], sizeof(float)), 0)
                            << fastCase.name << " " << target.name << " n=" << n << " workers=" << workers
                            << " i=" << i << ": " << x[i] << " vs " << expected[i];
                    }
                }
            }
        }
    }
}

TEST(ApplyBandpassFilterFast, RefusesTracesLongerThanItsWorkspace) {
    const std::vector<float> h = Design(0.01f);
    BandpassWorkspace workspace(100, BANDPASS_TAPS);
    std::vector<float> x = RoughTrace(101, 5u);
    const std::vector<float> before = x;
    EXPECT_FALSE(ApplyBandpassFilterFast(workspace, BANDPASS_TAPS, h.data(), 101, x.data()));
    EXPECT_EQ(x, before);
}

}  // namespace
}  // namespace tremblo
