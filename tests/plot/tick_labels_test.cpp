#include "plot/tick_labels.h"

#include <gtest/gtest.h>

namespace tremblo {
namespace {

TEST(GraphRoundNumber, FormatsLikeTheGraphLabels) {
    EXPECT_EQ(GraphRoundNumber(0.5f), "0.5");
    EXPECT_EQ(GraphRoundNumber(100.0f), "100");
    EXPECT_EQ(GraphRoundNumber(2.99991f), "3");  // through the second formatting
    EXPECT_EQ(GraphRoundNumber(-0.25f), "-0.25");
    EXPECT_EQ(GraphRoundNumber(250000.0f), "2.5e+05");
    EXPECT_EQ(GraphRoundNumber(-0.00001f), "-1.0e-05");
    EXPECT_EQ(GraphRoundNumber(0.000000005f), "0");
    EXPECT_EQ(GraphRoundNumber(0.0f), "0");
    EXPECT_EQ(GraphRoundNumber(0.001f), "0.001");
    EXPECT_EQ(GraphRoundNumber(100000.0f), "100000");
    EXPECT_EQ(GraphRoundNumber(-3e-6f), "-3.0e-06");
}

TEST(WaveRoundNumber, HasNoFloorBelowWhichValuesReadZero) {
    EXPECT_EQ(WaveRoundNumber(10.0f), "10");
    EXPECT_EQ(WaveRoundNumber(0.5f), "0.5");
    EXPECT_EQ(WaveRoundNumber(2.99991f), "3");
    EXPECT_EQ(WaveRoundNumber(-200.0f), "-200");
    EXPECT_EQ(WaveRoundNumber(0.000005f), "5.0e-06");
    EXPECT_EQ(WaveRoundNumber(5e-9f), "5.0e-09");  // the graph labels would say "0"
    EXPECT_EQ(WaveRoundNumber(100000.0f), "100000");
    EXPECT_EQ(WaveRoundNumber(100001.0f), "1.0e+05");
    EXPECT_EQ(WaveRoundNumber(-2.5f), "-2.5");
}

TEST(SubScale, ChoosesSubdivisionsAndDecimalsFromTheStep) {
    struct Case {
        float step;
        int subdivisions;
        const char* format;
    };
    const Case cases[] = {
        {1, 5, "%.0f"},    {2, 4, "%.0f"},    {2.5f, 5, "%.1f"}, {0.25f, 5, "%.2f"},
        {15, 3, "%.0f"},   {0.5f, 5, "%.1f"}, {3, 3, "%.0f"},    {6, 6, "%.0f"},
        {7, 7, "%.0f"},    {9, 3, "%.0f"},    {0.2f, 4, "%.1f"}, {10, 5, "%.0f"},
        {25, 5, "%.0f"},   {0.04f, 4, "%.2f"},
    };
    for (const Case& c : cases) {
        std::string format = "unset";
        EXPECT_EQ(SubScale(c.step, format), c.subdivisions) << c.step;
        EXPECT_EQ(format, c.format) << c.step;
    }
}

TEST(SubScale, NonPositiveStepGivesNoSubdivisionsAndKeepsTheFormat) {
    std::string format = "unset";
    EXPECT_EQ(SubScale(0, format), 0);
    EXPECT_EQ(SubScale(-1, format), 0);
    EXPECT_EQ(format, "unset");
}

TEST(ZeroString, AcceptsOnlyMinusPeriodAndZero) {
    EXPECT_TRUE(ZeroString(""));
    EXPECT_TRUE(ZeroString("-0.00"));
    EXPECT_TRUE(ZeroString("0"));
    EXPECT_FALSE(ZeroString("0.01"));
    EXPECT_FALSE(ZeroString("-1"));
    EXPECT_FALSE(ZeroString(" 0"));
}

TEST(ShortestDecimal, ReadsBackAsTheSameFloat) {
    EXPECT_EQ(ShortestDecimal(0.0f), "0");
    EXPECT_EQ(ShortestDecimal(0.1f), "0.1");
    EXPECT_EQ(ShortestDecimal(-2.5f), "-2.5");
    EXPECT_EQ(ShortestDecimal(10.0f), "10");
}

}  // namespace
}  // namespace tremblo
