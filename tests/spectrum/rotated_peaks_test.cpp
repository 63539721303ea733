// RotD50/RotD100 of the peak ground motion against a rotation written out
// here at 1 degree steps, the fast path against the plain one, and the
// intensity measures of a whole record: which samples each value reads and
// what a record without two perpendicular horizontals has.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

#include "compute/simd_targets.h"
#include "spectrum/record_measures.h"
#include "spectrum/rotated_peaks.h"
#include "spectrum/rotd_reference.h"
#include "wave/trace_peak.h"

namespace tremblo {
namespace {

std::vector<float> Motion(int n, unsigned seed, double frequency, double amplitude = 150.0) {
    std::vector<float> g(static_cast<std::size_t>(n));
    unsigned s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double noise = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
        g[static_cast<std::size_t>(i)] = static_cast<float>(
            amplitude * (std::sin(frequency * i) * std::exp(-std::fabs(i - n / 3.0) / 300.0) + 0.2 * noise));
    }
    return g;
}

// The rotation by brute force: every azimuth 0, 1, ... 179 degrees, the
// combined value in double, its largest magnitude; RotD100 the largest of
// them, RotD50 the mean of the 90th and 91st.
RotDValues BruteForce(const std::vector<float>& ns, const std::vector<float>& ew) {
    std::vector<double> peaks;
    for (int degrees = 0; degrees < 180; ++degrees) {
        const double theta = degrees * std::numbers::pi / 180.0;
        double peak = 0.0;
        for (std::size_t i = 0; i < ns.size(); ++i)
            peak = std::max(peak, std::fabs(std::cos(theta) * ns[i] + std::sin(theta) * ew[i]));
        peaks.push_back(peak);
    }
    RotDValues v;
    v.rotd100 = static_cast<float>(*std::max_element(peaks.begin(), peaks.end()));
    v.azimuth100 = static_cast<int>(std::max_element(peaks.begin(), peaks.end()) - peaks.begin());
    std::sort(peaks.begin(), peaks.end());
    v.rotd50 = static_cast<float>((peaks[89] + peaks[90]) / 2);
    return v;
}

TEST(RotatedPeaks, AgainstARotationAtOneDegreeSteps) {
    const struct {
        const char* name;
        std::vector<float> ns, ew;
    } cases[] = {{"two motions", Motion(3000, 3u, 0.03), Motion(3000, 9u, 0.011)},
                 {"NS only", Motion(2000, 4u, 0.05), std::vector<float>(2000, 0.0f)},
                 {"EW = 2 NS", Motion(1500, 5u, 0.02), {}},
                 {"one sample", {3.0f}, {-4.0f}}};
    for (const auto& c : cases) {
        std::vector<float> ew = c.ew;
        if (ew.empty())
            for (float v : c.ns) ew.push_back(2.0f * v);
        const RotDValues want = BruteForce(c.ns, ew);
        for (EnginePath path : {EnginePath::Fast, EnginePath::Reference}) {
            const RotDValues got = RotatedPeakOf(c.ns, ew, path);
            EXPECT_NEAR(got.rotd100, want.rotd100, 1e-6 * want.rotd100) << c.name;
            EXPECT_NEAR(got.rotd50, want.rotd50, 1e-6 * want.rotd50) << c.name;
            EXPECT_EQ(got.azimuth100, want.azimuth100) << c.name;
        }
    }
    // Along 0 degrees the peak is NS's own: for NS alone RotD100 is its PGA.
    const std::vector<float> ns = Motion(2000, 4u, 0.05);
    EXPECT_EQ(RotatedPeakOf(ns, std::vector<float>(2000, 0.0f)).rotd100, FindPeak(2000, ns.data()).value);
}

// The blocks' bounds leave out only values that cannot win: the peaks are
// the plain scan's bit for bit, on every vector path, whatever the motion.
TEST(RotatedPeaks, FastEqualsPlainOnEveryPath) {
    std::vector<std::pair<std::vector<float>, std::vector<float>>> pairs{
        {Motion(30000, 1u, 0.013), Motion(30000, 2u, 0.007)},
        {Motion(70, 3u, 0.2), Motion(70, 5u, 0.1)},
        {std::vector<float>(500, 7.0f), std::vector<float>(500, -7.0f)},
        {std::vector<float>(300, 0.0f), std::vector<float>(300, 0.0f)},
        {{}, {}}};
    std::vector<float> spiky(4000, 0.0f), other(4000, 0.0f);
    spiky[1234] = 80.0f;
    other[3999] = -79.5f;
    pairs.emplace_back(spiky, other);
    std::vector<float> withNan = Motion(1000, 6u, 0.05);
    withNan[500] = std::nanf("");
    pairs.emplace_back(withNan, Motion(1000, 7u, 0.05));
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        const auto& [ns, ew] = pairs[p];
        const std::array<float, ROTD_AZIMUTHS> plain =
            AzimuthPeaks(static_cast<int>(ns.size()), ns.data(), ew.data());
        const RotDValues want = SummarizeAzimuthPeaks(plain);
        for (const SimdTarget& target : SupportedSimdTargets()) {
            ScopedSimdTarget only(target);
            const RotDValues got = RotatedPeakOf(ns, ew, EnginePath::Fast);
            EXPECT_TRUE(std::memcmp(&got.rotd50, &want.rotd50, sizeof(float)) == 0 &&
                        std::memcmp(&got.rotd100, &want.rotd100, sizeof(float)) == 0 &&
                        got.azimuth100 == want.azimuth100)
                << "pair " << p << " " << target.name << ": " << got.rotd50 << "/" << got.rotd100 << " vs "
                << want.rotd50 << "/" << want.rotd100;
        }
    }
}

// A three-component record at 100 Hz whose window (samples 1000 .. 2999)
// leaves out its largest acceleration (at sample 500) and whose velocity
// and displacement buffers hold values past the window.
std::unique_ptr<SeismicRecord> WindowedRecord() {
    auto r = std::make_unique<SeismicRecord>();
    r->recordLoaded = true;
    r->componentCount = 3;
    r->dt = 0.01f;
    r->sampleCount = 4000;
    r->windowStart = 1000;
    r->windowLength = 2000;
    const std::vector<float> ns = Motion(4000, 21u, 0.03), ew = Motion(4000, 22u, 0.02), ud = Motion(4000, 23u, 0.05, 50.0);
    for (int i = 0; i < 4000; ++i) {
        r->samples[0][i] = ns[static_cast<std::size_t>(i)];
        r->samples[1][i] = ew[static_cast<std::size_t>(i)];
        r->samples[2][i] = ud[static_cast<std::size_t>(i)];
    }
    r->samples[0][500] = 900.0f;
    for (int i = 0; i < 2300; ++i) {
        r->velocity[0][i] = static_cast<float>(10.0 * std::sin(0.01 * i));
        r->velocity[1][i] = static_cast<float>(6.0 * std::cos(0.013 * i));
        r->displacement[0][i] = static_cast<float>(2.0 * std::sin(0.004 * i));
        r->displacement[1][i] = static_cast<float>(1.0 * std::cos(0.003 * i));
    }
    r->velocity[0][2100] = 500.0f;  // past the window: not a peak
    r->displacement[1][2200] = 500.0f;
    return r;
}

std::vector<float> Slice(const TraceBuffer& buffer, int from, int count) {
    return std::vector<float>(buffer.data() + from, buffer.data() + from + count);
}

TEST(RecordMeasures, AccelerationOverTheRecordVelocityAndDisplacementOverTheWindow) {
    const auto r = WindowedRecord();
    const RecordMeasures m = ComputeRecordMeasures(*r, RecordMeasureSettings{});
    ASSERT_TRUE(m.rotatedPeaks.has_value());
    EXPECT_TRUE(m.horizontalProblem.empty());
    EXPECT_EQ(m.rotatedPeaks->acceleration.rotd100,
              RotatedPeakOf(Slice(r->samples[0], 0, 4000), Slice(r->samples[1], 0, 4000)).rotd100);
    EXPECT_GE(m.rotatedPeaks->acceleration.rotd100, 900.0f);
    const RotDValues velocity = RotatedPeakOf(Slice(r->velocity[0], 0, 2000), Slice(r->velocity[1], 0, 2000));
    EXPECT_EQ(m.rotatedPeaks->velocity.rotd100, velocity.rotd100);
    EXPECT_EQ(m.rotatedPeaks->velocity.rotd50, velocity.rotd50);
    EXPECT_LT(m.rotatedPeaks->velocity.rotd100, 20.0f);
    EXPECT_LT(m.rotatedPeaks->displacement.rotd100, 5.0f);
    // Every component's time-domain values read the whole record; the
    // spectrum intensities of NS and EW are those of the components alone.
    SpectrumIntensitySettings spectrum;
    for (int c = 0; c < 3; ++c) {
        const std::vector<float> all = Slice(r->samples[static_cast<std::size_t>(c)], 0, 4000);
        const TimeDomainMeasures alone = TimeDomainMeasuresOf(all, r->dt, {});
        const ComponentMeasures& got = m.components[static_cast<std::size_t>(c)];
        EXPECT_EQ(got.time.ariasIntensity, alone.ariasIntensity) << c;
        EXPECT_EQ(got.time.cumulative.cav, alone.cumulative.cav) << c;
        EXPECT_EQ(got.time.durations.d5_95, alone.durations.d5_95) << c;
        ASSERT_TRUE(got.spectrum.has_value()) << c;
        const ComponentSpectrumIntensity si = ComponentSpectrumIntensityOf(all, r->dt, spectrum);
        EXPECT_EQ(got.spectrum->si, si.si) << c;
        EXPECT_EQ(got.spectrum->housner, si.housner) << c;
    }
    ASSERT_TRUE(m.horizontalSi.has_value());
    EXPECT_EQ(m.horizontalSi->si,
              HorizontalSpectrumIntensityOf(Slice(r->samples[0], 0, 4000), Slice(r->samples[1], 0, 4000), r->dt, spectrum).si);
    // The bracketed duration reads the threshold it is given.
    RecordMeasureSettings high;
    high.bracketThresholdG = 0.9;  // 882.6 gal: the spike alone
    const RecordMeasures spike = ComputeRecordMeasures(*r, high);
    EXPECT_EQ(spike.bracketThresholdG, 0.9);
    EXPECT_EQ(*spike.components[0].time.bracketed, 0.0);
    EXPECT_FALSE(spike.components[1].time.bracketed.has_value());
}

// Horizontal values need two horizontals the record states to be
// perpendicular; the components' own values do not.
TEST(RecordMeasures, HorizontalValuesNeedTwoPerpendicularHorizontals) {
    const struct {
        const char* name;
        int components;
        ComponentOrientation first, second;
        bool horizontal;
    } cases[] = {{"NS, EW, UD", 3, {false, 0.0}, {false, 90.0}, true},
                 {"one component", 1, {false, 0.0}, {false, 90.0}, false},
                 {"60 degrees apart", 3, {false, 0.0}, {false, 60.0}, false},
                 {"directions not stated", 3, {false, std::nullopt}, {false, std::nullopt}, false},
                 {"a vertical second", 3, {false, 0.0}, {true, std::nullopt}, false},
                 {"turned, perpendicular", 2, {false, 30.0}, {false, 120.0}, true}};
    for (const auto& c : cases) {
        auto r = WindowedRecord();
        r->componentCount = c.components;
        r->orientation[0] = c.first;
        r->orientation[1] = c.second;
        EXPECT_EQ(!HorizontalMeasuresUnavailable(*r).has_value(), c.horizontal) << c.name;
        const RecordMeasures m = ComputeRecordMeasures(*r, RecordMeasureSettings{});
        EXPECT_EQ(m.componentCount, c.components) << c.name;
        EXPECT_EQ(m.horizontalSi.has_value(), c.horizontal) << c.name;
        EXPECT_EQ(m.rotatedPeaks.has_value(), c.horizontal) << c.name;
        EXPECT_EQ(m.horizontalProblem.empty(), c.horizontal) << c.name;
        for (int comp = 0; comp < c.components; ++comp)
            EXPECT_TRUE(m.components[static_cast<std::size_t>(comp)].spectrum.has_value()) << c.name << " " << comp;
    }
}

// A record whose interval the oscillator refuses keeps its time-domain
// values; a silent record has no durations.
TEST(RecordMeasures, RefusedIntervalsAndSilence) {
    auto coarse = WindowedRecord();
    coarse->dt = 2.0f;
    const RecordMeasures m = ComputeRecordMeasures(*coarse, RecordMeasureSettings{});
    EXPECT_FALSE(m.spectrumProblem.empty());
    EXPECT_FALSE(m.horizontalSi.has_value());
    EXPECT_TRUE(m.rotatedPeaks.has_value());
    for (int c = 0; c < 3; ++c) {
        EXPECT_FALSE(m.components[static_cast<std::size_t>(c)].spectrum.has_value());
        EXPECT_GT(m.components[static_cast<std::size_t>(c)].time.ariasIntensity, 0.0);
    }
    auto silent = WindowedRecord();
    for (int c = 0; c < 3; ++c) std::fill(silent->samples[static_cast<std::size_t>(c)].data(),
                                          silent->samples[static_cast<std::size_t>(c)].data() + 4000, 0.0f);
    const RecordMeasures quiet = ComputeRecordMeasures(*silent, RecordMeasureSettings{});
    for (int c = 0; c < 3; ++c) {
        const ComponentMeasures& q = quiet.components[static_cast<std::size_t>(c)];
        EXPECT_FALSE(q.time.durations.d5_75.has_value());
        EXPECT_FALSE(q.time.durations.d5_95.has_value());
        EXPECT_FALSE(q.time.bracketed.has_value());
        EXPECT_EQ(q.spectrum->si, 0.0);
    }
    EXPECT_EQ(quiet.horizontalSi->si, 0.0);
    EXPECT_EQ(quiet.rotatedPeaks->acceleration.rotd100, 0.0f);
}

}  // namespace
}  // namespace tremblo
