#include <gtest/gtest.h>

#include <vector>

#include "plot/my_graph.h"
#include "plot/recording_canvas.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

class GraphPlot : public testing::GraphOnRecordingCanvas {};

TEST_F(GraphPlot, LinearPointsTruncateTowardZero) {
    // pitch 62; x 2.6 / 5 x 62 = 32.24; y -1 / 10 x 62 = -6.2 below the origin.
    const std::vector<float> x = {0, 2.6f, -0.1f, -3.0f};
    const std::vector<float> y = {0, -1.0f, 0.1f, 44.0f};
    graph.DrawGraph(4, x.data(), y.data());
    const auto calls = canvas.calls;
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].op, CanvasOp::MoveTo);
    EXPECT_EQ(calls[0].x1, 35);
    EXPECT_EQ(calls[0].y1, 270);
    EXPECT_EQ(calls[1].x2, 67);   // trunc(67.24)
    EXPECT_EQ(calls[1].y2, 276);  // trunc(276.2)
    EXPECT_EQ(calls[2].x2, 33);   // trunc(33.76)
    EXPECT_EQ(calls[2].y2, 269);  // trunc(269.38)
    // Left of and above the picture: toward zero, not downward.
    EXPECT_EQ(calls[3].x2, -2);  // trunc(-2.2)
    EXPECT_EQ(calls[3].y2, -2);  // trunc(270 - 272.8)
}

TEST_F(GraphPlot, GridCountsBelowOneDrawNothing) {
    graph.NGridX = 0;
    const float x[] = {1, 2};
    const float y[] = {1, 2};
    graph.DrawGraph(2, x, y);
    graph.PlotGraph(2, x, y, 0, 3);
    graph.DrawWaku();
    EXPECT_EQ(canvas.calls.size(), 1u);  // only the clearing of the picture
}

TEST_F(GraphPlot, LogarithmicAxisSkipsNonPositiveValuesAndBridgesThem) {
    graph.LinearY = false;
    graph.SValueY = 0.1f;
    graph.VValueY = 10;
    const std::vector<float> x = {1, 2, 3};
    const std::vector<float> y = {1, 0, 10};
    graph.DrawGraph(3, x.data(), y.data());
    const auto lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 35 + 12);  // trunc(1 / 5 x 62 + 35)
    EXPECT_EQ(lines[0].y1, 270 - 62);
    EXPECT_EQ(lines[0].x2, 35 + 37);
    EXPECT_EQ(lines[0].y2, 270 - 124);
}

TEST_F(GraphPlot, SkippedFirstElementStartsThePolylineAtTheFirstDrawnOne) {
    graph.LinearX = false;
    graph.SValueX = 1;
    graph.VValueX = 10;
    canvas.MoveTo(0, 0);
    canvas.calls.clear();
    const std::vector<float> x = {-1, 10, 100};
    const std::vector<float> y = {0, 0, 0};
    graph.DrawGraph(3, x.data(), y.data());
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].op, CanvasOp::MoveTo);
    EXPECT_EQ(canvas.calls[0].x1, 97);
    EXPECT_EQ(canvas.calls[1].x2, 159);
    graph.DrawGraph(0, nullptr, nullptr);
    EXPECT_EQ(canvas.calls.size(), 2u);
}

TEST_F(GraphPlot, MarkerShapesAndHalfSizes) {
    const float x[] = {0};
    const float y[] = {0};  // centre (35, 270)
    graph.PlotGraph(1, x, y, 2, 3);  // square: half size (3 + 1) div 2 = 2
    const auto squares = canvas.Calls(CanvasOp::FillRect);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].x1, 33);
    EXPECT_EQ(squares[0].y1, 268);
    EXPECT_EQ(squares[0].x2, 37);
    EXPECT_EQ(squares[0].y2, 272);
    EXPECT_EQ(canvas.Calls(CanvasOp::LineTo).size(), 4u);

    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 1, 3);  // triangle: 3 above, 2 below
    auto polygons = canvas.Calls(CanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{35, 267}, {32, 272}, {38, 272}}));
    const auto outline = canvas.Calls(CanvasOp::LineTo);
    ASSERT_EQ(outline.size(), 3u);
    EXPECT_EQ(outline.back().x2, 35);
    EXPECT_EQ(outline.back().y2, 267);

    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 3, 4);  // diamond: half size (4 + 1) div 2 = 2
    polygons = canvas.Calls(CanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{35, 268}, {33, 270}, {35, 272}, {37, 270}}));

    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 0, 4);  // circle of the full size
    const auto circles = canvas.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].x1, 31);
    EXPECT_EQ(circles[0].y2, 274);

    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 4, 4);
    EXPECT_TRUE(testing::FindLine(canvas, 31, 266, 39, 274));
    EXPECT_TRUE(testing::FindLine(canvas, 39, 266, 31, 274));
    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 5, 4);
    EXPECT_TRUE(testing::FindLine(canvas, 35, 266, 35, 274));
    EXPECT_TRUE(testing::FindLine(canvas, 39, 270, 31, 270));
    canvas.calls.clear();
    graph.PlotGraph(1, x, y, 6, 4);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(GraphPlot, MarkersStopAtTheFirstPointRightOfTheFrame) {
    std::vector<float> x(15);
    std::vector<float> y(15, 1.0f);
    for (int i = 0; i < 15; ++i) x[i] = static_cast<float>(i);
    x[10] = 21;  // pixel 35 + trunc(21 / 5 x 62) = 295 > 35 + 250
    x[11] = 1;   // smaller again, but no longer drawn
    graph.PlotGraph(15, x.data(), y.data(), 0, 2);
    EXPECT_EQ(canvas.Calls(CanvasOp::Ellipse).size(), 10u);

    // Exactly on OriginX + WidthX is still drawn.
    canvas.calls.clear();
    graph.WidthX = 248;
    const float edge[] = {20};  // 35 + 248
    graph.PlotGraph(1, edge, y.data(), 0, 2);
    EXPECT_EQ(canvas.Calls(CanvasOp::Ellipse).size(), 1u);
}

TEST_F(GraphPlot, SkipGraphConsidersEverySkipthElementWithASolidPen) {
    std::vector<float> x(10);
    std::vector<float> y(10, 0.0f);
    for (int i = 0; i < 10; ++i) x[i] = static_cast<float>(i) * 0.5f;
    canvas.SetPenStyle(PenStyle::Dot);
    graph.SkipGraph(10, x.data(), y.data(), 0, 2, 3);
    auto circles = canvas.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);  // elements 0, 3, 6, 9
    EXPECT_EQ(circles[1].x1 + 2, 35 + 18);  // trunc(1.5 / 5 x 62) = 18
    EXPECT_EQ(circles[3].x1 + 2, 35 + 55);  // trunc(4.5 / 5 x 62) = 55
    for (const CanvasCall& call : circles) EXPECT_EQ(call.penStyle, PenStyle::Solid);
    EXPECT_EQ(canvas.GetPenStyle(), PenStyle::Dot);

    for (int skip : {1, -2}) {
        canvas.calls.clear();
        graph.SkipGraph(10, x.data(), y.data(), 0, 2, skip);
        EXPECT_EQ(canvas.Calls(CanvasOp::Ellipse).size(), 10u) << skip;
    }
    canvas.calls.clear();
    graph.SkipGraph(10, x.data(), y.data(), 0, 2, 0);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(GraphPlot, ClearFillsTheWholePictureAndKeepsTheColour) {
    graph.Clear(0x123456);
    const auto fills = canvas.Calls(CanvasOp::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].x1, 0);
    EXPECT_EQ(fills[0].y2, 300);
    EXPECT_EQ(fills[0].brushColor, 0x123456u);
    EXPECT_EQ(canvas.BrushColor(), 0x123456u);
}

TEST_F(GraphPlot, CopyPutsTheWholePictureOnTheClipboard) {
    graph.Copy();
    ASSERT_EQ(platform.clipboard.size(), 1u);
    EXPECT_EQ(platform.clipboard[0].width, 300);
    EXPECT_EQ(platform.clipboard[0].height, 300);
}

TEST_F(GraphPlot, SaveToAFolderThatDoesNotExistIsReported) {
    EXPECT_FALSE(graph.Save_PNG(::testing::TempDir() + "/no-such-folder/graph.png"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("no-such-folder/graph.png"), std::string::npos);
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
}

}  // namespace
}  // namespace tremblo
