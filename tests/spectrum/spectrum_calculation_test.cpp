// The calculation run: which entries it fills, its progress, and every
// vector path against the reference, value by value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "spectrum/spectrum_calculation.h"
#include "spectrum/spectrum_model.h"
#include "compute/simd_targets.h"

namespace tremblo {
namespace {

// Ground motion that exercises rounding: a noisy burst on a slow wave with
// values of all magnitudes, then (when quietTail) a long silence in which
// the responses decay towards the smallest floats.
std::unique_ptr<SeismicRecord> GroundRecord(int components, int n, float dt, bool quietTail) {
    auto record = std::make_unique<SeismicRecord>();
    record->componentCount = components;
    record->sampleCount = n;
    record->dt = dt;
    record->windowStart = 0;
    record->windowLength = n;
    unsigned s = 7u;
    const int loud = quietTail ? n / 4 : n;
    for (int c = 0; c < components; ++c) {
        for (int i = 0; i < loud; ++i) {
            s = s * 1664525u + 1013904223u;
            const double noise = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
            const double scale = std::pow(10.0, static_cast<double>((s >> 3) % 5) - 2.0);
            record->samples[c][i] = static_cast<float>(
                (c + 1) * 30.0 * std::sin(0.031 * i) + noise * scale * 50.0 + 0.7);
        }
    }
    return record;
}

void ExpectSameBits(const SpectrumTable& a, const SpectrumTable& b, const std::string& what) {
    for (int c = 0; c < SPECTRUM_COMPONENTS; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j) {
                    const float x = a.at(c, k, q, j), y = b.at(c, k, q, j);
                    ASSERT_EQ(std::memcmp(&x, &y, sizeof x), 0)
                        << what << " c" << c << " k" << k << " q" << q << " j" << j << ": " << x
                        << " vs " << y;
                }
}

TEST(SpectrumCalculation, EveryPathMatchesTheReferenceForEveryMultiplier) {
    const PeriodTable periods = BuildPeriodTable();
    SpectrumCalculation calculation;
    const auto record = GroundRecord(3, 1500, 0.01f, false);
    for (auto multiplier :
         {DampingMultiplier::Times1, DampingMultiplier::Times5, DampingMultiplier::Times10}) {
        const DampingRatios ratios = DampingRatiosFor(multiplier);
        auto expected = std::make_unique<SpectrumTable>();
        ASSERT_EQ(calculation.Run(*record, periods, ratios, *expected, {}, EnginePath::Reference),
                  CalculationStatus::Done);
        for (const SimdTarget& target : SupportedSimdTargets()) {
            ScopedSimdTarget only(target);
            for (int workers : {1, 2}) {
                auto fast = std::make_unique<SpectrumTable>();
                ASSERT_EQ(calculation.Run(*record, periods, ratios, *fast, {}, EnginePath::Fast, workers),
                          CalculationStatus::Done);
                ExpectSameBits(*expected, *fast, std::string(target.name) + " x" +
                                                     std::to_string(static_cast<int>(multiplier)));
            }
        }
    }
}

TEST(SpectrumCalculation, LongRecordWithDecayingTailMatchesOnEveryPath) {
    // 20 Hz sampling (the shortest periods integrate with dt/T = 1) and a
    // silent three quarters in which heavily damped responses decay.
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times10);
    SpectrumCalculation calculation;
    const auto record = GroundRecord(1, 12000, 0.05f, true);
    auto expected = std::make_unique<SpectrumTable>();
    ASSERT_EQ(calculation.Run(*record, periods, ratios, *expected, {}, EnginePath::Reference),
              CalculationStatus::Done);
    for (const SimdTarget& target : SupportedSimdTargets()) {
        ScopedSimdTarget only(target);
        auto fast = std::make_unique<SpectrumTable>();
        ASSERT_EQ(calculation.Run(*record, periods, ratios, *fast, {}, EnginePath::Fast),
                  CalculationStatus::Done);
        ExpectSameBits(*expected, *fast, target.name);
    }
}

TEST(SpectrumCalculation, FillsOnlyTheRecordsComponents) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    SpectrumCalculation calculation;
    for (auto path : {EnginePath::Reference, EnginePath::Fast}) {
        auto table = std::make_unique<SpectrumTable>();
        table->values.fill(-1.0f);
        const auto record = GroundRecord(1, 300, 0.01f, false);
        ASSERT_EQ(calculation.Run(*record, periods, ratios, *table, {}, path), CalculationStatus::Done);
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j) {
                    EXPECT_GT(table->at(0, k, q, j), 0.0f);
                    EXPECT_EQ(table->at(1, k, q, j), -1.0f);
                    EXPECT_EQ(table->at(2, k, q, j), -1.0f);
                }
    }
}

TEST(SpectrumCalculation, EmptyWindowOrSilenceGivesZeros) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    SpectrumCalculation calculation;
    for (auto path : {EnginePath::Reference, EnginePath::Fast}) {
        auto record = GroundRecord(3, 400, 0.01f, false);
        record->windowStart = 400;
        record->windowLength = 0;
        auto table = std::make_unique<SpectrumTable>();
        table->values.fill(5.0f);
        ASSERT_EQ(calculation.Run(*record, periods, ratios, *table, {}, path), CalculationStatus::Done);
        for (float v : table->values) ASSERT_EQ(v, 0.0f);

        auto silent = std::make_unique<SeismicRecord>();
        silent->componentCount = 3;
        silent->sampleCount = 200;
        silent->dt = 0.01f;
        silent->windowLength = 200;
        table->values.fill(5.0f);
        ASSERT_EQ(calculation.Run(*silent, periods, ratios, *table, {}, path), CalculationStatus::Done);
        for (float v : table->values) ASSERT_EQ(v, 0.0f);
    }
}

TEST(SpectrumCalculation, SamplesPastTheRecordEndCountAsZero) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    SpectrumCalculation calculation;
    auto stale = GroundRecord(1, 600, 0.01f, false);
    auto clean = GroundRecord(1, 600, 0.01f, false);
    for (auto* record : {stale.get(), clean.get()}) {
        record->sampleCount = 300;
        record->windowStart = 100;
        record->windowLength = 500;  // passes the end by 300 samples
    }
    std::fill(clean->samples[0].data() + 300, clean->samples[0].data() + 600, 0.0f);
    auto a = std::make_unique<SpectrumTable>(), b = std::make_unique<SpectrumTable>();
    ASSERT_EQ(calculation.Run(*stale, periods, ratios, *a), CalculationStatus::Done);
    ASSERT_EQ(calculation.Run(*clean, periods, ratios, *b), CalculationStatus::Done);
    ExpectSameBits(*a, *b, "stale samples");
}

TEST(SpectrumCalculation, ProgressMovesBothBarsToTheirEnds) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    SpectrumCalculation calculation;
    const auto record = GroundRecord(2, 50, 0.01f, false);
    auto table = std::make_unique<SpectrumTable>();

    std::vector<SpectrumProgress> reports;
    auto collect = [&](const SpectrumProgress& p) { reports.push_back(p); };
    ASSERT_EQ(calculation.Run(*record, periods, ratios, *table, collect, EnginePath::Reference),
              CalculationStatus::Done);
    // Start, then per component: per ratio one overall step and 200 period
    // steps, and the component's end.
    ASSERT_EQ(reports.size(), 1u + 2u * (5u * 201u + 1u));
    EXPECT_EQ(reports.front().overallMaximum, 10);
    EXPECT_EQ(reports.front().periodMaximum, 200);
    EXPECT_EQ(reports.front().overallPosition, 0);
    EXPECT_EQ(reports[2].periodPosition, 0);
    EXPECT_EQ(reports[201].periodPosition, 199);
    EXPECT_EQ(reports[202].overallPosition, 1);
    EXPECT_EQ(reports.back().overallPosition, 10);
    EXPECT_EQ(reports.back().periodPosition, 200);  // both bars end full

    reports.clear();
    ASSERT_EQ(calculation.Run(*record, periods, ratios, *table, collect, EnginePath::Fast, 2),
              CalculationStatus::Done);
    ASSERT_GE(reports.size(), 3u);
    for (size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].overallPosition * 200 + reports[i].periodPosition,
                  reports[i - 1].overallPosition * 200 + reports[i - 1].periodPosition);
        EXPECT_EQ(reports[i].overallMaximum, 10);
    }
    EXPECT_EQ(reports.back().overallPosition, 10);
    EXPECT_EQ(reports.back().periodPosition, 200);
}

TEST(SpectrumModel, MultiplierChangesTheRatiosOfTheNextCalculation) {
    // With x5 the first nonzero ratio is 0.05: its curve equals the x1
    // table's fourth curve (0.05 there).
    SpectrumModel model;
    EXPECT_EQ(model.linearPeriodCount(), 140);
    EXPECT_EQ(model.linearFrequencyCount(), 174);
    const auto record = GroundRecord(1, 400, 0.01f, false);
    ASSERT_EQ(model.Calculate(*record), CalculationStatus::Done);
    const std::vector<float> fivePercent(model.spectrum().row(0, 3, SD),
                                         model.spectrum().row(0, 3, SD) + PERIOD_COUNT);
    model.SetDampingMultiplier(DampingMultiplier::Times5);
    EXPECT_EQ(model.dampingRatios()[3], 0.25f);
    ASSERT_EQ(model.Calculate(*record), CalculationStatus::Done);
    EXPECT_EQ(std::vector<float>(model.spectrum().row(0, 1, SD),
                                 model.spectrum().row(0, 1, SD) + PERIOD_COUNT),
              fivePercent);
    model.SetLinearPeriodRange(LinearPeriodRange::Seconds10);
    EXPECT_EQ(model.linearPeriodCount(), 200);
    EXPECT_EQ(model.linearPeriodAxis().subX, 4);
}

}  // namespace
}  // namespace tremblo
