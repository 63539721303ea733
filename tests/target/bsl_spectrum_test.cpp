#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "spectrum/period_table.h"
#include "target/target_ratio.h"
#include "target/target_spectrum.h"

namespace tremblo {
namespace {

TEST(BslSpectrum, ValuesByHandAtAndBetweenTheCorners) {
    // Safety limit 3.2 + 30 T, 8.0, 5.12 / T (m/s²); damage limit a fifth; times Z.
    const struct {
        BslLimit limit;
        double period, zone, gal;
    } cases[] = {
        {BslLimit::Safety, 0.1, 1.0, 620.0},  {BslLimit::Safety, 0.16, 1.0, 800.0},
        {BslLimit::Safety, 0.64, 1.0, 800.0}, {BslLimit::Safety, 2.0, 1.0, 256.0},
        {BslLimit::Damage, 0.1, 1.0, 124.0},  {BslLimit::Damage, 0.16, 1.0, 160.0},
        {BslLimit::Damage, 0.64, 1.0, 160.0}, {BslLimit::Damage, 2.0, 1.0, 51.2},
        {BslLimit::Safety, 1.0, 0.8, 409.6},  {BslLimit::Damage, 0.4, 0.7, 112.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(BslBedrockSa(c.limit, c.period, c.zone), c.gal, 1e-9 * c.gal) << c.period << " Z=" << c.zone;
    for (BslLimit limit : {BslLimit::Safety, BslLimit::Damage})
        for (double corner : {BSL_SHORT_CORNER, BSL_LONG_CORNER})  // continuous at both corners
            EXPECT_NEAR(BslBedrockSa(limit, std::nextafter(corner, 0.0), 1.0), BslBedrockSa(limit, corner, 1.0), 1e-9);
    // Pseudo values: SV = SA T / 2π, SD = SA (T / 2π)²; 100 gal at 1 s.
    EXPECT_NEAR(PseudoValue(TARGET_SV, 100.0, 1.0), 15.915494, 1e-6);
    EXPECT_NEAR(PseudoValue(TARGET_SD, 100.0, 1.0), 2.533030, 1e-6);
}

TEST(TargetSpectrum, BuiltInsAreDrawnAtTheTablePeriodsAndBothCorners) {
    const PeriodTable table = BuildPeriodTable();
    const TargetSpectrum damage = BuiltInTarget(BslLimit::Damage, 0.85);
    EXPECT_EQ(damage.label, "告示 損傷限界 Z=0.85");
    const std::vector<double> periods = TargetDrawingPeriods(damage, table.periods);
    ASSERT_EQ(periods.size(), 202u);
    EXPECT_TRUE(std::is_sorted(periods.begin(), periods.end()));
    EXPECT_EQ(std::count(periods.begin(), periods.end(), BSL_SHORT_CORNER), 1);
    EXPECT_EQ(std::count(periods.begin(), periods.end(), BSL_LONG_CORNER), 1);
}

TEST(TargetRatio, LargestRatioOverThePeriodsTheTargetCovers) {
    const PeriodTable table = BuildPeriodTable();
    const TargetSpectrum safety = BuiltInTarget(BslLimit::Safety, 1.0);
    std::vector<float> sa;  // twice the curve, three times at index 120
    for (float p : table.periods) sa.push_back(static_cast<float>(2.0 * *safety.SaAt(p)));
    sa[120] = static_cast<float>(3.0 * *safety.SaAt(table.periods[120]));
    const auto largest = LargestTargetRatio(safety, table.periods, sa);
    ASSERT_TRUE(largest);
    EXPECT_NEAR(largest->ratio, 3.0f, 1e-5f);
    EXPECT_EQ(largest->period, table.periods[120]);
    TargetSpectrum flat;  // 100 gal over 0.5 .. 2 s: 0.05 s and 9.7 s do not count
    flat.kind = TargetKind::Table;
    flat.periods = {0.5, 2.0};
    flat.sa = {100.0, 100.0};
    sa.assign(PERIOD_COUNT, 50.0f);
    sa[0] = sa[199] = 1000.0f;
    sa[110] = 150.0f;
    EXPECT_FLOAT_EQ(LargestTargetRatio(flat, table.periods, sa)->ratio, 1.5f);
    flat.periods = {20.0, 30.0};
    EXPECT_FALSE(LargestTargetRatio(flat, table.periods, sa));
}

// Ties: the first of the periods where the largest ratio is reached, so
// that the reported period does not depend on anything but the record.
TEST(TargetRatio, TiedLargestRatiosReportTheFirstPeriod) {
    const PeriodTable table = BuildPeriodTable();
    TargetSpectrum flat;
    flat.kind = TargetKind::Table;
    flat.periods = {0.5, 2.0};
    flat.sa = {100.0, 100.0};
    const TargetSpectrum safety = BuiltInTarget(BslLimit::Safety, 1.0);
    const struct {
        const char* name;
        const TargetSpectrum* target;
        std::vector<std::size_t> peaks;  // where SA is 3 times the target; the first is reported
    } cases[] = {
        {"two peaks in a table", &flat, {95, 110}},
        {"three peaks, last at the table's end", &flat, {100, 101, 121}},
        {"on the notification's plateau", &safety, {70, 80}},
        {"the whole table", &flat, {}},
    };
    for (const auto& c : cases) {
        std::vector<float> sa;
        for (float p : table.periods) {
            const std::optional<double> target = c.target->SaAt(p);
            sa.push_back(target ? static_cast<float>((c.peaks.empty() ? 3.0 : 1.0) * *target) : 0.0f);
        }
        for (std::size_t j : c.peaks) sa[j] = static_cast<float>(3.0 * *c.target->SaAt(table.periods[j]));
        const auto largest = LargestTargetRatio(*c.target, table.periods, sa);
        ASSERT_TRUE(largest) << c.name;
        // The first table period the target is defined at, for the whole table.
        std::size_t first = 0;
        while (!c.target->SaAt(table.periods[first])) ++first;
        EXPECT_EQ(largest->period, table.periods[c.peaks.empty() ? first : c.peaks.front()]) << c.name;
        EXPECT_FLOAT_EQ(largest->ratio, 3.0f) << c.name;
    }
}

}  // namespace
}  // namespace tremblo
