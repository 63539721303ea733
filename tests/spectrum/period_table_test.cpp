// The period and frequency tables and the counts derived from them.
#include <gtest/gtest.h>

#include <cmath>

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
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        EXPECT_NE(t.periods[j], 10.0f);
        if (j > 0) {
            EXPECT_GT(t.periods[j], t.periods[j - 1]);
        }
        EXPECT_EQ(t.frequencies[j], 1.0f / t.periods[j]);
        EXPECT_EQ(t.ascendingFrequencies[j], t.frequencies[PERIOD_COUNT - 1 - j]);
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
    std::array<float, PERIOD_COUNT> reversed = t.frequencies;
    ReverseTable(reversed);
    EXPECT_EQ(reversed, t.ascendingFrequencies);
    EXPECT_LE(t.ascendingFrequencies[172], 10.0f);
    EXPECT_GT(t.ascendingFrequencies[173], 10.0f);
}

}  // namespace
}  // namespace tremblo
