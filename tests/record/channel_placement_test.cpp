// Where an agency record's components go: sets of at most two horizontals
// and a vertical, the horizontal nearest north-south first, and the labels
// the rows show.
#include "record/channel_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace tremblo {
namespace {

ChannelHeader Horizontal(std::optional<double> azimuth, std::string name = {}) {
    ChannelHeader h;
    h.azimuthDeg = azimuth;
    h.componentName = std::move(name);
    return h;
}

ChannelHeader Vertical() {
    ChannelHeader h;
    h.vertical = true;
    return h;
}

TEST(ChannelPlacement, SplitsChannelsIntoSetsOfTwoHorizontalsAndAVertical) {
    const ChannelHeader h = Horizontal(0.0), v = Vertical(), u = Horizontal(std::nullopt);
    const struct {
        std::vector<ChannelHeader> channels;
        std::vector<std::vector<std::size_t>> sets;
    } cases[] = {
        {{h, h, v}, {{0, 1, 2}}},
        {{v, h, h}, {{0, 1, 2}}},
        {{h, h, v, h, h, v}, {{0, 1, 2}, {3, 4, 5}}},  // surface, then borehole
        {{h, h, h}, {{0, 1}, {2}}},
        {{v, v, h}, {{0}, {1, 2}}},
        {{h}, {{0}}},
        {{}, {}},
        // Channels of unknown orientation fill a set of three whatever they are.
        {{u, u, u, u}, {{0, 1, 2}, {3}}},
        {{h, h, u, v}, {{0, 1, 2}, {3}}},
        {{u, v, h}, {{0, 1, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitIntoComponentSets(c.channels), c.sets) << c.channels.size();
    EXPECT_TRUE(FirstSetIsFull(std::vector<ChannelHeader>{h, v, h, h}));
    EXPECT_FALSE(FirstSetIsFull(std::vector<ChannelHeader>{h, h, h, v}));
    EXPECT_FALSE(FirstSetIsFull(std::vector<ChannelHeader>{h, v}));
}

TEST(ChannelPlacement, PutsTheHorizontalNearestNorthSouthFirstAndTheVerticalLast) {
    const struct {
        std::vector<ChannelHeader> channels;
        std::vector<std::size_t> rows;
    } cases[] = {
        {{Horizontal(90.0), Horizontal(0.0), Vertical()}, {1, 0, 2}},
        {{Vertical(), Horizontal(67.0), Horizontal(337.0)}, {2, 1, 0}},  // 337 is 23 deg off north
        {{Horizontal(180.0), Horizontal(270.0), Vertical()}, {0, 1, 2}},
        {{Horizontal(118.0), Horizontal(28.0), Vertical()}, {1, 0, 2}},  // S62E, N28E
        {{Horizontal(45.0), Horizontal(135.0), Vertical()}, {0, 1, 2}},  // as near: file order
        {{Horizontal(std::nullopt), Horizontal(0.0), Vertical()}, {1, 0, 2}},  // unknown after the known
        {{Horizontal(std::nullopt), Horizontal(std::nullopt), Horizontal(std::nullopt)}, {0, 1, 2}},
        {{Vertical(), Horizontal(std::nullopt)}, {1, 0}},
    };
    for (const auto& c : cases) {
        std::vector<std::size_t> all(c.channels.size());
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
        EXPECT_EQ(PlaceByOrientation(c.channels, all), c.rows);
    }
    EXPECT_DOUBLE_EQ(DistanceFromNorthSouth(337.0), 23.0);
    EXPECT_DOUBLE_EQ(DistanceFromNorthSouth(-10.0), 10.0);
    EXPECT_DOUBLE_EQ(DistanceFromNorthSouth(100.0), 80.0);
}

TEST(ChannelPlacement, LabelsShowTheAzimuth) {
    const struct {
        ChannelHeader header;
        const char* label;
    } cases[] = {
        {Horizontal(67.0), "067\xC2\xB0"}, {Horizontal(337.4), "337\xC2\xB0"}, {Horizontal(0.0), "NS"},
        {Horizontal(359.7), "NS"},         {Horizontal(90.0), "EW"},           {Horizontal(180.0), "180\xC2\xB0"},
        {Vertical(), "UD"},                {Horizontal(std::nullopt, "H1"), "H1"}, {Horizontal(std::nullopt), "C2"},
    };
    for (const auto& c : cases) EXPECT_EQ(OrientationLabel(c.header, 1), c.label);
}

TEST(ChannelPlacement, PerpendicularWithinADegree) {
    const auto o = [](std::optional<double> azimuth) { return ComponentOrientation{false, azimuth}; };
    EXPECT_TRUE(ArePerpendicular(o(0.0), o(90.0)));
    EXPECT_TRUE(ArePerpendicular(o(67.0), o(337.0)));
    EXPECT_TRUE(ArePerpendicular(o(28.0), o(118.5)));
    EXPECT_FALSE(ArePerpendicular(o(std::nullopt), o(10.0)));  // not known to be
    EXPECT_FALSE(ArePerpendicular(ComponentOrientation{true, {}}, o(90.0)));
    EXPECT_FALSE(ArePerpendicular(o(0.0), o(80.0)));
    EXPECT_FALSE(ArePerpendicular(o(0.0), o(180.0)));
}

}  // namespace
}  // namespace tremblo
