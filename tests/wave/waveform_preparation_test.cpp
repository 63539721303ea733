// The redraw's preparation: window, rows, peaks, scales and the derivation
// of velocity and displacement.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "wave/bandpass_filter.h"
#include "wave/nice_amplitude.h"
#include "wave/trace_peak.h"
#include "wave/waveform_preparation.h"
#include "wave/waveform_drawing.h"
#include "common/shift_jis.h"
#include "support/marked_texts.h"

namespace tremblo {
namespace {

// A record at 100 Hz: quiet, then a 1 Hz motion of amplitude 100 gal on
// component 0 (half and a quarter of it on the others).
std::unique_ptr<SeismicRecord> MotionRecord(int components, int sampleCount) {
    auto record = std::make_unique<SeismicRecord>();
    record->componentCount = components;
    record->sampleCount = sampleCount;
    record->samplingFrequency = 100;
    record->dt = 0.01f;
    DesignRecordBandpassFilter(record->dt, record->bandpassCoefficients.data());
    for (int c = 0; c < components; ++c) {
        for (int i = 1000; i < sampleCount; ++i) {
            record->samples[c][i] =
                static_cast<float>(100.0 / (c + 1) * std::sin(2.0 * M_PI * (i - 1000) * 0.01));
        }
    }
    record->recordLoaded = true;
    return record;
}

TEST(PrepareWaveform, AutomaticStartWaveModeRows) {
    auto record = MotionRecord(3, 6000);
    DerivationWorkspace workspace;
    WaveformSettings settings;
    settings.timeSpanIndex = 2;  // 25 s
    const WaveformView view = PrepareWaveform(*record, settings, workspace);
    EXPECT_TRUE(view.prepared);
    // The first sample above 2 gal is at 1000 + 1 (sin(2 pi 0.01) = 6.3 gal).
    EXPECT_EQ(view.windowStart, 801);
    EXPECT_TRUE(view.startWasAutomatic);
    EXPECT_EQ(view.windowLength, 2500);
    EXPECT_EQ(record->windowStart, 801);
    EXPECT_EQ(record->windowLength, 2500);
    EXPECT_EQ(view.timeSpan, 25.0f);
    ASSERT_EQ(view.rowCount, 3);
    for (int r = 0; r < 3; ++r) {
        const WaveformRow& row = view.rows[r];
        EXPECT_EQ(row.component, r);
        EXPECT_EQ(row.quantity, WaveQuantity::Acceleration);
        EXPECT_STREQ(row.unitName, "Gal");
        EXPECT_EQ(row.trace, record->samples[r].data() + 801);
        const Peak peak = FindPeak(2500, record->samples[r].data() + 801);
        EXPECT_EQ(row.peak, peak.value);
        EXPECT_EQ(row.peakIndex, peak.index);
        EXPECT_EQ(row.valuePerDivision, NiceAmplitude(2, peak.value));
    }
    EXPECT_FLOAT_EQ(view.rows[0].valuePerDivision, 100.0f);  // peak 100: 2 x 50 does not exceed it
}

TEST(PrepareWaveform, ComponentModeOnOneComponentRecordShowsComponentZero) {
    auto record = MotionRecord(1, 6000);
    DerivationWorkspace workspace;
    WaveformSettings settings;
    settings.waveMode = false;
    settings.componentIndex = 2;
    settings.autoStart = false;
    settings.startValue = 1000;
    settings.autoAmplitude = false;
    settings.oneChannelAmplitude = true;  // not consulted in component mode
    settings.amplitudes = {400.0f, 100.0f, 10.0f};
    const WaveformView view = PrepareWaveform(*record, settings, workspace);
    EXPECT_FALSE(view.startWasAutomatic);
    ASSERT_EQ(view.rowCount, 3);
    const char* units[] = {"Gal", "kine", "cm"};
    const float scales[] = {200.0f, 50.0f, 5.0f};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(view.rows[r].component, 0);
        EXPECT_EQ(static_cast<int>(view.rows[r].quantity), r);
        EXPECT_STREQ(view.rows[r].unitName, units[r]);
        EXPECT_EQ(view.rows[r].valuePerDivision, scales[r]);
    }
    EXPECT_EQ(view.rows[1].trace, record->velocity[0].data());
    EXPECT_EQ(view.rows[2].trace, record->displacement[0].data());
}

TEST(PrepareWaveform, OneChannelAmplitudeAppliesToEveryRowInWaveMode) {
    auto record = MotionRecord(3, 3000);
    DerivationWorkspace workspace;
    WaveformSettings settings;
    settings.autoAmplitude = false;
    settings.amplitudes = {400.0f, 100.0f, 10.0f};
    settings.oneChannelAmplitude = true;
    WaveformView view = PrepareWaveform(*record, settings, workspace);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(view.rows[r].valuePerDivision, 200.0f);
    settings.oneChannelAmplitude = false;
    view = PrepareWaveform(*record, settings, workspace);
    EXPECT_EQ(view.rows[1].valuePerDivision, 50.0f);
    EXPECT_EQ(view.rows[2].valuePerDivision, 5.0f);
}

TEST(PrepareWaveform, DoesNothingBeforeTheFirstLoad) {
    auto record = MotionRecord(3, 3000);
    record->recordLoaded = false;
    record->windowStart = 17;
    DerivationWorkspace workspace;
    const WaveformView view = PrepareWaveform(*record, WaveformSettings{}, workspace);
    EXPECT_FALSE(view.prepared);
    EXPECT_EQ(view.rowCount, 0);
    EXPECT_EQ(record->windowStart, 17);
}

TEST(PrepareWaveform, StartPastTheEndShowsNothingAndDerivesNothing) {
    auto record = MotionRecord(3, 3000);
    record->velocity[0][0] = 42.0f;
    DerivationWorkspace workspace;
    WaveformSettings settings;
    settings.autoStart = false;
    settings.startValue = 5000;
    const WaveformView view = PrepareWaveform(*record, settings, workspace);
    EXPECT_LE(view.windowLength, 0);
    EXPECT_EQ(view.derivation, DerivationStatus::Skipped);
    EXPECT_EQ(record->velocity[0][0], 42.0f);
    for (int r = 0; r < view.rowCount; ++r) {
        EXPECT_EQ(view.rows[r].trace, nullptr);
        EXPECT_EQ(view.rows[r].peak, 0.0f);
        EXPECT_EQ(view.rows[r].peakIndex, 0);
        EXPECT_EQ(view.rows[r].valuePerDivision, NiceAmplitude(2, 0.0f));
    }
}

// The rows' quantities are picture texts: in the pictures' language, the
// record keeping its own names.
TEST(MakeWaveDrawInput, QuantitiesAreInThePicturesLanguage) {
    auto record = MotionRecord(3, 6000);
    DerivationWorkspace workspace;
    const WaveformSettings settings;
    const WaveformView view = PrepareWaveform(*record, settings, workspace);
    const char* const quantities[] = {"加速度", "速　度", "変　位"};
    const testing::MarkedTexts marked;
    const WaveDrawInput input = MakeWaveDrawInput(*record, view, settings, WaveDisplayOptions{});
    for (int q = 0; q < 3; ++q) {
        EXPECT_EQ(SjisToUtf8(input.quantityLabels[q]), std::string("{picture:wave}") + quantities[q]);
        EXPECT_EQ(SjisToUtf8(record->quantityLabel[q].view()), quantities[q]);
    }
}

TEST(DeriveMotion, SineAccelerationGivesMinusCosineVelocityAndMinusSineDisplacement) {
    auto record = MotionRecord(1, 6000);
    record->windowStart = 1000;
    record->windowLength = 5000;
    DerivationWorkspace workspace;
    ASSERT_EQ(DeriveMotion(*record, true, EnginePath::Fast, workspace), DerivationStatus::Derived);
    // The rectangle rule with the current sample leads by half a sample per
    // integration; the filter and the mean removal leave a few per cent.
    const double w = 2.0 * M_PI;
    for (int j = 1000; j < 4000; j += 37) {
        const double t = j * 0.01;
        EXPECT_NEAR(record->velocity[0][j], -100.0 * std::cos(w * (t + 0.005)) / w, 0.32) << j;
        EXPECT_NEAR(record->displacement[0][j], -100.0 * std::sin(w * (t + 0.01)) / (w * w), 0.2) << j;
    }
}

TEST(DeriveMotion, SamplesPastTheRecordEndCountAsZero) {
    // The same 2000 samples, once with stale values of a longer record
    // behind them and once with zeros: the derived traces agree.
    auto stale = MotionRecord(3, 70000);
    auto clean = MotionRecord(3, 70000);
    for (auto* record : {stale.get(), clean.get()}) {
        record->sampleCount = 2000;
        record->windowStart = 500;
        record->windowLength = 1500;
    }
    for (int c = 0; c < 3; ++c) std::fill(clean->samples[c].data() + 2000, clean->samples[c].data() + 70000, 0.0f);
    DerivationWorkspace workspace;
    for (auto path : {EnginePath::Reference, EnginePath::Fast}) {
        ASSERT_EQ(DeriveMotion(*stale, true, path, workspace), DerivationStatus::Derived);
        ASSERT_EQ(DeriveMotion(*clean, true, path, workspace), DerivationStatus::Derived);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(std::memcmp(stale->velocity[c].data(), clean->velocity[c].data(), 1800 * sizeof(float)), 0);
            EXPECT_EQ(std::memcmp(stale->displacement[c].data(), clean->displacement[c].data(), 1800 * sizeof(float)), 0);
        }
    }
}

TEST(DeriveMotion, FastPathMatchesReferenceUpToTheBufferCapacity) {
    // A window reaching the end of a full-capacity record: the span runs
    // 300 samples past the buffers, which must be neither read nor written.
    auto reference = MotionRecord(1, SAMPLE_CAPACITY);
    auto fast = MotionRecord(1, SAMPLE_CAPACITY);
    for (auto* record : {reference.get(), fast.get()}) {
        record->windowStart = SAMPLE_CAPACITY - 3000;
        record->windowLength = 3000;
    }
    DerivationWorkspace workspace;
    ASSERT_EQ(DeriveMotion(*reference, false, EnginePath::Reference, workspace), DerivationStatus::Derived);
    ASSERT_EQ(DeriveMotion(*fast, false, EnginePath::Fast, workspace), DerivationStatus::Derived);
    EXPECT_EQ(std::memcmp(reference->velocity[0].data(), fast->velocity[0].data(), 3300 * sizeof(float)), 0);
    EXPECT_EQ(std::memcmp(reference->displacement[0].data(), fast->displacement[0].data(), 3300 * sizeof(float)), 0);
    EXPECT_NE(fast->displacement[0][100], 0.0f);
}

TEST(DeriveMotion, ComponentsDerivedSideBySideMatchTheReference) {
    // Three different components in one fast derivation, with and without
    // mean removal, repeated on the same workspace: each component's result
    // must be its own reference result, whatever order the workers took.
    auto reference = MotionRecord(3, 20000);
    auto fast = MotionRecord(3, 20000);
    for (auto* record : {reference.get(), fast.get()}) {
        for (int i = 0; i < 20000; ++i) record->samples[2][i] += static_cast<float>(0.37 * std::cos(i * 0.071));
        record->windowStart = 800;
        record->windowLength = 15000;
    }
    DerivationWorkspace workspace;
    for (bool removeDc : {true, false}) {
        for (int workers : {1, 2, 5}) {
            ASSERT_EQ(DeriveMotion(*reference, removeDc, EnginePath::Reference, workspace), DerivationStatus::Derived);
            ASSERT_EQ(DeriveMotion(*fast, removeDc, EnginePath::Fast, workspace, workers), DerivationStatus::Derived);
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(std::memcmp(reference->velocity[c].data(), fast->velocity[c].data(), 15300 * sizeof(float)), 0)
                    << "component " << c << " workers " << workers;
                EXPECT_EQ(std::memcmp(reference->displacement[c].data(), fast->displacement[c].data(), 15300 * sizeof(float)), 0)
                    << "component " << c << " workers " << workers;
            }
        }
    }
    EXPECT_NE(fast->velocity[0][5000], fast->velocity[1][5000]);
}

}  // namespace
}  // namespace tremblo
