// The start field's check: the limit that leaves 500 samples per time-scale
// step before the record's end, on both sides.
#include <gtest/gtest.h>

#include <string>

#include "wave/start_point.h"

namespace tremblo {
namespace {

TEST(CheckStartText, LimitLeavesFiveHundredSamplesPerTimeScaleItem) {
    const struct { int sampleCount, item, limit; } cases[] = {
        {6000, 0, 5500}, {6000, 1, 5000}, {6000, 2, 4500}, {6000, 3, 4000},
        {6000, 4, 3500}, {6000, 5, 3000}, {3001, 5, 1},    {1000, 1, 0},
    };
    for (const auto& c : cases) {
        const StartCheck at = CheckStartText(std::to_string(c.limit), c.sampleCount, c.item);
        EXPECT_EQ(at.verdict, StartVerdict::Accepted) << c.sampleCount << " item " << c.item;
        EXPECT_EQ(at.value, c.limit);
        const StartCheck past = CheckStartText(std::to_string(c.limit + 1), c.sampleCount, c.item);
        EXPECT_EQ(past.verdict, StartVerdict::TooLarge) << c.sampleCount << " item " << c.item;
    }
    // A record shorter than the limit refuses every start, 0 included.
    EXPECT_EQ(CheckStartText("0", 499, 0).verdict, StartVerdict::TooLarge);
}

TEST(CheckStartText, OnlyWholeNumbersAreChecked) {
    EXPECT_EQ(CheckStartText("", 6000, 3).verdict, StartVerdict::Empty);
    EXPECT_EQ(CheckStartText("12x", 6000, 3).verdict, StartVerdict::NotANumber);
    EXPECT_EQ(CheckStartText("1.5", 6000, 3).verdict, StartVerdict::NotANumber);
    const StartCheck padded = CheckStartText(" 1400 ", 6000, 3);
    EXPECT_EQ(padded.verdict, StartVerdict::Accepted);
    EXPECT_EQ(padded.value, 1400);
}

}  // namespace
}  // namespace tremblo
