#include <gtest/gtest.h>

#include <vector>

#include "plot/my_wave.h"
#include "plot/recording_canvas.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

using testing::FindLine;

class WavePlot : public ::testing::Test {
protected:
    RecordingCanvas canvas{400, 200};
    testing::ScriptedPlatform platform;
    TMyWave wave{canvas, platform};
};

TEST_F(WavePlot, ScaleOfTheConstructedComponent) {
    wave.DrawScale();
    for (auto [x2, y2] : {std::pair{350, 100}, {50, 50}, {50, 150}}) {
        const auto axis = FindLine(canvas, 50, 100, x2, y2);
        ASSERT_TRUE(axis) << x2 << "," << y2;
        EXPECT_EQ(axis->penWidth, 2);
    }
    EXPECT_TRUE(FindLine(canvas, 250, 95, 250, 105));
    EXPECT_TRUE(FindLine(canvas, 50, 125, 55, 125));
    const CanvasCall* two = canvas.FindText("2");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->x1, 247);
    EXPECT_EQ(two->y1, 105);
    const CanvasCall* minus = canvas.FindText("-10");
    ASSERT_NE(minus, nullptr);
    EXPECT_EQ(minus->x1, 50 - 18 - 5);
    EXPECT_EQ(minus->y1, 125 - 6);
    // Minor ticks: X every 100 div 5 = 20 pixels, Y every 25 div 2 = 12 pixels on both sides.
    const auto minorX = FindLine(canvas, 290, 97, 290, 103);
    ASSERT_TRUE(minorX);
    EXPECT_EQ(minorX->penWidth, 1);
    EXPECT_FALSE(FindLine(canvas, 370, 97, 370, 103));
    for (int y : {88, 63, 112, 137}) EXPECT_TRUE(FindLine(canvas, 50, y, 53, y)) << y;
    // Origin labels, title inside the lower half, units.
    const auto texts = canvas.Calls(CanvasOp::TextOut);
    const auto at = [&](const std::string& text, int x, int y) {
        for (const CanvasCall& call : texts) {
            if (call.text == text && call.x1 == x && call.y1 == y) return true;
        }
        return false;
    };
    EXPECT_TRUE(at("0", 53, 105));
    EXPECT_TRUE(at("0", 39, 94));
    EXPECT_TRUE(at("Sample Wave", 50 + 150 - 33, 100 + 50 - 12));
    EXPECT_TRUE(at("[sec]", 350 - 15, 100 + 12 + 10));
    EXPECT_TRUE(at("[cm]", 50 - 24 - 5, 100 - 50 - 12 - 5));
}

TEST_F(WavePlot, LabelsFollowTheValuesPerDivisionAndTheShifts) {
    wave.VValueY = 100;
    wave.DrawScale();
    for (const char* label : {"100", "200", "-100", "-200"}) EXPECT_NE(canvas.FindText(label), nullptr) << label;
    canvas.calls.clear();
    wave.VValueY = 2.5f;
    wave.SValueY = 0.5f;
    wave.SValueX = 10;
    wave.DrawScale();
    // Up: i x 2.5 + 0.5; down: -0.5 - i x 2.5; the origin labels show the shifts.
    for (const char* label : {"3", "5.5", "-3", "-5.5", "11", "13", "0.5", "10"}) {
        EXPECT_NE(canvas.FindText(label), nullptr) << label;
    }
}

TEST_F(WavePlot, PlusOnlyDrawsNoLowerHalf) {
    wave.PlusOnly = true;
    wave.DrawScale();
    EXPECT_FALSE(FindLine(canvas, 50, 100, 50, 150));
    EXPECT_FALSE(FindLine(canvas, 50, 125, 55, 125));
    EXPECT_FALSE(FindLine(canvas, 50, 112, 53, 112));
    const CanvasCall* title = canvas.FindText("Sample Wave");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y1, 100 + 12 + 10);
}

TEST_F(WavePlot, DrawWave1StopsAtTheFirstSampleRightOfTheAxis) {
    const std::vector<float> data = {0, 10, -10, 4, 0, 0, 0, 99, 0, 0};
    wave.DrawWave1(10, data.data(), 0.5f);  // 50 pixels per sample, axis 300 pixels
    const auto lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 6u);  // samples 1 .. 6; sample 7 lies at 350
    EXPECT_EQ(canvas.calls[0].x1, 50);
    EXPECT_EQ(lines[0].x2, 100);
    EXPECT_EQ(lines[0].y2, 75);
    EXPECT_EQ(lines[1].y2, 125);
    EXPECT_EQ(lines[2].y2, 90);  // trunc(100 - 4 / 10 x 25)
    EXPECT_EQ(lines[5].x2, 350);
    canvas.calls.clear();
    wave.DrawWave1(0, data.data(), 0.5f);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(WavePlot, FixedStepPolylineAndMarkers) {
    std::vector<float> data(1000, 0.0f);
    data[4] = 10;
    wave.DrawWave(1000, data.data(), 2, 30);
    auto lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 10u);  // x 80 .. 350; 380 is past the axis
    EXPECT_EQ(lines[1].x2, 110);
    EXPECT_EQ(lines[1].y2, 75);

    canvas.calls.clear();
    wave.PlotWave(1000, data.data(), 1, 100, 0, 2);  // points 0, 100, 200, 300 one pixel apart
    const auto circles = canvas.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[3].x1, 50 + 300 - 2);

    canvas.calls.clear();
    wave.PlotWave1(5, data.data(), 1.0f, 5, 3);  // no right-edge stop: x 50 .. 450
    lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[8].x1, 450);
    EXPECT_EQ(lines[8].y1, 75 - 3);

    canvas.calls.clear();
    wave.DrawWave(1000, data.data(), 0, 30);
    wave.PlotWave(1000, data.data(), 1, 0, 0, 2);
    EXPECT_TRUE(canvas.Calls(CanvasOp::LineTo).empty());
    EXPECT_TRUE(canvas.Calls(CanvasOp::Ellipse).empty());
}

TEST_F(WavePlot, MarkersUseTheFullSize) {
    const float data[] = {0};
    wave.PlotWave1(1, data, 1.0f, 1, 3);  // triangle, base at trunc(100 + 1.5)
    const auto polygons = canvas.Calls(CanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{50, 97}, {47, 101}, {53, 101}}));
    canvas.calls.clear();
    wave.PlotWave1(1, data, 1.0f, 2, 3);
    const auto squares = canvas.Calls(CanvasOp::FillRect);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].x1, 47);
    EXPECT_EQ(squares[0].y2, 103);
    canvas.calls.clear();
    wave.PlotWave1(1, data, 1.0f, 3, 3);
    EXPECT_EQ(canvas.Calls(CanvasOp::Polygon)[0].points,
              (std::vector<Point>{{50, 97}, {47, 100}, {50, 103}, {53, 100}}));
}

TEST_F(WavePlot, ClearMakesTheBrushSolidAndCopyTakesThePicture) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    wave.Clear(kWhite);
    EXPECT_EQ(canvas.GetBrushStyle(), BrushStyle::Solid);
    const auto fills = canvas.Calls(CanvasOp::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].x2, 400);
    EXPECT_EQ(fills[0].y2, 200);
    wave.Copy();
    ASSERT_EQ(platform.clipboard.size(), 1u);
    EXPECT_EQ(platform.clipboard[0].width, 400);
}

}  // namespace
}  // namespace tremblo
