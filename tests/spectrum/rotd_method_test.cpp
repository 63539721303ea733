// The orientation-independent spectra with either oscillator: the plain
// responses against the spectrum's own oscillator, the fast computation
// against the plain one at every interval and on every vector path, the
// bounds that the single-component spectra set, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "compute/simd_targets.h"
#include "spectrum/azimuth_search.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/rotd_calculation.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_oscillator.h"
#include "spectrum/rotd_reference.h"
#include "spectrum/spectrum_calculation.h"

namespace tremblo {
namespace {

constexpr OscillatorMethod kMethods[] = {OscillatorMethod::Newmark, OscillatorMethod::Exact};
constexpr float kIntervals[] = {0.005f, 0.01f, 0.02f, 0.04f, 0.1f};

// A slow wave under noisy bursts of all magnitudes, different for every seed.
std::vector<float> Motion(int n, unsigned seed, double frequency) {
    std::vector<float> g(static_cast<size_t>(n));
    unsigned s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double noise = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
        const double scale = std::pow(10.0, static_cast<double>((s >> 3) % 5) - 2.0);
        g[static_cast<size_t>(i)] =
            static_cast<float>(35.0 * std::sin(frequency * i) * std::exp(-i / (0.6 * n)) + noise * scale * 70.0);
    }
    return g;
}

std::string Named(OscillatorMethod method, float dt) {
    return std::string(OscillatorMethodName(method)) + " dt " + std::to_string(dt);
}

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectSameTables(const RotDTable& a, const RotDTable& b, const std::string& what) {
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const RotDValues &x = a.values[i], &y = b.values[i];
        ASSERT_TRUE(SameBits(x.rotd50, y.rotd50) && SameBits(x.rotd100, y.rotd100) && x.azimuth100 == y.azimuth100)
            << what << " entry " << i << ": " << x.rotd50 << "/" << x.rotd100 << "@" << x.azimuth100 << " vs "
            << y.rotd50 << "/" << y.rotd100 << "@" << y.azimuth100;
    }
}

// Each component's responses at every sub-step, as the plain computation keeps them.
struct Responses {
    std::vector<float> q[SPECTRUM_QUANTITIES];
    Responses(const RotDOscillator& o, const std::vector<float>& ground) {
        const int n = static_cast<int>(ground.size());
        float* out[SPECTRUM_QUANTITIES];
        for (int k = 0; k < SPECTRUM_QUANTITIES; ++k) {
            q[k].resize(static_cast<size_t>(RotDStepCount(n, o.substeps)));
            out[k] = q[k].data();
        }
        ComputeRotDResponses(o, n, ground.data(), out);
    }
};

// Along azimuth 0 the combined response is NS itself, along 90 EW itself: their
// peaks are the spectrum oscillator's peaks of each component, bit for bit,
// at any interval and sub-step count. At one sub-step (100 and 200 Hz) the
// Newmark responses are the plain recurrence's stored values.
TEST(RotDOscillator, PeaksAlongTheAxesAreEachComponentsSpectrum) {
    const PeriodTable periods = BuildPeriodTable();
    const int periodIndexes[] = {0, 9, 40, 120, 199};
    for (OscillatorMethod method : kMethods)
        for (float dt : kIntervals) {
            const int n = 400;
            const std::vector<float> ns = Motion(n, 3u, 0.05), ew = Motion(n, 8u, 0.021);
            for (int j : periodIndexes)
                for (float damping : {0.0f, 0.05f}) {
                    const float period = periods.periods[static_cast<size_t>(j)];
                    const RotDOscillator o = MakeRotDOscillator(method, dt, period, damping);
                    ASSERT_EQ(o.substeps, SubStepCount(method, dt, period));
                    const Responses rns(o, ns), rew(o, ew);
                    const OscillatorPeaks expected[2] = {ComputeOscillatorPeaks(method, n, dt, period, damping, ns.data()),
                                                         ComputeOscillatorPeaks(method, n, dt, period, damping, ew.data())};
                    const int steps = static_cast<int>(rns.q[SA].size());
                    if (method == OscillatorMethod::Newmark && o.substeps == 1) {
                        std::vector<float> plain[4];
                        for (auto& v : plain) v.resize(static_cast<size_t>(n));
                        ComputeSdofResponse(n, dt, period, damping, ns.data(),
                                            SdofResponse{plain[0].data(), plain[1].data(), plain[2].data(), plain[3].data()});
                        for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                            EXPECT_EQ(std::memcmp(rns.q[q].data(), plain[q + 1].data(), n * sizeof(float)), 0) << "q" << q;
                    }
                    SCOPED_TRACE(Named(method, dt) + " period " + std::to_string(j) + " h " + std::to_string(damping));
                    for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                        const auto peaks = AzimuthPeaks(steps, rns.q[q].data(), rew.q[q].data());
                        for (int c = 0; c < 2; ++c) {
                            const float want = q == SA ? expected[c].absoluteAcc
                                               : q == SV ? expected[c].relativeVel
                                                         : expected[c].relativeDisp;
                            EXPECT_TRUE(SameBits(peaks[static_cast<size_t>(90 * c)], want))
                                << "q" << q << " c" << c << ": " << peaks[static_cast<size_t>(90 * c)] << " vs " << want;
                        }
                    }
                }
        }
}

// Oscillators compared: `periodStep`-th periods of the listed damping
// indexes, so that groups of one to several sub-step counts, full and part
// groups, and one-oscillator groups all occur.
RotDSelection Every(int periodStep, std::initializer_list<int> dampingIndexes) {
    RotDSelection selection;
    for (int k : dampingIndexes)
        for (int j = 0; j < PERIOD_COUNT; j += periodStep) selection.oscillators.push_back(k * PERIOD_COUNT + j);
    return selection;
}

TEST(RotDFast, EqualsThePlainComputationForBothMethodsAtEveryInterval) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    struct Case {
        int samples;  // at 0.01 s and finer; as many fewer as the interval is longer
        int periodStep;
        std::initializer_list<int> dampings;
    };
    // 1100 samples make tens of blocks and more at the sub-steps; 3 periods
    // make tiny groups; 40 oscillators keep their responses when the budget
    // allows.
    const Case cases[] = {{1100, 67, {0, 3}}, {230, 9, {1}}, {37, 199, {4}}, {150, 5, {2}}};
    for (OscillatorMethod method : kMethods)
        for (float dt : kIntervals)
            for (const Case& c : cases) {
                const int n = std::min(c.samples, std::max(1, static_cast<int>(std::lround(c.samples * 0.01 / dt))));
                const std::vector<float> ns = Motion(n, 5u, 0.04), ew = Motion(n, 77u, 0.013);
                const RotDSelection compared = Every(c.periodStep, c.dampings);
                auto reference = std::make_unique<RotDTable>();
                ComputeRotDReference(n, dt, ns.data(), ew.data(), periods, ratios, *reference,
                                     &compared.oscillators, method);
                for (const SimdTarget& target : SupportedSimdTargets()) {
                    ScopedSimdTarget only(target);
                    // Every response kept, or blocks integrated again from their state.
                    for (std::size_t budget : {ROTD_HISTORY_BUDGET, std::size_t{0}})
                        for (int workers : {1, 2}) {
                            auto fast = std::make_unique<RotDTable>();
                            ComputeRotDFast(n, dt, ns.data(), ew.data(), periods, ratios, *fast, workers, compared,
                                            method, budget);
                            ExpectSameTables(*reference, *fast,
                                             Named(method, dt) + " n " + std::to_string(n) + " " + target.name +
                                                 (budget ? "" : " replayed"));
                        }
                }
            }
}

std::unique_ptr<SeismicRecord> TwoComponentRecord(float dt, int n, float ewFactor) {
    auto record = std::make_unique<SeismicRecord>();
    record->recordLoaded = true;
    record->componentCount = 3;
    record->dt = dt;
    record->sampleCount = n;
    record->windowStart = 0;
    record->windowLength = n;
    const std::vector<float> ns = Motion(n, 41u, 0.035), ew = Motion(n, 42u, 0.06);
    for (int i = 0; i < n; ++i) {
        record->samples[0][i] = ns[static_cast<size_t>(i)];
        record->samples[1][i] = ew[static_cast<size_t>(i)] * ewFactor;
    }
    return record;
}

// RotD100 is at least each component's spectrum (azimuths 0 and 90), at
// most the spectrum of their vector sum's bound sqrt(NS^2 + EW^2), and RotD50
// lies below it; with EW silent it is the NS spectrum exactly, at azimuth 0.
TEST(RotDCalculation, SingleComponentSpectraBoundRotD100) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    for (OscillatorMethod method : kMethods)
        for (float dt : {0.01f, 0.02f})
            for (float ewFactor : {1.0f, 0.0f}) {
                const auto record = TwoComponentRecord(dt, 900, ewFactor);
                auto single = std::make_unique<SpectrumTable>();
                SpectrumCalculation spectrum;
                ASSERT_EQ(spectrum.Run(*record, periods, ratios, *single, {}, EnginePath::Fast, 0, method),
                          CalculationStatus::Done);
                auto rotd = std::make_unique<RotDTable>();
                ASSERT_TRUE(ComputeRecordRotD(*record, periods, ratios, *rotd, EnginePath::Fast, 0,
                                              RotDSelection::All(), method)
                                .done());
                for (int k = 0; k < DAMPING_COUNT; ++k)
                    for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                        for (int j = 0; j < PERIOD_COUNT; ++j) {
                            const float x = single->at(0, k, q, j), y = single->at(1, k, q, j);
                            const RotDValues& r = rotd->at(k, q, j);
                            SCOPED_TRACE(Named(method, dt) + " EW x" + std::to_string(ewFactor) + " k" +
                                         std::to_string(k) + " q" + std::to_string(q) + " j" + std::to_string(j));
                            ASSERT_GE(r.rotd100, std::max(x, y));
                            ASSERT_LE(r.rotd100, std::hypot(x, y) * (1.0f + 1e-6f));
                            ASSERT_LE(r.rotd50, r.rotd100);
                            if (ewFactor == 0.0f) {
                                ASSERT_TRUE(SameBits(r.rotd100, x)) << r.rotd100 << " vs " << x;
                                ASSERT_EQ(r.azimuth100, 0);
                            }
                        }
            }
}

TEST(RotDCalculation, RefusesWhatTheOscillatorCannotTake) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    PeriodTable zeroPeriod = periods, nanPeriod = periods;
    zeroPeriod.periods[17] = 0.0f;
    nanPeriod.periods[180] = nan;
    struct Case {
        const char* name;
        float dt;
        const PeriodTable* periods;
        float sample;  // sample 10 of NS
        int components;
        bool refused;
    };
    const Case cases[] = {
        {"dt 0", 0.0f, &periods, 1.0f, 3, true},
        {"dt negative", -0.01f, &periods, 1.0f, 3, true},
        {"dt NaN", nan, &periods, 1.0f, 3, true},
        {"dt infinite", inf, &periods, 1.0f, 3, true},
        {"dt over 1 s", 1.5f, &periods, 1.0f, 3, true},
        {"dt 1 s", 1.0f, &periods, 1.0f, 3, false},
        {"period 0", 0.01f, &zeroPeriod, 1.0f, 3, true},
        {"period NaN", 0.01f, &nanPeriod, 1.0f, 3, true},
        {"infinite sample", 0.01f, &periods, inf, 3, true},
        {"one component", 0.01f, &periods, 1.0f, 1, true},
    };
    for (OscillatorMethod method : kMethods)
        for (const Case& c : cases) {
            for (EnginePath path : {EnginePath::Fast, EnginePath::Reference}) {
                if (!c.refused && path == EnginePath::Reference) continue;  // every entry at 400 sub-steps: slow
                SCOPED_TRACE(std::string(OscillatorMethodName(method)) + " " + c.name +
                             (path == EnginePath::Fast ? " fast" : " reference"));
                auto record = TwoComponentRecord(0.01f, 40, 1.0f);
                record->dt = c.dt;
                record->componentCount = c.components;
                record->samples[0][10] = c.sample;
                auto table = std::make_unique<RotDTable>();
                table->at(2, SA, 5).rotd100 = 123.0f;
                const RotDSelection some = Every(40, {2});
                const RotDStatus status = ComputeRecordRotD(*record, *c.periods, ratios, *table, path, 1, some, method);
                if (!c.refused) {
                    EXPECT_TRUE(status.done()) << status.problem;
                    continue;
                }
                EXPECT_EQ(status.status, CalculationStatus::Refused);
                EXPECT_FALSE(status.problem.empty());
                EXPECT_EQ(table->at(2, SA, 5).rotd100, 123.0f);  // unchanged
                if (c.components < 2)
                    EXPECT_EQ(status.problem, *RotDUnavailable(*record));
                else if (auto why = OscillatorInputProblem(c.dt, *c.periods))
                    EXPECT_EQ(status.problem, *why);
                else
                    EXPECT_NE(status.problem.find("RotD50/RotD100"), std::string::npos) << status.problem;
            }
        }
}

// Points of the plane as the search reads them: kept responses (stride 1)
// and their block ranges, the same points for the three quantities.
struct KnownPoints {
    std::vector<float> ns, ew;
    std::vector<double> states;
    std::vector<float> ranges, historyNs, historyEw;
    void Summarize() {
        const int steps = static_cast<int>(ns.size()), blocks = RotDBlockCount(steps);
        states.assign(static_cast<size_t>(blocks) * kStateFields, 0.0);
        ranges.assign(static_cast<size_t>(blocks) * kRangeFields * 2, 0.0f);
        historyNs.clear();
        historyEw.clear();
        for (int i = 0; i < steps; ++i)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                historyNs.push_back(ns[static_cast<size_t>(i)]);
                historyEw.push_back(ew[static_cast<size_t>(i)]);
            }
        for (int c = 0; c < 2; ++c)
            for (int b = 0; b < blocks; ++b) {
                const std::vector<float>& v = c == 0 ? ns : ew;
                const auto first = v.begin() + b * ROTD_BLOCK, last = v.begin() + std::min(steps, (b + 1) * ROTD_BLOCK);
                float lo = *first, hi = *first;
                for (auto it = first; it != last; ++it) {
                    lo = std::min(lo, *it);  // a NaN among them stays out, an infinity comes in
                    hi = std::max(hi, *it);
                    if (std::isnan(*it)) lo = hi = *it;
                }
                for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                    float* r = ranges.data() + (static_cast<size_t>(c) * blocks + b) * kRangeFields;
                    r[kLowSA + 2 * q] = lo;
                    r[kHighSA + 2 * q] = hi;
                }
            }
    }
    RotDSummaries Of(int c) const {
        const size_t blocks = static_cast<size_t>(RotDBlockCount(static_cast<int>(ns.size())));
        return {states.data(), ranges.data() + c * blocks * kRangeFields, c == 0 ? historyNs.data() : historyEw.data(), 1};
    }
};

// The search over points laid out to test its bounds and its order: the
// widest blocks taken first, a small late maximum along one azimuth, blocks
// whose far corners are never reached, non-finite values.
TEST(AzimuthSearch, PeaksOfKnownPointsEqualTheFullScan) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        int steps;
        std::function<float(int)> ns, ew;
    };
    const Case cases[] = {
        {"scattered", 1000, [](int i) { return static_cast<float>(std::sin(i * 1.7) * 40.0 * (1 + i % 7)); },
         [](int i) { return static_cast<float>(std::cos(i * 0.37) * 25.0 * (1 + i % 5)); }},
        // NS strong early; EW reaches 0.95 early and its largest, 1, late where NS is still.
        {"late small maximum", 2000, [](int i) { return i < 1000 ? static_cast<float>(100.0 * std::sin(i * 0.3)) : 0.0f; },
         [](int i) { return static_cast<float>((i < 1000 ? 0.95 : 1.0) * std::sin(i * 0.11 + 0.5)); }},
        // Every block on a circle of its own radius, around the azimuths in turn.
        {"circles", 1500, [](int i) { return static_cast<float>((1.0 + (i / 32) % 9) * std::cos(i * 0.2)); },
         [](int i) { return static_cast<float>((1.0 + (i / 32) % 9) * std::sin(i * 0.2)); }},
        {"equal maxima", 320, [](int i) { return i % 64 == 5 ? 7.0f : 0.5f; }, [](int i) { return i % 64 == 5 ? -7.0f : 0.25f; }},
        {"tiny values", 200, [](int i) { return static_cast<float>(1e-40 * (i % 13)); },
         [](int i) { return static_cast<float>(-1e-39 * (i % 7)); }},
        {"a NaN", 300, [nan](int i) { return i == 77 ? nan : static_cast<float>(i % 10); }, [](int i) { return static_cast<float>(i % 3); }},
        {"an infinity", 300, [inf](int i) { return i == 210 ? -inf : static_cast<float>(i % 10); }, [](int) { return 1.0f; }},
        {"one step", 1, [](int) { return 3.0f; }, [](int) { return -4.0f; }},
    };
    for (const Case& c : cases) {
        KnownPoints points;
        for (int i = 0; i < c.steps; ++i) {
            points.ns.push_back(c.ns(i));
            points.ew.push_back(c.ew(i));
        }
        points.Summarize();
        const auto expected = AzimuthPeaks(c.steps, points.ns.data(), points.ew.data());
        const std::vector<float> ground(static_cast<size_t>(c.steps), 0.0f);
        for (const SimdTarget& target : SupportedSimdTargets()) {
            ScopedSimdTarget only(target);
            AzimuthSearch search(c.steps, ground.data(), ground.data());
            search.Load(MakeRotDOscillator(OscillatorMethod::Newmark, 0.01f, 1.0f, 0.05f), points.Of(0), points.Of(1), 0);
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q) {
                const auto peaks = search.Peaks(q);
                for (int a = 0; a < ROTD_AZIMUTHS; ++a)
                    ASSERT_TRUE(SameBits(peaks[static_cast<size_t>(a)], expected[static_cast<size_t>(a)]))
                        << c.name << " " << target.name << " q" << q << " azimuth " << a << ": "
                        << peaks[static_cast<size_t>(a)] << " vs " << expected[static_cast<size_t>(a)];
            }
        }
    }
}

// RotD50 is the mean of the 90th and 91st smallest peaks, RotD100 the
// largest at its first azimuth, whatever the order and the ties.
TEST(RotDTable, SummaryOfThePeaksIsTheirMedianAndLargest) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        std::function<float(int)> peak;
    };
    const Case cases[] = {
        {"ascending", [](int a) { return 1.0f + a; }},
        {"descending", [](int a) { return 500.0f - a; }},
        {"scattered", [](int a) { return static_cast<float>((a * 73) % 181) * 0.37f; }},
        {"ties at the middle", [](int a) { return a < 60 ? 1.0f : a < 120 ? 2.0f : 3.0f; }},
        {"all equal", [](int) { return 4.25f; }},
        {"zeros and one infinity", [inf](int a) { return a == 133 ? inf : 0.0f; }},
        {"two largest", [](int a) { return a == 17 || a == 150 ? 9.0f : std::sin(a * 0.1f) + 2.0f; }},
    };
    for (const Case& c : cases) {
        std::array<float, ROTD_AZIMUTHS> peaks{};
        for (int a = 0; a < ROTD_AZIMUTHS; ++a) peaks[static_cast<size_t>(a)] = c.peak(a);
        std::array<float, ROTD_AZIMUTHS> sorted = peaks;
        std::sort(sorted.begin(), sorted.end());
        const float median = static_cast<float>((static_cast<double>(sorted[89]) + sorted[90]) / 2);
        const auto first = std::find(peaks.begin(), peaks.end(), sorted.back());
        const RotDValues v = SummarizeAzimuthPeaks(peaks);
        EXPECT_TRUE(SameBits(v.rotd50, median)) << c.name << ": " << v.rotd50 << " vs " << median;
        EXPECT_TRUE(SameBits(v.rotd100, sorted.back())) << c.name;
        EXPECT_EQ(v.azimuth100, first - peaks.begin()) << c.name;
    }
}

}  // namespace
}  // namespace tremblo
