#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/dashed_path.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

using Intervals = std::vector<std::pair<double, double>>;

// The dashes of a horizontal polyline as x intervals, pieces that meet
// merged (one dash may run over several segments).
Intervals XIntervals(const std::vector<Segment>& dashes) {
    Intervals intervals;
    for (const Segment& d : dashes) {
        if (!intervals.empty() && std::fabs(intervals.back().second - d.x0) < 1e-9)
            intervals.back().second = d.x1;
        else
            intervals.emplace_back(d.x0, d.x1);
    }
    return intervals;
}

std::vector<PixelPoint> Horizontal(double from, double to, double step) {
    std::vector<PixelPoint> points;
    for (double x = from; x < to - 1e-9; x += step) points.push_back({x, 50.0});
    points.push_back({to, 50.0});
    return points;
}

TEST(DashedPath, PatternRunsOnAcrossSegmentsAndIsCutToTheClip) {
    const ClipRect wide{-1e3, 0, 1e3, 100}, from0{0, 0, 1e3, 100};
    const struct {
        const char* what;
        std::vector<PixelPoint> points;
        ClipRect clip;
        DashPattern pattern;
        Intervals dashes;
    } cases[] = {
        {"one segment", Horizontal(0, 30, 30), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 26}}},
        {"segments of one pixel", Horizontal(0, 30, 1), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 26}}},
        {"segments of 2.5 pixels", Horizontal(0, 25, 2.5), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 25}}},
        {"entering the clip in a gap", Horizontal(-8, 20, 4), from0, {6, 4}, {{2, 8}, {12, 18}}},
        {"entering the clip in a dash", Horizontal(-3, 20, 23), from0, {6, 4}, {{0, 3}, {7, 13}, {17, 20}}},
        {"from 10^12 pixels away", Horizontal(-1e12 - 3, 20, 1e12), from0, {6, 4}, {{0, 3}, {7, 13}, {17, 20}}},
        {"no gap: solid", Horizontal(0, 30, 10), wide, {6, 0}, {{0, 30}}},
        {"wholly outside", Horizontal(-50, -10, 5), from0, {6, 4}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Intervals got = XIntervals(DashedSegments(c.points, c.clip, c.pattern));
        ASSERT_EQ(got.size(), c.dashes.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].first, c.dashes[i].first, 1e-6);
            EXPECT_NEAR(got[i].second, c.dashes[i].second, 1e-6);
        }
    }
}

class DashedGraph : public testing::GraphOnRecordingCanvas {};

TEST_F(DashedGraph, StaysInsideTheFrameAndBreaksAtPointsItCannotPlace) {
    // Frame 248 x 248 from (35, 270), x 0 .. 20 linear, y 0.1 .. 10^3 logarithmic.
    graph.LinearY = false;
    graph.SValueY = 0.1f;
    graph.VValueY = 10;
    const std::vector<float> x = {1, 4, 8, 9, 12.5f, 30};
    const std::vector<float> y = {1, 1e6f, 1, 0, 10, 10};  // far above, a zero, beyond the right edge
    graph.DrawDashedGraph(static_cast<int>(x.size()), x.data(), y.data());
    const auto lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_FALSE(lines.empty());
    const ClipRect frame = graph.FrameRect();
    EXPECT_EQ(frame.right, 35 + 248);
    EXPECT_EQ(frame.top, 270 - 248);
    for (const CanvasCall& l : lines) {
        EXPECT_TRUE(std::min(l.x1, l.x2) >= frame.left && std::max(l.x1, l.x2) <= frame.right);
        EXPECT_TRUE(std::min(l.y1, l.y2) >= frame.top && std::max(l.y1, l.y2) <= frame.bottom);
        // Nothing bridges the zero at x = 9: no dash spans x 8 .. 12.5 (pixels 134 .. 190).
        EXPECT_FALSE(std::min(l.x1, l.x2) < 134 && std::max(l.x1, l.x2) > 190);
    }
    // The flat part starts its pattern at 190 and leaves the frame 93 pixels on, in a dash: cut at the edge.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasCall& l) { return l.x2 == frame.right; }));
}

}  // namespace
}  // namespace tremblo
