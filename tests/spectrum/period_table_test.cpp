// The period and frequency tables and the counts derived from them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "spectrum/damping_ratios.h"
#include "spectrum/period_table.h"

namespace tremblo {
namespace {

TEST(PeriodTable, TellingRows) {
    const PeriodTable t = BuildPeriodTable();
    EXPECT_NEAR(t.logPeriodStep, 0.0264916, 1e-7);
    const struct { int j; double period; } rows[] = {
        {0, 0.05}, {1, 0.051342}, {26, 0.099564}, {27, 0.102237}, {100, 0.707107},
        {139, 1.986945}, {140, 2.040286}, {173, 4.890586}, {199, 9.738561}};
    for (const auto& row : rows) EXPECT_NEAR(t.periods[row.j], row.period, 5e-7) << row.j;
    EXPECT_EQ(t.periods[0], t.minPeriod);
    EXPECT_NEAR(t.frequencies[0], 20.0, 5e-6);
    EXPECT_NEAR(t.frequencies[26], 10.043755, 5e-6);
    EXPECT_NEAR(t.frequencies[27], 9.781173, 5e-6);
    EXPECT_NEAR(t.frequencies[199], 0.102685, 5e-7);
}

TEST(PeriodTable, GeometricSeriesFromTwentyHertzDown) {
    // Period j is 0.05 x 200^(j/200) s. The step is stored in single
    // precision, so the error grows with j: about 2e-7 relative at j 199.
    const PeriodTable t = BuildPeriodTable();
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        const long double period = 0.05L * std::pow(200.0L, j / 200.0L);
        const long double reversed = 0.05L * std::pow(200.0L, (PERIOD_COUNT - 1 - j) / 200.0L);
        EXPECT_NEAR(t.periods[j] / period, 1.0L, 1e-6L) << j;
        EXPECT_NEAR(t.frequencies[j] * period, 1.0L, 1e-6L) << j;
        EXPECT_NEAR(t.ascendingFrequencies[j] * reversed, 1.0L, 1e-6L) << j;
    }
}

TEST(PeriodTable, ReverseTableTurnsEitherFormRoundInPlace) {
    std::array<float, PERIOD_COUNT> table;
    for (int j = 0; j < PERIOD_COUNT; ++j) table[j] = static_cast<float>(j);
    ReverseTable(table);
    EXPECT_EQ(table[0], 199.0f);
    EXPECT_EQ(table[100], 99.0f);
    EXPECT_EQ(table[199], 0.0f);
    ReverseTable(table.data());
    for (int j = 0; j < PERIOD_COUNT; ++j) ASSERT_EQ(table[j], static_cast<float>(j));
}

TEST(DampingRatios, EachMultipliersRowAndCaptions) {
    const struct {
        DampingMultiplier multiplier;
        DampingRatios ratios;
        std::array<std::string, 4> captions;
    } rows[] = {
        {DampingMultiplier::Times1, {0.0f, 0.01f, 0.02f, 0.05f, 0.1f}, {" 1%", " 2%", " 5%", "10%"}},
        {DampingMultiplier::Times5, {0.0f, 0.05f, 0.1f, 0.25f, 0.5f}, {" 5%", "10%", "25%", "50%"}},
        {DampingMultiplier::Times10, {0.0f, 0.1f, 0.2f, 0.5f, 1.0f}, {"10%", "20%", "50%", "100%"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DampingRatiosFor(row.multiplier), row.ratios);
        const auto captions = DampingCaptionsFor(row.multiplier);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(captions[k], row.captions[k]) << k;
    }
}

TEST(PeriodTable, LinearAxisCounts) {
    const PeriodTable t = BuildPeriodTable();
    EXPECT_EQ(LinearPeriodCount(t, LinearPeriodAxisFor(LinearPeriodRange::Seconds2).limit), 140);
    EXPECT_EQ(LinearPeriodCount(t, LinearPeriodAxisFor(LinearPeriodRange::Seconds5).limit), 174);
    EXPECT_EQ(LinearPeriodCount(t, LinearPeriodAxisFor(LinearPeriodRange::Seconds10).limit), 200);
    EXPECT_LE(t.periods[139], 2.0f);
    EXPECT_GT(t.periods[140], 2.0f);
    EXPECT_EQ(LinearFrequencyCount(t), 174);
    EXPECT_LE(t.ascendingFrequencies[172], 10.0f);
    EXPECT_GT(t.ascendingFrequencies[173], 10.0f);
}

}  // namespace
}  // namespace tremblo
