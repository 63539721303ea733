#include "record/cosmos_text_header.h"

#include <gtest/gtest.h>

#include <sstream>

#include "record/cosmos_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;

// A text header as a network writes it, lines 2 to 8.
std::vector<std::string> TextHeader(const std::string& hypocenter, const std::string& origin,
                                    const std::string& station, const std::string& coords,
                                    const std::string& start) {
    return {"Corrected acceleration   (Format v01.20 with 13 text lines) Src: test",
            "Northridge earthquake                   Jan 17, 1994 12:30 UTC",
            "Hypocenter: " + hypocenter,
            "Origin: " + origin,
            "Statn No: 05- 24399  Code:" + station,
            "Coords: " + coords,
            "Recorder: test",
            "Rcrd start time: " + start};
}

TEST(CosmosTextHeader, ReadsTheLabelledValuesAndLeavesTheRestUnstated) {
    const struct {
        const char* name;
        std::vector<std::string> text;
        ChannelHeader expected;
    } cases[] = {
        {"every value",
         TextHeader("34.213  -118.537   H= 18km(SCSN) M=6.7 ML=6.6(SCSN)", "01/17/1994, 12:30:55.2 UTC (SCSN)",
                    "CE-24399 CDMG Sylmar - Olive View Med FF", "34.3260 -118.4440   Site geology: alluvium",
                    "1/17/1994, 12:30:  53.0 UTC (Q=5)"),
         [] {
             ChannelHeader h;
             h.eventName = "Northridge earthquake";
             h.epicenterLat = 34.213, h.epicenterLon = -118.537, h.depthKm = 18.0, h.magnitude = 6.7;
             h.originTime = StatedTime{1994, 1, 17, 12, 30, 55.2};
             h.network = "CE", h.stationCode = "24399", h.stationName = "CDMG Sylmar - Olive View Med FF";
             h.stationLat = 34.326, h.stationLon = -118.444;
             h.firstSampleTime = StatedTime{1994, 1, 17, 12, 30, 53.0};
             return h;
         }()},
        {"typed magnitude, longitude east of 180, no station name",
         TextHeader("-41.5 174.8 H=25.5km Mw=7.8", "11/13/2016, 11:02:56 UTC", "NZ-WEL", "-41.28 185.0", ""),
         [] {
             ChannelHeader h;
             h.eventName = "Northridge earthquake";
             h.epicenterLat = -41.5, h.epicenterLon = 174.8, h.depthKm = 25.5, h.magnitude = 7.8, h.magnitudeType = "Mw";
             h.originTime = StatedTime{2016, 11, 13, 11, 2, 56.0};
             h.network = "NZ", h.stationCode = "WEL";
             h.stationLat = -41.28, h.stationLon = -175.0;
             return h;
         }()},
        {"undefined values, local times, a month 13, coordinates off the globe",
         TextHeader("-999.000 -999.000 H=-999km M=-999", "01/17/1994, 04:30:55.2 PST", "", "95.0 10.0",
                    "13/17/1994, 12:30:53.0 UTC"),
         [] {
             ChannelHeader h;
             h.eventName = "Northridge earthquake";
             return h;
         }()},
    };
    for (const auto& c : cases) {
        ChannelHeader read;
        ReadCosmosTextHeader(c.text, read);
        EXPECT_EQ(read.eventName, c.expected.eventName) << c.name;
        EXPECT_EQ(read.epicenterLat, c.expected.epicenterLat) << c.name;
        EXPECT_EQ(read.epicenterLon, c.expected.epicenterLon) << c.name;
        EXPECT_EQ(read.depthKm, c.expected.depthKm) << c.name;
        EXPECT_EQ(read.magnitude, c.expected.magnitude) << c.name;
        EXPECT_EQ(read.magnitudeType, c.expected.magnitudeType) << c.name;
        EXPECT_EQ(read.originTime, c.expected.originTime) << c.name;
        EXPECT_EQ(read.network, c.expected.network) << c.name;
        EXPECT_EQ(read.stationCode, c.expected.stationCode) << c.name;
        EXPECT_EQ(read.stationName, c.expected.stationName) << c.name;
        EXPECT_EQ(read.stationLat, c.expected.stationLat) << c.name;
        EXPECT_EQ(read.stationLon, c.expected.stationLon) << c.name;
        EXPECT_EQ(read.firstSampleTime, c.expected.firstSampleTime) << c.name;
    }
}

TEST(CosmosTextHeader, TheReaderGivesEachChannelItsStationAndEvent) {
    CosmosFixtureChannel channel;
    channel.acceleration = TestSignal(1000, 100.0);
    std::istringstream in(WriteCosmosFile({channel, channel}));
    const auto file = ReadCosmosFile(in, AgencyReadOptions{});
    ASSERT_TRUE(file.ok()) << file.error().message;
    ASSERT_EQ(file.value().channels.size(), 2u);
    for (const AgencyChannel& read : file.value().channels) {
        EXPECT_EQ(read.header.stationCode, "12345");
        EXPECT_EQ(read.header.network, "CE");
        EXPECT_EQ(read.header.stationLat, 37.1);
        EXPECT_EQ(read.header.epicenterLon, -122.0);
        EXPECT_EQ(read.header.originTime, (StatedTime{2020, 1, 2, 3, 4, 5.0}));
    }
}

}  // namespace
}  // namespace tremblo
