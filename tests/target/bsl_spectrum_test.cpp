#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "spectrum/period_table.h"
#include "target/bsl_spectrum.h"
#include "target/target_choice.h"
#include "target/target_ratio.h"
#include "target/target_spectrum.h"
#include "target/target_table_text.h"

namespace tremblo {
namespace {

TEST(BslSpectrum, ValuesWorkedByHand) {
    // Safety limit: 3.2 + 30 T, 8.0, 5.12 / T (m/s²); damage limit a fifth.
    const struct {
        BslLimit limit;
        double period, zone, gal;
    } cases[] = {
        {BslLimit::Safety, 0.0, 1.0, 320.0},   {BslLimit::Safety, 0.1, 1.0, 620.0},
        {BslLimit::Safety, 0.16, 1.0, 800.0},  {BslLimit::Safety, 0.4, 1.0, 800.0},
        {BslLimit::Safety, 0.64, 1.0, 800.0},  {BslLimit::Safety, 1.0, 1.0, 512.0},
        {BslLimit::Safety, 2.0, 1.0, 256.0},   {BslLimit::Safety, 5.0, 1.0, 102.4},
        {BslLimit::Damage, 0.1, 1.0, 124.0},   {BslLimit::Damage, 0.16, 1.0, 160.0},
        {BslLimit::Damage, 0.64, 1.0, 160.0},  {BslLimit::Damage, 2.0, 1.0, 51.2},
        {BslLimit::Safety, 1.0, 0.8, 409.6},   {BslLimit::Damage, 0.4, 0.7, 112.0},
        {BslLimit::Safety, 0.05, 0.9, 423.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.limit == BslLimit::Safety ? "safety" : "damage") << " T=" << c.period
                                        << " Z=" << c.zone);
        EXPECT_NEAR(BslBedrockSa(c.limit, c.period, c.zone), c.gal, 1e-9 * c.gal);
    }
}

TEST(BslSpectrum, ContinuousAtBothCornerPeriods) {
    for (BslLimit limit : {BslLimit::Safety, BslLimit::Damage}) {
        for (double corner : {BSL_SHORT_CORNER, BSL_LONG_CORNER}) {
            const double below = BslBedrockSa(limit, std::nextafter(corner, 0.0), 1.0);
            EXPECT_NEAR(below, BslBedrockSa(limit, corner, 1.0), 1e-9) << corner;
        }
    }
}

TEST(TargetSpectrum, PseudoVelocityAndDisplacement) {
    const double twoPi = 2.0 * std::numbers::pi;
    // At T = 2π seconds the factor T / 2π is 1: all three agree.
    for (int q : {TARGET_SA, TARGET_SV, TARGET_SD}) EXPECT_DOUBLE_EQ(PseudoValue(q, 250.0, twoPi), 250.0);
    EXPECT_NEAR(PseudoValue(TARGET_SV, 100.0, 1.0), 15.915494, 1e-6);  // 100 / 2π
    EXPECT_NEAR(PseudoValue(TARGET_SD, 100.0, 1.0), 2.533030, 1e-6);   // 100 / 4π²
    const TargetSpectrum safety = BuiltInTarget(BslLimit::Safety, 1.0);
    EXPECT_NEAR(*safety.ValueAt(TARGET_SD, 2.0), 256.0 * 4.0 / (twoPi * twoPi), 1e-9);
    EXPECT_FALSE(safety.SaAt(0.0));
    EXPECT_FALSE(safety.SaAt(-1.0));
}

TEST(TargetSpectrum, BuiltInNamesLabelsAndDrawingPeriods) {
    const PeriodTable table = BuildPeriodTable();
    const struct {
        const char* name;
        double zone;
        const char* key;
        const char* label;
    } cases[] = {
        {kBslSafetyName, 1.0, "bsl-safety", "告示 安全限界 Z=1.0"},
        {kBslDamageName, 0.8, "bsl-damage", "告示 損傷限界 Z=0.8"},
        {kBslDamageName, 0.85, "bsl-damage", "告示 損傷限界 Z=0.85"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto target = TargetOfName(c.name, c.zone);
        ASSERT_TRUE(target.ok());
        EXPECT_EQ(target.value().key, c.key);
        EXPECT_EQ(target.value().label, c.label);
        // The 200 table periods and both corners, ascending.
        const std::vector<double> periods = TargetDrawingPeriods(target.value(), table.periods);
        ASSERT_EQ(periods.size(), 202u);
        EXPECT_TRUE(std::is_sorted(periods.begin(), periods.end()));
        EXPECT_EQ(std::count(periods.begin(), periods.end(), BSL_SHORT_CORNER), 1);
        EXPECT_EQ(std::count(periods.begin(), periods.end(), BSL_LONG_CORNER), 1);
    }
}

TEST(TargetRatio, LargestRatioAndItsPeriod) {
    const PeriodTable table = BuildPeriodTable();
    const TargetSpectrum safety = BuiltInTarget(BslLimit::Safety, 1.0);
    // SA at twice the curve everywhere, three times at index 120.
    std::vector<float> sa;
    for (float p : table.periods) sa.push_back(static_cast<float>(2.0 * *safety.SaAt(p)));
    sa[120] = static_cast<float>(3.0 * *safety.SaAt(table.periods[120]));
    const auto largest = LargestTargetRatio(safety, table.periods, sa);
    ASSERT_TRUE(largest);
    EXPECT_NEAR(largest->ratio, 3.0f, 1e-5f);
    EXPECT_EQ(largest->period, table.periods[120]);
    // A table over 0.5 .. 2 s sees none of the periods outside it.
    TargetSpectrum table05;
    table05.kind = TargetKind::Table;
    table05.periods = {0.5, 2.0};
    table05.sa = {100.0, 100.0};
    sa.assign(PERIOD_COUNT, 50.0f);
    sa[0] = 1000.0f;  // 0.05 s: outside
    sa[199] = 1000.0f;
    sa[110] = 150.0f;
    const auto inside = LargestTargetRatio(table05, table.periods, sa);
    ASSERT_TRUE(inside);
    EXPECT_FLOAT_EQ(inside->ratio, 1.5f);
    EXPECT_EQ(inside->period, table.periods[110]);
    table05.periods = {20.0, 30.0};
    EXPECT_FALSE(LargestTargetRatio(table05, table.periods, sa));
}

TEST(TargetTableText, HeaderAndOneRowPerTablePeriod) {
    const PeriodTable table = BuildPeriodTable();
    const std::string text = TargetTableText(BuiltInTarget(BslLimit::Safety, 1.0), table.periods);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 201);
    // 0.05 s: 320 + 3000 x 0.05 = 470 gal; SV 470 x 0.05 / 2π; SD 470 x (0.05 / 2π)².
    EXPECT_TRUE(text.starts_with("Period,SA,SV,SD\n0.05,470,3.74014,0.0297631\n")) << text.substr(0, 80);
}

TEST(TargetChoice, KeysMadeDistinctInOrder) {
    std::vector<TargetSpectrum> targets(4);
    const char* keys[] = {"site", "bsl-safety", "site", "site"};
    for (std::size_t i = 0; i < targets.size(); ++i) targets[i].key = keys[i];
    MakeKeysDistinct(targets);
    EXPECT_EQ(targets[0].key, "site");
    EXPECT_EQ(targets[1].key, "bsl-safety");
    EXPECT_EQ(targets[2].key, "site_2");
    EXPECT_EQ(targets[3].key, "site_3");
}

}  // namespace
}  // namespace tremblo
