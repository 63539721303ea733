// The continuous colour scale of a numeric column on the station map.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "event/value_colors.h"

namespace tremblo {
namespace {

// 0xRRGGBB as the canvas writes it (red in the low byte).
Color FromRgb(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

TEST(ValueColors, ScaleRunsFromBlueToRedAcrossTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        ValueRange range;
        Color expected;
    } cases[] = {
        {10.0, {10.0, 50.0}, FromRgb(0x2040C0)},  // the smallest: blue
        {50.0, {10.0, 50.0}, FromRgb(0xD02020)},  // the largest: red
        {30.0, {10.0, 50.0}, FromRgb(0x30B030)},  // the middle: green
        {20.0, {10.0, 50.0}, FromRgb(0x20A0E0)},
        {40.0, {10.0, 50.0}, FromRgb(0xF0D020)},
        // Halfway between the first two stops: (0x20+0x20)/2, (0x40+0xA0)/2, (0xC0+0xE0)/2.
        {15.0, {10.0, 50.0}, FromRgb(0x2070D0)},
        // Halfway between the last two: (0xF0+0xD0)/2, (0xD0+0x20)/2 = 0x78, (0x20+0x20)/2.
        {45.0, {10.0, 50.0}, FromRgb(0xE07820)},
        {-5.0, {10.0, 50.0}, FromRgb(0x2040C0)},  // below the range: as the smallest
        {90.0, {10.0, 50.0}, FromRgb(0xD02020)},  // above: as the largest
        {3.0, {3.0, 3.0}, FromRgb(0x30B030)},     // one value: the middle
        {nan, {0.0, 1.0}, kNoValueColor},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueScaleColor(c.value, c.range), c.expected) << c.value << " in " << c.range.low << ".." << c.range.high;
}

TEST(ValueColors, RangeSpansTheFiniteValuesOnly) {
    const double inf = std::numeric_limits<double>::infinity();
    using Values = std::vector<std::optional<double>>;
    const struct {
        Values values;
        std::optional<std::pair<double, double>> expected;
    } cases[] = {
        {{}, std::nullopt},
        {{std::nullopt, std::nullopt}, std::nullopt},
        {{inf, -inf}, std::nullopt},
        {{2.0}, std::pair{2.0, 2.0}},
        {{std::nullopt, 5.0, -1.5, inf, 3.0}, std::pair{-1.5, 5.0}},
    };
    for (const auto& c : cases) {
        const std::optional<ValueRange> range = RangeOfValues(c.values);
        ASSERT_EQ(range.has_value(), c.expected.has_value()) << c.values.size();
        if (range) {
            EXPECT_EQ(range->low, c.expected->first);
            EXPECT_EQ(range->high, c.expected->second);
        }
    }
}

}  // namespace
}  // namespace tremblo
