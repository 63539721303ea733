#include <gtest/gtest.h>

#include "plot/my_graph.h"
#include "plot/recording_canvas.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

using testing::FindLine;
using testing::TextsAtY;

class GraphFrame : public testing::GraphOnRecordingCanvas {};

TEST_F(GraphFrame, WidthNotAMultipleOfTheGridNarrowsTheFrame) {
    graph.DrawWaku();
    // pitch 250 div 4 = 62: the frame spans 35 .. 283 and 270 .. 22 (248 pixels).
    const auto right = FindLine(canvas, 283, 270, 283, 22);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->penWidth, 2);
    const auto top = FindLine(canvas, 35, 22, 283, 22);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->penWidth, 2);
    const auto inner = FindLine(canvas, 159, 270, 159, 22);
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->penWidth, 1);
    EXPECT_EQ(inner->penStyle, PenStyle::Solid);
    EXPECT_FALSE(FindLine(canvas, 285, 270, 285, 20));
    // The X title is still centred on WidthX div 2 = 125: "TitleX [unit]" is 78 wide.
    const CanvasCall* title = canvas.FindText("TitleX [unit]");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, 35 + 125 - 39);
    EXPECT_EQ(title->y1, 286);  // trunc(270 + 1.4 x 12)
    const CanvasCall* titleY = canvas.FindText("TitleY [unit]");
    ASSERT_NE(titleY, nullptr);
    EXPECT_EQ(titleY->x1, 45);
    EXPECT_EQ(titleY->y1, 4);  // trunc(270 - 250 - 1.3 x 12)
}

TEST_F(GraphFrame, ClearsFirstUnlessOverWriteAndLeavesPenSolidAndThin) {
    canvas.SetPenWidth(3);
    canvas.SetBrushColor(kRed);
    graph.DrawWaku();
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.front().op, CanvasOp::FillRect);
    EXPECT_EQ(canvas.calls.front().x2, 300);
    EXPECT_EQ(canvas.calls.front().brushColor, kWhite);
    EXPECT_EQ(canvas.GetPenStyle(), PenStyle::Solid);
    EXPECT_EQ(canvas.PenWidth(), 1);
    EXPECT_EQ(canvas.PenColor(), kBlack);

    canvas.calls.clear();
    graph.OverWrite = true;
    graph.DrawWaku();
    EXPECT_TRUE(canvas.Calls(CanvasOp::FillRect).empty());
}

TEST_F(GraphFrame, LinearLabelsAndDottedMinorLines) {
    graph.DrawWaku();
    EXPECT_EQ(TextsAtY(canvas, 275), (std::vector<std::string>{"0", "5", "10", "15", "20"}));
    const CanvasCall* ten = canvas.FindText("10");
    ASSERT_NE(ten, nullptr);
    EXPECT_EQ(ten->x1, 35 + 124 - 6);  // centred under x 159
    // Y label "30" at line 3: 10 pixels left of the frame, centred on y 84.
    const CanvasCall* thirty = canvas.FindText("30");
    ASSERT_NE(thirty, nullptr);
    EXPECT_EQ(thirty->x1, 35 - 12 - 10);
    EXPECT_EQ(thirty->y1, 84 - 6);
    // Minor lines of the first X division at 35 + (j x 62) div 5.
    for (int x : {47, 59, 72, 84}) {
        const auto line = FindLine(canvas, x, 270, x, 22);
        ASSERT_TRUE(line) << x;
        EXPECT_EQ(line->penStyle, PenStyle::Dot);
    }
    // No minor lines right of the last major line.
    EXPECT_FALSE(FindLine(canvas, 295, 270, 295, 22));
}

TEST_F(GraphFrame, TicksInsteadOfDottedLinesAndLabelsOnTheRight) {
    graph.SubAxis = false;
    graph.LeftScale = false;
    graph.DrawWaku();
    const auto xTick = FindLine(canvas, 47, 270, 47, 263);
    ASSERT_TRUE(xTick);
    EXPECT_EQ(xTick->penStyle, PenStyle::Solid);
    // Y minor ticks stay on the left edge: 270 - (1 x 62) div 5 = 258.
    EXPECT_TRUE(FindLine(canvas, 35, 258, 42, 258));
    const CanvasCall* forty = canvas.FindText("40");
    ASSERT_NE(forty, nullptr);
    EXPECT_EQ(forty->x1, 35 + 250 + 5);
    const CanvasCall* titleY = canvas.FindText("TitleY [unit]");
    ASSERT_NE(titleY, nullptr);
    EXPECT_EQ(titleY->x1, 35 + 250 - 78 - 5);
}

TEST_F(GraphFrame, LogarithmicAxesLabelDecadesAndPlaceMinorLinesAtTwoFourSixEight) {
    graph.LinearX = false;
    graph.LinearY = false;
    graph.SValueX = 0.001f;
    graph.VValueX = 10;
    graph.SValueY = 1;
    graph.VValueY = 10;
    graph.DrawWaku();
    EXPECT_EQ(TextsAtY(canvas, 275), (std::vector<std::string>{"0.001", "0.01", "0.1", "1", "10"}));
    for (const char* label : {"1", "10", "100", "1000", "10000"}) EXPECT_NE(canvas.FindText(label), nullptr);
    // trunc(log10(k) x 62 + 35) for k = 2, 4, 6, 8.
    for (int x : {53, 72, 83, 90}) EXPECT_TRUE(FindLine(canvas, x, 270, x, 22)) << x;
    // trunc(270 - log10(k) x 62) in the first Y division.
    for (int y : {251, 232, 221, 214}) EXPECT_TRUE(FindLine(canvas, 35, y, 283, y)) << y;
    EXPECT_TRUE(platform.messages.empty());

    // Only a start of exactly 0 is reported; a negative one gives negative labels.
    canvas.calls.clear();
    graph.SValueX = -0.001f;
    graph.DrawWaku();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(TextsAtY(canvas, 275), (std::vector<std::string>{"-0.001", "-0.01", "-0.1", "-1", "-10"}));
}

TEST_F(GraphFrame, LogarithmicAxisStartingAtZeroIsReportedAndStillDrawn) {
    graph.LinearX = false;
    graph.LinearY = false;
    graph.DrawWaku();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "X Logarithmic Scale can not be determind.");
    EXPECT_EQ(platform.messages[0].caption, "X Scale Error");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Plain);
    EXPECT_EQ(platform.messages[1].caption, "Y Scale Error");
    // Drawing completes; every label of the axis reads 0.
    EXPECT_EQ(TextsAtY(canvas, 275), (std::vector<std::string>(5, "0")));
    EXPECT_NE(canvas.FindText("TitleY [unit]"), nullptr);
}

TEST_F(GraphFrame, DrawWakuNDerivesSubdivisionsAndFixedDecimalLabels) {
    graph.VValueX = 2.5f;
    graph.VValueY = 0.2f;
    graph.SValueY = -0.4f;
    graph.DrawWakuN();
    EXPECT_EQ(graph.SubX, 5);
    EXPECT_EQ(graph.SubY, 4);
    EXPECT_EQ(TextsAtY(canvas, 275), (std::vector<std::string>{"0", "2.5", "5.0", "7.5", "10.0"}));
    // -0.4 + 2 x 0.2 prints as "-0.0" or "0.0": either way it becomes "0".
    for (const char* label : {"-0.4", "-0.2", "0", "0.2", "0.4"}) EXPECT_NE(canvas.FindText(label), nullptr) << label;
    // Four Y subdivisions of 62 pixels: minor lines at 270 - 15, - 31, - 46.
    for (int y : {255, 239, 224}) EXPECT_TRUE(FindLine(canvas, 35, y, 283, y)) << y;
}

TEST_F(GraphFrame, DrawWakuNWithANonPositiveStepKeepsTheRoundNumberLabels) {
    graph.VValueY = 0;
    graph.SValueY = 0.5f;
    graph.DrawWakuN();
    EXPECT_EQ(graph.SubY, 0);
    EXPECT_EQ(canvas.Calls(CanvasOp::TextOut).size(), 5u + 5u + 2u);
    EXPECT_NE(canvas.FindText("0.5"), nullptr);
}

}  // namespace
}  // namespace tremblo
