#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/dashed_path.h"
#include "plot_test_support.h"

namespace tremblo {
namespace {

// The dashes of a horizontal line as [from, to) intervals of x, pieces that
// meet merged (a dash may run over several segments of the polyline).
std::vector<std::pair<double, double>> XIntervals(const std::vector<Segment>& dashes) {
    std::vector<std::pair<double, double>> intervals;
    for (const Segment& d : dashes) {
        if (!intervals.empty() && std::fabs(intervals.back().second - d.x0) < 1e-9)
            intervals.back().second = d.x1;
        else
            intervals.emplace_back(d.x0, d.x1);
    }
    return intervals;
}

std::vector<PixelPoint> HorizontalPolyline(double from, double to, double step) {
    std::vector<PixelPoint> points;
    for (double x = from; x < to - 1e-9; x += step) points.push_back({x, 50.0});
    points.push_back({to, 50.0});
    return points;
}

TEST(DashedPath, PatternRunsOnAcrossSegmentsAndIsCutToTheClip) {
    const ClipRect wide{-100.0, 0.0, 200.0, 100.0};
    const ClipRect from0{0.0, 0.0, 200.0, 100.0};
    using Intervals = std::vector<std::pair<double, double>>;
    const struct {
        const char* what;
        std::vector<PixelPoint> points;
        ClipRect clip;
        DashPattern pattern;
        Intervals dashes;
    } cases[] = {
        {"one segment", HorizontalPolyline(0, 30, 30), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 26}}},
        {"thirty segments of one pixel", HorizontalPolyline(0, 30, 1), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 26}}},
        {"segments of 2.5 pixels", HorizontalPolyline(0, 25, 2.5), wide, {6, 4}, {{0, 6}, {10, 16}, {20, 25}}},
        {"entering the clip in a gap", HorizontalPolyline(-8, 20, 4), from0, {6, 4}, {{2, 8}, {12, 18}}},
        {"entering the clip in a dash", HorizontalPolyline(-3, 20, 23), from0, {6, 4}, {{0, 3}, {7, 13}, {17, 20}}},
        {"no gap: solid", HorizontalPolyline(0, 30, 10), wide, {6, 0}, {{0, 30}}},
        {"wholly outside", HorizontalPolyline(-50, -10, 5), from0, {6, 4}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Intervals got = XIntervals(DashedSegments(c.points, c.clip, c.pattern));
        ASSERT_EQ(got.size(), c.dashes.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].first, c.dashes[i].first, 1e-9);
            EXPECT_NEAR(got[i].second, c.dashes[i].second, 1e-9);
        }
    }
}

TEST(DashedPath, DiagonalDashesHaveThePatternsLengthAlongTheLine) {
    const PixelPoint points[] = {{0, 0}, {30, 40}};  // 50 pixels long
    const auto dashes = DashedSegments(points, ClipRect{0, 0, 100, 100}, DashPattern{6, 4});
    ASSERT_EQ(dashes.size(), 5u);
    for (const Segment& d : dashes) EXPECT_NEAR(std::hypot(d.x1 - d.x0, d.y1 - d.y0), 6.0, 1e-9);
    EXPECT_NEAR(dashes[1].x0, 6.0, 1e-9);  // 10 pixels along: (6, 8)
    EXPECT_NEAR(dashes[1].y0, 8.0, 1e-9);
}

TEST(DashedPath, APolylineFarOutsideCostsOnlyItsPartInside) {
    // A wild scale: from 10^12 pixels to the left, on into the clip, and back out.
    const PixelPoint points[] = {{-1e12, 50}, {50, 50}, {1e12, 50}};
    const auto dashes = DashedSegments(points, ClipRect{0, 0, 100, 100}, DashPattern{6, 4});
    ASSERT_GE(dashes.size(), 9u);
    ASSERT_LE(dashes.size(), 11u);
    for (const Segment& d : dashes) {
        EXPECT_GE(std::min(d.x0, d.x1), 0.0);
        EXPECT_LE(std::max(d.x0, d.x1), 100.0);
        EXPECT_LE(std::fabs(d.x1 - d.x0), 6.0 + 1e-6);
    }
}

class DashedGraph : public testing::GraphOnRecordingCanvas {};

TEST_F(DashedGraph, StaysInsideTheFrameAndBreaksAtPointsItCannotPlace) {
    // Frame 250 x 250 from (35, 270); a logarithmic y axis over 0.1 .. 10^3.
    graph.LinearY = false;
    graph.SValueY = 0.1f;
    graph.VValueY = 10;
    graph.NGridY = 4;
    // x 0 .. 20 in 4 divisions of 5; the curve runs far above the frame and
    // beyond its right edge, and has a zero the axis cannot show.
    const std::vector<float> x = {1, 4, 8, 9, 12.5f, 30};
    const std::vector<float> y = {1, 1e6f, 1, 0, 10, 10};
    graph.DrawDashedGraph(static_cast<int>(x.size()), x.data(), y.data());
    const auto lines = canvas.Calls(CanvasOp::LineTo);
    ASSERT_FALSE(lines.empty());
    const ClipRect frame = graph.FrameRect();
    EXPECT_EQ(frame.left, 35);
    EXPECT_EQ(frame.right, 35 + 248);  // 4 divisions of 62
    EXPECT_EQ(frame.top, 270 - 248);
    for (const CanvasCall& line : lines) {
        EXPECT_GE(std::min(line.x1, line.x2), frame.left);
        EXPECT_LE(std::max(line.x1, line.x2), frame.right);
        EXPECT_GE(std::min(line.y1, line.y2), frame.top);
        EXPECT_LE(std::max(line.y1, line.y2), frame.bottom);
    }
    // Nothing bridges the zero at x = 9: no dash spans x 8 .. 12.5 (pixels 134 .. 190).
    for (const CanvasCall& line : lines) EXPECT_FALSE(std::min(line.x1, line.x2) < 134 && std::max(line.x1, line.x2) > 190);
    // The flat part at 10 starts a pattern at pixel 190 and leaves the frame
    // 93 pixels on, inside a dash: that dash is cut at the edge.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasCall& l) { return l.x2 == frame.right; }));
}

}  // namespace
}  // namespace tremblo
