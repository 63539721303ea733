// The time-domain intensity measures against motions whose values are known
// in closed form: sine bursts of whole cycles sampled m times a cycle (the
// sums over a cycle are m/2 for sin^2 and 2 cot(pi/m) for |sin|, m even),
// constants, single spikes and silence; and the scaling laws. The bursts'
// samples are single precision, so their sums hold to a few parts in 1e8.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "wave/bracketed_duration.h"
#include "wave/cumulative_velocity.h"
#include "wave/husid_curve.h"
#include "wave/sample_interval.h"
#include "wave/time_domain_measures.h"

namespace tremblo {
namespace {

constexpr double kPi = std::numbers::pi;

// `quiet` zeros, `cycles` whole cycles of A sin(2 pi k / m), `quiet` zeros.
std::vector<float> SineBurst(double amplitude, int m, int cycles, int quiet) {
    std::vector<float> g(static_cast<std::size_t>(2 * quiet + cycles * m + 1), 0.0f);
    for (int k = 0; k <= cycles * m; ++k)
        g[static_cast<std::size_t>(quiet + k)] = static_cast<float>(amplitude * std::sin(2.0 * kPi * k / m));
    return g;
}

double Arias(double sumOfSquaresGal2s) { return kPi / (2.0 * 9.80665) * sumOfSquaresGal2s * 1e-4; }

struct Burst {
    double amplitude;  // gal
    int m;             // samples a cycle (even)
    int cycles;
    double dt;
};

// Sums of sin^2 over whole cycles are m/2 a cycle, of |sin| 2 cot(pi/m);
// the burst's ends are zeros, so the trapezoidal rule is their plain sum.
TEST(TimeDomainMeasures, SineBurstsGiveTheirClosedForms) {
    const Burst bursts[] = {{100.0, 50, 8, 0.01}, {300.0, 8, 20, 0.005}, {35.0, 20, 10, 0.02}, {100.0, 64, 10, 0.01}};
    for (const Burst& b : bursts) {
        SCOPED_TRACE(::testing::Message() << b.amplitude << " gal, m " << b.m << ", " << b.cycles << " cycles");
        const std::vector<float> g = SineBurst(b.amplitude, b.m, b.cycles, 37);
        const double a2 = b.amplitude * b.amplitude;
        const HusidCurve curve = HusidCurveOf(g, b.dt);
        const double expectedArias = Arias(a2 * b.cycles * b.m / 2.0 * b.dt);
        EXPECT_NEAR(AriasIntensityOf(curve), expectedArias, 1e-6 * expectedArias);
        const CumulativeVelocity cav = CumulativeVelocityOf(g, b.dt);
        const double expectedCav = b.amplitude * b.dt * b.cycles * 2.0 / std::tan(kPi / b.m);
        EXPECT_NEAR(cav.cav, expectedCav, 1e-6 * expectedCav);
    }
}

// With 10 cycles (20 half cycles of equal energy) the curve is j/20 at the
// end of half cycle j: 5 % after the first, 75 % after the 15th, 95 % after
// the 19th. So D5-75 = 7 periods and D5-95 = 9 periods, wherever the burst lies.
TEST(TimeDomainMeasures, SignificantDurationsOfTenCyclesAreSevenAndNinePeriods) {
    const struct {
        int m;
        double dt;
        int quiet;
    } cases[] = {{50, 0.01, 0}, {50, 0.01, 123}, {8, 0.005, 40}, {20, 0.02, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "m " << c.m << " dt " << c.dt << " quiet " << c.quiet);
        const double period = c.m * c.dt;
        const SignificantDurations d = SignificantDurationsOf(HusidCurveOf(SineBurst(80.0, c.m, 10, c.quiet), c.dt));
        ASSERT_TRUE(d.t5 && d.t75 && d.t95 && d.d5_75 && d.d5_95);
        // Rounded samples move a crossing by a small share of an interval.
        const double start = c.quiet * c.dt, tolerance = 1e-3 * c.dt;
        EXPECT_NEAR(*d.t5, start + 0.5 * period, tolerance);
        EXPECT_NEAR(*d.t75, start + 7.5 * period, tolerance);
        EXPECT_NEAR(*d.t95, start + 9.5 * period, tolerance);
        EXPECT_NEAR(*d.d5_75, 7.0 * period, tolerance);
        EXPECT_NEAR(*d.d5_95, 9.0 * period, tolerance);
    }
}

// Eight samples a cycle are A (0, s, 1, s, 0, -s, -1, -s), s = sqrt(2)/2:
// at 6 gal only the crests reach 5 gal (4.24 does not), at 10 gal every
// sample but the zeros does. A lone crest adds A dt (half an interval on
// each side).
TEST(TimeDomainMeasures, Cav5CountsTheSamplesReachingFiveGal) {
    const struct {
        double amplitude;
        double expectedPerCycle;  // CAV5 of a cycle over dt
    } cases[] = {{6.0, 2 * 6.0}, {10.0, 10.0 * 2.0 / std::tan(kPi / 8)}, {4.9, 0.0}, {5.0, 2 * 5.0}};
    const double dt = 0.01;
    for (const auto& c : cases) {
        const CumulativeVelocity cav = CumulativeVelocityOf(SineBurst(c.amplitude, 8, 12, 5), dt);
        const double expectedCav = c.amplitude * 2.0 / std::tan(kPi / 8) * 12 * dt;
        EXPECT_NEAR(cav.cav5, c.expectedPerCycle * 12 * dt, 1e-6 * expectedCav) << c.amplitude;
        EXPECT_NEAR(cav.cav, expectedCav, 1e-6 * expectedCav) << c.amplitude;
    }
}

// Windows of one second from the first sample, at 100 Hz: [0, 1], [1, 2], ...
TEST(TimeDomainMeasures, StandardizedCavTakesTheWindowsWhosePeakReachesTheThreshold) {
    const double dt = 0.01;
    const double threshold = 0.025 * 980.665;  // 24.516625 gal
    auto record = [](int samples) { return std::vector<float>(static_cast<std::size_t>(samples), 0.0f); };
    // A burst of 8 cycles of 0.5 s from 1 s to 5 s in a record of 7 s: every
    // window holding it counts (all of the CAV), or none below the threshold.
    for (double amplitude : {100.0, 25.0, 24.0}) {
        std::vector<float> g = record(701);
        const std::vector<float> burst = SineBurst(amplitude, 50, 8, 0);
        std::copy(burst.begin(), burst.end(), g.begin() + 100);
        const CumulativeVelocity cav = CumulativeVelocityOf(g, dt);
        ASSERT_TRUE(cav.cavStd.has_value());
        EXPECT_NEAR(*cav.cavStd, amplitude >= threshold ? cav.cav : 0.0, 1e-12 * cav.cav) << amplitude;
    }
    // Single spikes: inside a window, or on a boundary sample, which is in
    // both windows' peaks and gives each half of its integral.
    const struct {
        int at;
        float height;
        double expected;
    } spikes[] = {{250, 30.0f, 30.0 * dt}, {250, 20.0f, 0.0}, {200, 30.0f, 30.0 * dt}, {0, 30.0f, 15.0 * dt},
                  {300, 24.5f, 0.0}, {300, 24.52f, 24.52f * dt}};
    for (const auto& s : spikes) {
        std::vector<float> g = record(401);
        g[static_cast<std::size_t>(s.at)] = s.height;
        const CumulativeVelocity cav = CumulativeVelocityOf(g, dt);
        ASSERT_TRUE(cav.cavStd.has_value());
        EXPECT_NEAR(*cav.cavStd, s.expected, 1e-12) << s.at << " " << s.height;
    }
    // At 40.96 samples a second the boundaries fall between samples: |a| is
    // read there between its neighbours. A spike at sample 40 (0.977 s)
    // lies in the first window, which takes its left half (15) and the part
    // of its right half up to 40.96, the integral of 30 (1 - u) for u up to
    // 0.96 (14.976); the second window's peak, 1.2 at its start, does not
    // reach the threshold. A spike at sample 41 reaches it at the
    // boundary already (28.8): both windows count, all of its 30.
    const double slow = 0.0244140625;
    for (const auto& [at, expected] : {std::pair{40, (15.0 + 14.976) * slow}, std::pair{41, 30.0 * slow}}) {
        std::vector<float> g = record(200);
        g[static_cast<std::size_t>(at)] = 30.0f;
        const CumulativeVelocity cav = CumulativeVelocityOf(g, slow);
        ASSERT_TRUE(cav.cavStd.has_value());
        EXPECT_NEAR(*cav.cavStd, expected, 1e-12) << at;
        EXPECT_NEAR(cav.cav, 30.0 * slow, 1e-12) << at;
    }
    // Part of a burst in a window without a peak above the threshold counts
    // for CAV only: 0.3 s at 10 gal before a window of 40 gal.
    std::vector<float> g = record(301);
    for (int i = 70; i < 100; ++i) g[static_cast<std::size_t>(i)] = 10.0f;
    g[150] = 40.0f;
    const CumulativeVelocity mixed = CumulativeVelocityOf(g, dt);
    EXPECT_NEAR(mixed.cav, 10.0 * 30 * dt + 40.0 * dt, 1e-12);
    // The window [1, 2] shares the sample at 1 s (index 100, zero) only.
    EXPECT_NEAR(*mixed.cavStd, 40.0 * dt, 1e-12);
}

// Only whole windows count: a record must span 1 s for one.
TEST(TimeDomainMeasures, RecordsShorterThanAWindowHaveNoStandardizedCav) {
    const struct {
        int samples;
        double dt;
        bool has;
    } cases[] = {{100, 0.01, false}, {101, 0.01, true}, {0, 0.01, false}, {1, 0.01, false},
                 {200, 0.005, false}, {201, 0.005, true}, {50, 0.02, false}, {51, 0.02, true}};
    for (const auto& c : cases) {
        const std::vector<float> g(static_cast<std::size_t>(c.samples), 50.0f);
        const CumulativeVelocity cav = CumulativeVelocityOf(g, c.dt);
        EXPECT_EQ(cav.cavStd.has_value(), c.has) << c.samples << " at " << c.dt;
        if (c.has) {
            EXPECT_NEAR(*cav.cavStd, 50.0, 1e-9);
        }
    }
}

// A constant c over n samples: the curve rises linearly, so the crossings
// are 5, 75 and 95 % of the record's span; CAV is c times the span.
TEST(TimeDomainMeasures, ConstantsRiseLinearly) {
    const struct {
        float value;
        int samples;
        double dt;
    } cases[] = {{50.0f, 251, 0.01}, {-3.0f, 1001, 0.005}, {200.0f, 2, 0.02}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " x " << c.samples);
        const std::vector<float> g(static_cast<std::size_t>(c.samples), c.value);
        const double span = (c.samples - 1) * c.dt;
        const TimeDomainMeasures m = TimeDomainMeasuresOf(g, c.dt, {});
        const double v = c.value;
        EXPECT_NEAR(m.ariasIntensity, Arias(v * v * span), 1e-12 * Arias(v * v * span));
        EXPECT_NEAR(m.cumulative.cav, std::fabs(v) * span, 1e-12 * std::fabs(v) * span);
        EXPECT_NEAR(m.cumulative.cav5, std::fabs(v) >= 5.0 ? std::fabs(v) * span : 0.0, 1e-12 * std::fabs(v) * span);
        EXPECT_NEAR(*m.durations.d5_75, 0.70 * span, 1e-9 * span);
        EXPECT_NEAR(*m.durations.d5_95, 0.90 * span, 1e-9 * span);
        EXPECT_NEAR(*m.durations.t5, 0.05 * span, 1e-9 * span);
        const bool reaches = std::fabs(v) >= 0.05 * 980.665;
        EXPECT_EQ(m.bracketed.has_value(), reaches);
        if (reaches) {
            EXPECT_NEAR(*m.bracketed, span, 1e-12);
        }
    }
}

// One spike A at sample k: the curve goes 0, 1/2, 1 at samples k - 1, k,
// k + 1, so 5 % falls a tenth of an interval after k - 1, 75 % half an
// interval after k, 95 % nine tenths; a single exceedance brackets 0 s.
TEST(TimeDomainMeasures, SingleSpike) {
    const double dt = 0.01;
    std::vector<float> g(500, 0.0f);
    g[200] = 120.0f;
    const TimeDomainMeasures m = TimeDomainMeasuresOf(g, dt, {});
    EXPECT_NEAR(m.ariasIntensity, Arias(120.0 * 120.0 * dt), 1e-15);
    EXPECT_NEAR(m.cumulative.cav, 120.0 * dt, 1e-12);
    EXPECT_NEAR(*m.durations.t5, 199.1 * dt, 1e-12);
    EXPECT_NEAR(*m.durations.t75, 200.5 * dt, 1e-12);
    EXPECT_NEAR(*m.durations.t95, 200.9 * dt, 1e-12);
    EXPECT_NEAR(*m.durations.d5_75, 1.4 * dt, 1e-12);
    EXPECT_NEAR(*m.durations.d5_95, 1.8 * dt, 1e-12);
    ASSERT_TRUE(m.bracketed.has_value());
    EXPECT_EQ(*m.bracketed, 0.0);
}

// Silence has no durations (empty, not NaN) and no bracketed duration; its
// integrals are zero. So has a record of one sample.
TEST(TimeDomainMeasures, SilenceHasNoDurations) {
    for (std::size_t samples : {std::size_t{0}, std::size_t{1}, std::size_t{3000}}) {
        const std::vector<float> g(samples, 0.0f);
        const TimeDomainMeasures m = TimeDomainMeasuresOf(g, 0.01, {});
        EXPECT_EQ(m.ariasIntensity, 0.0);
        EXPECT_FALSE(m.durations.t5 || m.durations.t75 || m.durations.t95 || m.durations.d5_75 || m.durations.d5_95);
        EXPECT_FALSE(m.bracketed.has_value());
        EXPECT_EQ(m.cumulative.cav, 0.0);
        EXPECT_EQ(m.cumulative.cav5, 0.0);
        EXPECT_EQ(m.cumulative.cavStd.has_value(), samples > 100);
        if (m.cumulative.cavStd) {
            EXPECT_EQ(*m.cumulative.cavStd, 0.0);
        }
    }
}

// First to last sample reaching the threshold; a threshold above the peak
// is never reached. Eight samples a cycle at 6 gal: 6 reaches 5.5, 4.24
// does not: from the first crest (sample 2) to the last trough (m/4 before the end).
TEST(TimeDomainMeasures, BracketedDurationFromFirstToLastExceedance) {
    const double dt = 0.01;
    const std::vector<float> burst = SineBurst(6.0, 8, 10, 30);
    const struct {
        double threshold;
        std::optional<double> expected;
    } cases[] = {{5.5, (80 - 4) * dt}, {4.0, (80 - 2) * dt}, {6.5, std::nullopt}, {6.0, (80 - 4) * dt}};
    for (const auto& c : cases) {
        const std::optional<double> d = BracketedDuration(burst, dt, c.threshold);
        ASSERT_EQ(d.has_value(), c.expected.has_value()) << c.threshold;
        if (d) {
            EXPECT_NEAR(*d, *c.expected, 1e-12) << c.threshold;
        }
    }
    // The threshold is in g: 0.05 g is 49.03 gal.
    EXPECT_TRUE(TimeDomainMeasuresOf(SineBurst(49.1, 8, 4, 0), dt, {0.05}).bracketed.has_value());
    EXPECT_FALSE(TimeDomainMeasuresOf(SineBurst(49.0, 8, 4, 0), dt, {0.05}).bracketed.has_value());
    EXPECT_TRUE(TimeDomainMeasuresOf(SineBurst(49.0, 8, 4, 0), dt, {0.04}).bracketed.has_value());
}

// Doubling the motion (exact in floating point) multiplies Ia by 4 and the
// CAVs by 2 exactly, and leaves the durations as they were.
TEST(TimeDomainMeasures, ScalingLaws) {
    std::vector<float> g(4000);
    for (std::size_t i = 0; i < g.size(); ++i)
        g[i] = static_cast<float>(60.0 * std::sin(0.037 * i) * std::exp(-static_cast<double>(i) / 900.0) + 7.0 * std::cos(1.7 * i));
    std::vector<float> doubled(g);
    for (float& v : doubled) v *= 2.0f;
    const TimeDomainMeasures one = TimeDomainMeasuresOf(g, 0.01, {0.02});
    const TimeDomainMeasures two = TimeDomainMeasuresOf(doubled, 0.01, {0.04});
    EXPECT_EQ(two.ariasIntensity, 4.0 * one.ariasIntensity);
    EXPECT_EQ(two.cumulative.cav, 2.0 * one.cumulative.cav);
    // More windows reach the unchanged threshold.
    EXPECT_GE(*two.cumulative.cavStd, 2.0 * *one.cumulative.cavStd);
    EXPECT_EQ(*two.durations.d5_75, *one.durations.d5_75);
    EXPECT_EQ(*two.durations.d5_95, *one.durations.d5_95);
    EXPECT_EQ(*two.bracketed, *one.bracketed);  // the threshold doubled with the motion
}

// A record keeps its interval in single precision: the measures time the
// samples at the whole rate it stands for.
TEST(TimeDomainMeasures, SampleIntervalsOfSinglePrecisionRates) {
    const struct {
        float dt;
        double rate;
    } cases[] = {{0.01f, 100.0}, {0.005f, 200.0}, {0.02f, 50.0}, {1.0f / 128, 128.0}, {0.0244140625f, 40.96},
                 {0.0125f, 80.0}, {1.0f / 3, 3.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(SamplesPerSecond(c.dt), c.rate) << c.dt;
        EXPECT_EQ(SampleInterval(c.dt), 1.0 / c.rate) << c.dt;
    }
    // 99 samples at 0.01f span 0.98 s, 101 a whole second (not 0.99999998 s).
    const std::vector<float> second(101, 60.0f);
    const TimeDomainMeasures m = TimeDomainMeasuresOf(second, 0.01f, {});
    ASSERT_TRUE(m.bracketed && m.cumulative.cavStd);
    EXPECT_EQ(*m.bracketed, 1.0);
    EXPECT_NEAR(*m.cumulative.cavStd, 60.0, 1e-12);
}

}  // namespace
}  // namespace tremblo
