#include <gtest/gtest.h>

#include "plot/segment_clip.h"

namespace tremblo {
namespace {

TEST(SegmentClip, CutsToTheRectangle) {
    const ClipRect rect{10.0, 20.0, 110.0, 70.0};
    const struct {
        const char* what;
        Segment in;
        std::optional<Segment> out;
    } cases[] = {
        {"inside", {20, 30, 100, 60}, Segment{20, 30, 100, 60}},
        {"across the left edge", {0, 30, 20, 50}, Segment{10, 40, 20, 50}},
        {"out through the right edge", {100, 30, 120, 40}, Segment{100, 30, 110, 35}},
        {"across top and bottom", {40, 0, 60, 100}, Segment{44, 20, 54, 70}},
        {"through both side edges, leftward", {130, 45, -10, 45}, Segment{110, 45, 10, 45}},
        {"into the corner", {0, 10, 20, 30}, Segment{10, 20, 20, 30}},
        {"wholly left", {0, 30, 9, 60}, std::nullopt},
        {"along the bottom edge outside", {20, 71, 100, 71}, std::nullopt},
        {"passing the corner outside", {0, 25, 10, 15}, std::nullopt},
        {"below, both ends", {20, 80, 100, 90}, std::nullopt},
        {"on the right edge", {110, 30, 110, 60}, Segment{110, 30, 110, 60}},
        {"a point inside", {50, 50, 50, 50}, Segment{50, 50, 50, 50}},
    };
    for (const auto& c : cases) {
        const std::optional<Segment> got = ClipSegment(c.in, rect);
        ASSERT_EQ(got.has_value(), c.out.has_value()) << c.what;
        if (!got) continue;
        EXPECT_NEAR(got->x0, c.out->x0, 1e-9) << c.what;
        EXPECT_NEAR(got->y0, c.out->y0, 1e-9) << c.what;
        EXPECT_NEAR(got->x1, c.out->x1, 1e-9) << c.what;
        EXPECT_NEAR(got->y1, c.out->y1, 1e-9) << c.what;
    }
}

}  // namespace
}  // namespace tremblo
