// The spectrum intensities: the fast path against the plain one bit for bit
// on every vector path; the plain one against the definitions summed here
// over the oscillator's own peaks; linearity; the horizontal value against
// motions along a line; the oscillator lists of the kernels against the
// single oscillator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "compute/simd_targets.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/spectrum_fast.h"
#include "spectrum/spectrum_intensity.h"

namespace tremblo {
namespace {

// A decaying motion with noise of every scale, different for each seed.
std::vector<float> Motion(int n, unsigned seed, double frequency) {
    std::vector<float> g(static_cast<std::size_t>(n));
    unsigned s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double noise = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
        g[static_cast<std::size_t>(i)] =
            static_cast<float>(120.0 * std::sin(frequency * i) * std::exp(-i / 700.0) + 40.0 * noise);
    }
    return g;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectSame(const ComponentSpectrumIntensity& a, const ComponentSpectrumIntensity& b, const std::string& what) {
    EXPECT_TRUE(SameBits(a.housner, b.housner)) << what << ": " << a.housner << " vs " << b.housner;
    EXPECT_TRUE(SameBits(a.si, b.si)) << what << ": " << a.si << " vs " << b.si;
}

struct Case {
    const char* name;
    float dt;
    int n;
    double step;
};

// At 50 Hz the shortest periods take two sub-steps; a coarse grid keeps the
// plain computation short, the default grid is taken once.
const Case kCases[] = {{"100 Hz", 0.01f, 900, 0.1}, {"200 Hz", 0.005f, 700, 0.2}, {"50 Hz", 0.02f, 600, 0.05},
                       {"100 Hz, default grid", 0.01f, 300, SI_PERIOD_STEP}};

TEST(SpectrumIntensity, FastEqualsPlainOnEveryPath) {
    for (const Case& c : kCases) {
        const std::vector<float> ns = Motion(c.n, 5u, 0.05), ew = Motion(c.n, 17u, 0.031), ud = Motion(c.n, 29u, 0.09);
        SpectrumIntensitySettings plain;
        plain.periodStep = c.step;
        plain.path = EnginePath::Reference;
        const ComponentSpectrumIntensity ref = ComponentSpectrumIntensityOf(ud, c.dt, plain);
        const HorizontalSpectrumIntensity refH = HorizontalSpectrumIntensityOf(ns, ew, c.dt, plain);
        for (const SimdTarget& target : SupportedSimdTargets()) {
            ScopedSimdTarget only(target);
            for (int workers : {1, 2}) {
                const std::string what = std::string(c.name) + " " + target.name + " workers " + std::to_string(workers);
                SpectrumIntensitySettings fast = plain;
                fast.path = EnginePath::Fast;
                fast.workers = workers;
                ExpectSame(ComponentSpectrumIntensityOf(ud, c.dt, fast), ref, what + " UD");
                const HorizontalSpectrumIntensity h = HorizontalSpectrumIntensityOf(ns, ew, c.dt, fast);
                EXPECT_TRUE(SameBits(h.si, refH.si)) << what << ": " << h.si << " vs " << refH.si;
                EXPECT_EQ(h.azimuth, refH.azimuth) << what;
                ExpectSame(h.ns, refH.ns, what + " NS");
                ExpectSame(h.ew, refH.ew, what + " EW");
            }
        }
        // The horizontal computation's own values of NS and EW are theirs alone.
        ExpectSame(refH.ns, ComponentSpectrumIntensityOf(ns, c.dt, plain), std::string(c.name) + " NS alone");
        ExpectSame(refH.ew, ComponentSpectrumIntensityOf(ew, c.dt, plain), std::string(c.name) + " EW alone");
    }
}

// The definitions written out: trapezoids over 0.1, 0.1 + s, ..., 2.5 s of
// the oscillator's peaks at 20 % damping, SV over 2.4 s, (2 pi / T) SD.
TEST(SpectrumIntensity, PlainValuesAreTheDefinitionsOverTheOscillatorsPeaks) {
    const struct {
        double step;
        int intervals;
    } grids[] = {{0.01, 240}, {0.1, 24}, {0.3, 8}, {0.11, 22}};
    const std::vector<float> g = Motion(800, 3u, 0.04);
    const float dt = 0.01f;
    for (const auto& grid : grids) {
        const std::vector<double> periods = SpectrumIntensityPeriods(grid.step);
        ASSERT_EQ(periods.size(), static_cast<std::size_t>(grid.intervals + 1)) << grid.step;
        EXPECT_EQ(periods.front(), 0.1);
        EXPECT_NEAR(periods.back(), 2.5, 1e-15);
        double sv = 0.0, psv = 0.0;
        const double width = 2.4 / grid.intervals;
        for (int j = 0; j <= grid.intervals; ++j) {
            EXPECT_NEAR(periods[static_cast<std::size_t>(j)], 0.1 + width * j, 1e-12);
            const float period = static_cast<float>(periods[static_cast<std::size_t>(j)]);
            const OscillatorPeaks p = ComputeOscillatorPeaks(OscillatorMethod::Exact, 800, dt, period, 0.2f, g.data());
            const double weight = j == 0 || j == grid.intervals ? width / 2 : width;
            sv += weight * p.relativeVel;
            psv += weight * 2.0 * std::numbers::pi / period * p.relativeDisp;
        }
        SpectrumIntensitySettings plain;
        plain.periodStep = grid.step;
        plain.path = EnginePath::Reference;
        const ComponentSpectrumIntensity si = ComponentSpectrumIntensityOf(g, dt, plain);
        EXPECT_NEAR(si.si, sv / 2.4, 1e-12 * si.si) << grid.step;
        EXPECT_NEAR(si.housner, psv, 1e-12 * psv) << grid.step;
    }
    // The trapezoidal rule integrates straight lines exactly.
    const std::vector<double> line{0.1, 0.2, 0.3, 0.4, 0.5};
    EXPECT_NEAR(IntegrateOverPeriods(line, 0.1), (0.5 * 0.5 - 0.1 * 0.1) / 2, 1e-15);
    EXPECT_EQ(IntegrateOverPeriods(std::vector<double>(241, 3.0), 0.01), 3.0 * 240 * 0.01);
}

// The oscillator is linear: twice the record (exact in floating point)
// gives twice every value bit for bit; other factors to rounding.
TEST(SpectrumIntensity, ScaledRecordsGiveScaledValues) {
    const float dt = 0.01f;
    const std::vector<float> ns = Motion(700, 41u, 0.06), ew = Motion(700, 43u, 0.02);
    SpectrumIntensitySettings settings;
    settings.periodStep = 0.05;
    const ComponentSpectrumIntensity one = ComponentSpectrumIntensityOf(ns, dt, settings);
    const HorizontalSpectrumIntensity oneH = HorizontalSpectrumIntensityOf(ns, ew, dt, settings);
    for (float k : {2.0f, 0.25f, 3.0f, 0.7f}) {
        std::vector<float> kns(ns), kew(ew);
        for (float& v : kns) v *= k;
        for (float& v : kew) v *= k;
        const ComponentSpectrumIntensity scaled = ComponentSpectrumIntensityOf(kns, dt, settings);
        const HorizontalSpectrumIntensity scaledH = HorizontalSpectrumIntensityOf(kns, kew, dt, settings);
        // Powers of two scale every operation exactly.
        const double tolerance = std::exp2(std::round(std::log2(k))) == k ? 0.0 : 1e-6;
        EXPECT_NEAR(scaled.si, k * one.si, tolerance * k * one.si) << k;
        EXPECT_NEAR(scaled.housner, k * one.housner, tolerance * k * one.housner) << k;
        EXPECT_NEAR(scaledH.si, k * oneH.si, tolerance * k * oneH.si) << k;
        EXPECT_EQ(scaledH.azimuth, oneH.azimuth) << k;
    }
}

// Motion along one line: NS alone is largest along 0 degrees, with NS's own
// value; NS = EW along 45 degrees, sqrt 2 times it (to single precision); the
// largest over the azimuths is never below either component's.
TEST(SpectrumIntensity, HorizontalValueOfMotionsAlongALine) {
    const float dt = 0.01f;
    const std::vector<float> g = Motion(800, 7u, 0.05), zero(800, 0.0f);
    std::vector<float> minus(g);
    for (float& v : minus) v = -v;
    SpectrumIntensitySettings settings;
    settings.periodStep = 0.1;
    const double alone = ComponentSpectrumIntensityOf(g, dt, settings).si;
    const struct {
        const char* name;
        const std::vector<float>& ew;
        int azimuth;
        double factor;
    } cases[] = {{"NS only", zero, 0, 1.0}, {"NS = EW", g, 45, std::sqrt(2.0)}, {"NS = -EW", minus, 135, std::sqrt(2.0)}};
    for (const auto& c : cases) {
        const HorizontalSpectrumIntensity h = HorizontalSpectrumIntensityOf(g, c.ew, dt, settings);
        EXPECT_EQ(h.azimuth, c.azimuth) << c.name;
        EXPECT_NEAR(h.si, c.factor * alone, 1e-6 * alone) << c.name;
    }
    const std::vector<float> other = Motion(800, 8u, 0.021);
    const HorizontalSpectrumIntensity h = HorizontalSpectrumIntensityOf(g, other, dt, settings);
    EXPECT_GE(h.si, h.ns.si);
    EXPECT_GE(h.si, h.ew.si);
}

// The kernels' lists of oscillators of any period and damping ratio give each
// oscillator's own peaks, on every vector path, by either method; a search
// of SV alone with the exact oscillator (the SI value's) gives SV and SD.
TEST(OscillatorLists, EachOscillatorsPeaksBitForBit) {
    const std::vector<OscillatorParameters> list{{0.1f, 0.2f}, {2.5f, 0.2f}, {0.05f, 0.0f}, {0.73f, 0.05f},
                                                 {1.3f, 0.3f}, {0.1f, 0.2f}, {0.021f, 0.02f}, {5.0f, 1.0f}};
    std::vector<OscillatorParameters> many;
    for (int j = 0; j < 97; ++j) many.push_back({0.1f + 0.025f * j, 0.2f});
    for (OscillatorMethod method : {OscillatorMethod::Exact, OscillatorMethod::Newmark})
        for (float dt : {0.01f, 0.02f})
            for (const std::vector<OscillatorParameters>* oscillators :
                 std::initializer_list<const std::vector<OscillatorParameters>*>{&list, &many}) {
                const int n = 500;
                const std::vector<float> ns = Motion(n, 11u, 0.07), ew = Motion(n, 13u, 0.03);
                for (const SimdTarget& target : SupportedSimdTargets()) {
                    ScopedSimdTarget only(target);
                    const std::string what = std::string(OscillatorMethodName(method)) + " " + target.name +
                                             " dt " + std::to_string(dt) + " " + std::to_string(oscillators->size());
                    const std::vector<OscillatorPeaks> fast = ComputeOscillatorListFast(ns, dt, *oscillators, method, 2);
                    const std::vector<OscillatorPeaks> lean =
                        ComputeOscillatorListFast(ns, dt, *oscillators, method, 2, false);
                    for (const bool velocityAlone : {false, true}) {
                    std::vector<OscillatorPeaks> nsPeaks(oscillators->size()), ewPeaks(oscillators->size());
                    ComputeAzimuthPeaksFast(
                        n, dt, ns.data(), ew.data(), *oscillators, {false, velocityAlone, false},
                        [](int, int, const std::array<float, ROTD_AZIMUTHS>&) {}, 1, method, ROTD_HISTORY_BUDGET,
                        [&](int i, const OscillatorPeaks& a, const OscillatorPeaks& b) {
                            nsPeaks[static_cast<std::size_t>(i)] = a;
                            ewPeaks[static_cast<std::size_t>(i)] = b;
                        });
                    const bool withoutSa = velocityAlone && method == OscillatorMethod::Exact;
                    for (std::size_t i = 0; i < oscillators->size(); ++i) {
                        const OscillatorParameters& o = (*oscillators)[i];
                        const struct {
                            const std::vector<OscillatorPeaks>* peaks;
                            const std::vector<float>* ground;
                            const char* name;
                        } sources[] = {{&fast, &ns, "list"}, {&lean, &ns, "list without SA"}, {&nsPeaks, &ns, "NS"},
                                       {&ewPeaks, &ew, "EW"}};
                        for (const auto& [peaks, ground, name] : sources) {
                            const OscillatorPeaks want = ComputeOscillatorPeaks(method, n, dt, o.period, o.damping, ground->data());
                            const OscillatorPeaks& got = (*peaks)[i];
                            const bool exactWithoutSa = method == OscillatorMethod::Exact && peaks == &lean;
                            const bool saCompared = !exactWithoutSa && (!withoutSa || peaks == &fast);
                            EXPECT_TRUE((!saCompared || SameBits(got.absoluteAcc, want.absoluteAcc)) &&
                                        SameBits(got.relativeVel, want.relativeVel) &&
                                        SameBits(got.relativeDisp, want.relativeDisp))
                                << what << " " << name << (velocityAlone ? " SV search" : "") << " oscillator " << i
                                << ": " << got.relativeVel << " vs " << want.relativeVel;
                        }
                    }
                    }
                }
            }
}

}  // namespace
}  // namespace tremblo
