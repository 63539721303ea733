#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "plot/my_graph.h"
#include "plot/recording_canvas.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

class GraphScale : public testing::GraphOnRecordingCanvas {};

TEST_F(GraphScale, LinearPicksTheFirstCandidateWhoseGridExceedsTheMaximum) {
    const std::vector<float> small = {0.1f, 0.8f, 0.3f};
    graph.SValueX = 3;
    graph.XScaleUnit(3, small.data());
    EXPECT_FLOAT_EQ(graph.VValueX, 0.2f);  // 4 x 0.201 > 0.8
    EXPECT_EQ(graph.SValueX, 0.0f);

    const std::vector<float> one = {1.0f};
    graph.XScaleUnit(1, one.data());
    EXPECT_FLOAT_EQ(graph.VValueX, 0.25f);  // 4 x 2.001 x 0.1 = 0.8004 is not enough

    const std::vector<float> big = {123.4f, -500.0f};
    graph.YScaleUnit(2, big.data());
    EXPECT_FLOAT_EQ(graph.VValueY, 50.0f);  // negatives ignored: 4 x 50.05 > 123.4
    EXPECT_EQ(graph.NGridY, 4);
}

TEST_F(GraphScale, MarginOfEachCandidateIsOneThousandth) {
    // 4 x (2 + 0.001) x 0.1 = 0.8004 does not exceed 0.803, so 2 is passed
    // over for 2.5; a margin of 0.01 would give 0.804 and keep 2. Signed
    // data of both signs use half the grid: 0.4015 over 2 divisions.
    const std::vector<float> positive = {0.803f}, both = {-0.4015f, 0.1f};
    graph.XScaleUnit(1, positive.data());
    graph.YScaleUnit(1, positive.data());
    EXPECT_FLOAT_EQ(graph.VValueX, 0.25f);
    EXPECT_FLOAT_EQ(graph.VValueY, 0.25f);
    graph.XScaleUnit1(1, positive.data());
    EXPECT_FLOAT_EQ(graph.VValueX, 0.25f);
    graph.YScaleUnit1(2, both.data());
    EXPECT_FLOAT_EQ(graph.VValueY, 0.25f);
    EXPECT_FLOAT_EQ(graph.SValueY, -0.5f);
    // Just below the margin the smaller candidate stays.
    const std::vector<float> below = {0.8003f};
    graph.XScaleUnit(1, below.data());
    EXPECT_FLOAT_EQ(graph.VValueX, 0.2f);
}

TEST_F(GraphScale, NoDataGivesTheSmallestScale) {
    graph.XScaleUnit(0, nullptr);
    EXPECT_FLOAT_EQ(graph.VValueX, 1e-10f);
    EXPECT_EQ(graph.SValueX, 0.0f);
    graph.LinearY = false;
    const std::vector<float> zeros = {0, 0};
    graph.YScaleUnit(2, zeros.data());
    EXPECT_FLOAT_EQ(graph.SValueY, 1e-14f);
    EXPECT_FLOAT_EQ(graph.VValueY, 10.0f);
}

TEST_F(GraphScale, LogarithmicSpansDecadesEndingAboveTheMaximum) {
    graph.LinearX = false;
    const std::vector<float> data = {0.5f, 3.2f};
    graph.XScaleUnit(2, data.data());
    EXPECT_FLOAT_EQ(graph.SValueX, 0.001f);
    EXPECT_FLOAT_EQ(graph.VValueX, 10.0f);
    // A maximum of exactly 10 moves to the next decade.
    const std::vector<float> ten = {10.0f};
    graph.XScaleUnit(1, ten.data());
    EXPECT_FLOAT_EQ(graph.SValueX, 0.01f);
}

TEST_F(GraphScale, SignedDataPutZeroOnTheMiddleLine) {
    const std::vector<float> data = {-3.0f, 2.0f};
    graph.YScaleUnit1(2, data.data());
    EXPECT_FLOAT_EQ(graph.VValueY, 2.0f);
    EXPECT_FLOAT_EQ(graph.SValueY, -4.0f);
    EXPECT_EQ(graph.NGridY, 4);

    graph.NGridY = 5;
    graph.YScaleUnit1(2, data.data());
    EXPECT_FLOAT_EQ(graph.VValueY, 1.0f);
    EXPECT_FLOAT_EQ(graph.SValueY, -3.0f);
    EXPECT_EQ(graph.NGridY, 6);  // the odd grid count becomes even

    const std::vector<float> positive = {0.8f};
    graph.NGridX = 5;
    graph.XScaleUnit1(1, positive.data());
    EXPECT_EQ(graph.NGridX, 5);
    EXPECT_EQ(graph.SValueX, 0.0f);
    EXPECT_FLOAT_EQ(graph.VValueX, 0.2f);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GraphScale, NegativeDataOnALogarithmicAxisAreReportedAndScaledByMagnitude) {
    graph.LinearY = false;
    const std::vector<float> data = {-50.0f, 3.0f};
    graph.YScaleUnit1(2, data.data());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "負のデータを対数目盛りでは表せません");
    EXPECT_EQ(platform.messages[0].caption, "目盛り設定エラー");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
    EXPECT_FLOAT_EQ(graph.SValueY, 0.01f);  // 100 / 10^4
    EXPECT_FLOAT_EQ(graph.VValueY, 10.0f);
    EXPECT_EQ(graph.NGridY, 4);
}

TEST_F(GraphScale, MaximumsWithoutAScaleLeaveTheScaleAsItWas) {
    const std::vector<float> data = {std::numeric_limits<float>::infinity()};
    graph.XScaleUnit(1, data.data());
    graph.LinearY = false;
    graph.YScaleUnit1(1, data.data());
    EXPECT_EQ(graph.VValueX, 5.0f);
    EXPECT_EQ(graph.VValueY, 10.0f);
    EXPECT_EQ(graph.SValueY, 0.0f);
}

}  // namespace
}  // namespace tremblo
